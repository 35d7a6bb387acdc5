#include "core/profiles/StudentProfile.h"
#include "FakeMessages.h"
#include "StoryFilesTestSupport.h"
#include "TempAppFolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace quillora {
namespace {

using test::crlf;
using test::FakeMessages;
using test::installFixture;
using test::RecordingStop;
using test::TempAppFolder;

const QString kMissing = QStringLiteral("Critical Error:  Student Data Missing");
const QString kMissingAtLogon = QStringLiteral("Critical Error:  Stundent Data Missing");

class StudentProfileTest : public ::testing::Test {
protected:
    TempAppFolder app;
    FakeMessages messages;
    StudentSession session;

    StudentProfileTest() {
        installFixture(app, QStringLiteral("student_601.lgn"));
        installFixture(app, QStringLiteral("student_602.lgn"));
        app.write(
            QStringLiteral("student_600.lgn"),
            crlf({QStringLiteral("Teacher"), QStringLiteral(" 600 "), QStringLiteral(" 3 "),
                  QStringLiteral(" 3 "), QStringLiteral(" 1 "), QStringLiteral(" 1 "), QString()}));
    }

    Result<void> read(const QString &name, LookupWording wording = LookupWording::Management) {
        return readStudentOptionsPlus(session, name, app.folder(), messages, wording);
    }
};

TEST_F(StudentProfileTest, ProfileRoundTripsByteForByte) {
    ASSERT_TRUE(read(QStringLiteral("anna")));
    const StudentProfile &anna = session.profile;
    EXPECT_EQ(anna.studentName, QStringLiteral("Anna"));
    EXPECT_EQ(anna.studentNumber, 601);
    EXPECT_EQ(anna.accessMode, kAccessStepScanning);
    EXPECT_EQ(anna.scanSeconds, 5);
    EXPECT_EQ(anna.musicOption, 2);
    EXPECT_EQ(anna.auditoryScanning, 1);
    // Commas and quotes survive because the line is read whole.
    EXPECT_EQ(anna.studentPicture, QStringLiteral("C:\\pics\\anna, \"the brave\".jpg"));
    EXPECT_EQ(anna.versionsOption, 1);
    EXPECT_EQ(anna.printFormat, 2);
    EXPECT_EQ(anna.skipPages, 0);

    const QByteArray original = app.read(QStringLiteral("student_601.lgn"));
    QFile::remove(app.path(QStringLiteral("student_601.lgn")));
    app.write(QStringLiteral("student_601.lgn"), "placeholder\r\n");
    ASSERT_TRUE(saveStudentOptionsPlus(session, QStringLiteral("Anna"), app.folder()));
    EXPECT_EQ(app.read(QStringLiteral("student_601.lgn")), original);
    EXPECT_EQ(session.currentStudentName, QStringLiteral("Anna"));
}

TEST_F(StudentProfileTest, SevenLineProfilesReadWithTheLaterSettingsDefaulted) {
    ASSERT_TRUE(read(QStringLiteral("Ben")));
    EXPECT_EQ(session.profile.studentNumber, 602);
    EXPECT_EQ(session.profile.accessMode, kAccessTimedScanning);
    EXPECT_EQ(session.profile.studentPicture, QString());
    EXPECT_EQ(session.profile.versionsOption, 2);
    EXPECT_EQ(session.profile.printFormat, 1);
    EXPECT_EQ(session.profile.skipPages, 1);

    // An eighth line is taken, the ninth and tenth still default.
    QByteArray eight = app.read(QStringLiteral("student_602.lgn")) + " 1 \r\n";
    app.write(QStringLiteral("student_602.lgn"), eight);
    ASSERT_TRUE(read(QStringLiteral("Ben")));
    EXPECT_EQ(session.profile.versionsOption, 1);
    EXPECT_EQ(session.profile.printFormat, 1);
}

TEST_F(StudentProfileTest, NamesAreFoundWithoutRegardToLetterCase) {
    EXPECT_EQ(findStudentNumber(app.folder(), messages, QStringLiteral("TEACHER")), 600);
    EXPECT_EQ(findStudentNumber(app.folder(), messages, QStringLiteral("bEn")), 602);
    EXPECT_TRUE(studentNameExists(app.folder(), QStringLiteral("ANNA")));
    EXPECT_FALSE(studentNameExists(app.folder(), QStringLiteral("Ann")));
    EXPECT_TRUE(messages.shown.isEmpty());
    // The first profile in file-name order wins.
    app.write(QStringLiteral("student_599.lgn"),
              crlf({QStringLiteral("ANNA"), QStringLiteral(" 599 ")}));
    EXPECT_EQ(findStudentNumber(app.folder(), messages, QStringLiteral("Anna")), 599);
    EXPECT_EQ(listStudents(app.folder()).names,
              (QStringList{QStringLiteral("ANNA"), QStringLiteral("Teacher"),
                           QStringLiteral("Anna"), QStringLiteral("Ben")}));
}

TEST_F(StudentProfileTest, AMissingNameIsReportedInEachScreensWording) {
    EXPECT_EQ(findStudentNumber(app.folder(), messages, QStringLiteral("Zoe")), 0);
    EXPECT_EQ(
        findStudentNumber(app.folder(), messages, QStringLiteral("Zoe"), LookupWording::Logon), 0);
    EXPECT_EQ(messages.shown, (QStringList{kMissing, kMissingAtLogon}));

    ASSERT_TRUE(read(QStringLiteral("Anna")));
    const auto missing = read(QStringLiteral("Zoe"), LookupWording::Logon);
    ASSERT_FALSE(missing);
    EXPECT_EQ(session.profile, StudentProfile());
    EXPECT_EQ(messages.shown.last(), kMissingAtLogon);
}

TEST_F(StudentProfileTest, AnEmptyNameStandsForTheTeacher) {
    ASSERT_TRUE(read(QString()));
    EXPECT_EQ(session.profile.studentNumber, 600);
    session.currentStudentName = QStringLiteral("Anna");
    ASSERT_TRUE(saveStudentOptionsPlus(session, QString(), app.folder()));
    EXPECT_EQ(session.currentStudentName, QStringLiteral("Teacher"));
    EXPECT_TRUE(app.read(QStringLiteral("student_600.lgn")).startsWith("Teacher\r\n 600 \r\n"));
    EXPECT_TRUE(isTeacher(QStringLiteral("teacher")));
    EXPECT_FALSE(isTeacher(QStringLiteral("Teachers")));
}

TEST_F(StudentProfileTest, NewNumbersFillTheFirstGapFrom601) {
    RecordingStop stop;
    app.write(QStringLiteral("student_603.lgn"), "Cleo\r\n 603 \r\n");
    EXPECT_EQ(newStudentNumber(app.folder(), stop), 604);
    QFile::remove(app.path(QStringLiteral("student_602.lgn")));
    EXPECT_EQ(newStudentNumber(app.folder(), stop), 602);
    EXPECT_TRUE(stop.messages.isEmpty());
}

TEST_F(StudentProfileTest, NoFreeNumberStopsTheProgram) {
    for (int n = kFirstStudentNumber; n <= kLastStudentNumber; ++n) {
        QFile file(app.path(QStringLiteral("student_%1.lgn").arg(n)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    RecordingStop stop;
    EXPECT_EQ(newStudentNumber(app.folder(), stop), 0);
    EXPECT_EQ(stop.messages, QStringList{QStringLiteral("Critical Error:  Can't create Student")});
}

TEST_F(StudentProfileTest, ANewProfileStartsWithTheDefaultsWhateverTheScreenShows) {
    session.profile.studentNumber = 610;
    session.profile.accessMode = kAccessStepScanning;
    session.profile.scanSeconds = 9;
    session.profile.studentPicture = QStringLiteral("C:\\x.jpg");
    session.profile.versionsOption = 1;
    session.profile.skipPages = 0;
    ASSERT_TRUE(saveStudentOptionsPlus(session, QStringLiteral("Dan"), app.folder()));
    EXPECT_EQ(app.read(QStringLiteral("student_610.lgn")),
              "Dan\r\n 610 \r\n 3 \r\n 3 \r\n 1 \r\n 1 \r\n\r\n 2 \r\n 1 \r\n 1 \r\n");
    StudentProfile expected;
    expected.studentName = QStringLiteral("Dan");
    expected.studentNumber = 610;
    EXPECT_EQ(session.profile, expected);

    // Saved again, the file exists and the settings are taken as they are.
    session.profile.scanSeconds = 9;
    ASSERT_TRUE(saveStudentOptionsPlus(session, QStringLiteral("Dan"), app.folder()));
    ASSERT_TRUE(read(QStringLiteral("dan")));
    EXPECT_EQ(session.profile.scanSeconds, 9);
}

TEST_F(StudentProfileTest, RenamingChangesOnlyTheFirstLine) {
    ASSERT_TRUE(read(QStringLiteral("Anna")));
    const QByteArray before = app.read(QStringLiteral("student_601.lgn"));
    ASSERT_TRUE(saveStudentOptionsPlus(session, QStringLiteral("Annabel"), app.folder()));
    const QByteArray after = app.read(QStringLiteral("student_601.lgn"));
    EXPECT_EQ(after, QByteArray("Annabel") + before.mid(4));
    EXPECT_FALSE(studentNameExists(app.folder(), QStringLiteral("Anna")));
    EXPECT_EQ(findStudentNumber(app.folder(), messages, QStringLiteral("annabel")), 601);
}

TEST_F(StudentProfileTest, FailuresLeaveFilesAndTheHeldProfileAlone) {
    ASSERT_TRUE(read(QStringLiteral("Anna")));
    session.currentStudentName = QStringLiteral("Anna");
    // A folder in the way of the profile makes the write fail, even for root.
    session.profile.studentNumber = 620;
    ASSERT_TRUE(QDir(app.folder().root()).mkdir(QStringLiteral("student_620.lgn")));
    const StudentProfile held = session.profile;
    const auto failed = saveStudentOptionsPlus(session, QStringLiteral("Eve"), app.folder());
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error().file, QStringLiteral("student_620.lgn"));
    EXPECT_EQ(session.profile, held);
    EXPECT_EQ(session.currentStudentName, QStringLiteral("Anna"));

    // Number 0 is what a failed look-up gives; no profile is written under it.
    session.profile.studentNumber = 0;
    EXPECT_FALSE(saveStudentOptionsPlus(session, QStringLiteral("Eve"), app.folder()));
    EXPECT_FALSE(app.exists(QStringLiteral("student_0.lgn")));
}

TEST_F(StudentProfileTest, BadProfilesAreRefusedWithFileAndLine) {
    const QStringList full = {QStringLiteral("Ben"),
                              QStringLiteral(" 602 "),
                              QStringLiteral(" 2 "),
                              QStringLiteral(" 4 "),
                              QStringLiteral(" 1 "),
                              QStringLiteral(" 2 "),
                              QString(),
                              QStringLiteral(" 2 ")};
    struct Case {
        const char *what;
        QByteArray bytes;
        int line;
    };
    const Case cases[] = {
        {"six lines", crlf(full.mid(0, 6)), 7},
        {"scan seconds not a number",
         crlf(QStringList(full).replaceInStrings(QStringLiteral(" 4 "), QStringLiteral("four"))),
         4},
        {"versions not a number", crlf(full.mid(0, 7) << QStringLiteral("x")), 8},
        {"access mode beyond 16 bits",
         crlf(QStringList(full).replaceInStrings(QStringLiteral(" 2 "), QStringLiteral(" 99999 "))),
         3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        app.write(QStringLiteral("student_602.lgn"), c.bytes);
        ASSERT_TRUE(read(QStringLiteral("Anna")));
        const auto loaded = read(QStringLiteral("Ben"));
        ASSERT_FALSE(loaded);
        EXPECT_EQ(loaded.error().file, QStringLiteral("student_602.lgn"));
        EXPECT_EQ(loaded.error().line, c.line);
        EXPECT_EQ(session.profile, StudentProfile());
    }
}

} // namespace
} // namespace quillora
