#include "AssetCatalog.h"
#include "ToolsTestSupport.h"
#include "core/WavFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Runs the generator into an empty folder, as a first installation does, and checks the
// data files it starts the program with; then runs it again over changed data.

namespace quillora::assets {
namespace {

using test::crlfLines;
using test::isLinePrinterNumber;
using test::readBytes;

class FirstInstall : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_folder = test::freshlyGeneratedFolder(&s_log); }

    void SetUp() override { ASSERT_FALSE(s_folder.isEmpty()) << s_log.toStdString(); }

    static QString path(const QString &name) { return QDir(s_folder).filePath(name); }

    static QStringList lines(const QString &name) {
        bool crlf = false;
        const QStringList result = crlfLines(readBytes(path(name)), &crlf);
        EXPECT_TRUE(crlf) << name.toStdString() << " must end every line with CR LF";
        return result;
    }

    static QString s_folder;
    static QString s_log;
};

QString FirstInstall::s_folder;
QString FirstInstall::s_log;

// The demo template read the way the program's reader sees it.
struct Page {
    int id = 0;
    int layout = 0;
    QString subtitle, pathRecording;
    struct Choice {
        QString picture, text, recording, sound;
        int next = 0, prev = 0;
    } choices[3];
};

TEST_F(FirstInstall, CountersStartWhereTheDemoTemplateLeavesThem) {
    EXPECT_EQ(lines(QStringLiteral("aobj_last_story_id.seq")), QStringList{QStringLiteral(" 1 ")});
    EXPECT_EQ(lines(QStringLiteral("aobj_mystory.seq")), QStringList{QStringLiteral(" 10000 ")});
    EXPECT_EQ(lines(QStringLiteral("aobj_last_page_id.seq")), QStringList{QStringLiteral(" 100 ")});
    EXPECT_EQ(lines(QStringLiteral("story_1.sty")).value(0), QStringLiteral(" 1 "));
}

TEST_F(FirstInstall, InterfaceTextsAndLanguagesHaveTheirLayout) {
    const QStringList literals = lines(QStringLiteral("literals.txt"));
    ASSERT_EQ(literals.size(), 25);
    for (const QString &text : literals)
        EXPECT_FALSE(text.trimmed().isEmpty());
    EXPECT_EQ(literals[3], QStringLiteral("'s Book Collection"));

    const QStringList languages = lines(QStringLiteral("aobj_charactersets.txt"));
    ASSERT_FALSE(languages.isEmpty());
    ASSERT_EQ(languages.size() % 3, 0);
    QStringList names;
    bool rightToLeft = false;
    for (qsizetype i = 0; i < languages.size(); i += 3) {
        names << languages[i];
        EXPECT_TRUE(isLinePrinterNumber(languages[i + 1])) << languages[i + 1].toStdString();
        rightToLeft = rightToLeft || languages[i + 2] == QLatin1String("right");
    }
    EXPECT_TRUE(rightToLeft);

    const QStringList inForce = lines(QStringLiteral("default_characterset.txt"));
    ASSERT_EQ(inForce.size(), 3);
    EXPECT_TRUE(names.contains(inForce[0])) << "the language in force must be one listed";
    EXPECT_EQ(inForce[1], QStringLiteral(" 0 "));
    EXPECT_NE(inForce[2], QStringLiteral("right"));
}

TEST_F(FirstInstall, StudentProfilesHaveTenLinesNamedByTheirNumber) {
    const QStringList files =
        QDir(s_folder).entryList({QStringLiteral("student_*.lgn")}, QDir::Files);
    ASSERT_GE(files.size(), 3);
    QSet<QString> names;
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        const QStringList profile = lines(file);
        ASSERT_EQ(profile.size(), 10);
        for (const int line : {1, 2, 3, 4, 5, 7, 8, 9})
            EXPECT_TRUE(isLinePrinterNumber(profile[line])) << "line " << line + 1;
        EXPECT_EQ(QStringLiteral("student_%1.lgn").arg(profile[1].trimmed()), file);
        EXPECT_GE(profile[2].trimmed().toInt(), 1);
        EXPECT_LE(profile[2].trimmed().toInt(), 3);
        EXPECT_FALSE(names.contains(profile[0].toLower())) << "names must differ";
        names.insert(profile[0].toLower());
    }
    EXPECT_TRUE(names.contains(QStringLiteral("teacher")));
}

TEST_F(FirstInstall, DemoTemplateIsABranchingStoryInTheFileLayout) {
    const QStringList story = lines(QStringLiteral("story_1.sty"));
    ASSERT_GE(story.size(), 9 + 26 * 6);
    ASSERT_EQ((story.size() - 9) % 26, 0);
    for (const int line : {0, 4, 7, 8})
        EXPECT_TRUE(isLinePrinterNumber(story[line])) << "header line " << line + 1;

    QMap<int, Page> pages;
    for (qsizetype at = 9; at < story.size(); at += 26) {
        EXPECT_EQ(story[at], QString(28, QLatin1Char('=')));
        Page page;
        page.id = story[at + 1].toInt();
        page.layout = story[at + 2].trimmed().toInt();
        page.subtitle = story[at + 3];
        page.pathRecording = story[at + 4];
        for (int k = 0; k < 3; ++k) {
            const qsizetype c = at + 5 + 7 * k;
            EXPECT_EQ(story[c], QString(12, QLatin1Char('-')));
            EXPECT_TRUE(isLinePrinterNumber(story[c + 5]) && isLinePrinterNumber(story[c + 6]));
            page.choices[k] = {story[c + 1], story[c + 2],         story[c + 3],
                               story[c + 4], story[c + 5].toInt(), story[c + 6].toInt()};
        }
        EXPECT_FALSE(pages.contains(page.id)) << "page " << page.id << " twice";
        pages.insert(page.id, page);
    }

    QList<int> firstPages;
    bool hasDecision = false;
    for (const Page &page : pages) {
        SCOPED_TRACE(page.id);
        const int prev = page.choices[0].prev;
        if (prev == 0)
            firstPages << page.id;
        else
            EXPECT_TRUE(pages.contains(prev));
        hasDecision = hasDecision || page.layout >= 2;
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(page.choices[k].prev, prev) << "choice " << k + 1;
            if (k < page.layout && page.choices[k].next != 0) {
                ASSERT_TRUE(pages.contains(page.choices[k].next)) << "choice " << k + 1;
                EXPECT_EQ(pages[page.choices[k].next].choices[0].prev, page.id);
            }
        }
        if (page.layout == 1 && page.choices[0].next == 0) { // the end of a path
            EXPECT_FALSE(page.subtitle.isEmpty() || page.pathRecording.isEmpty());
        }
    }
    EXPECT_EQ(firstPages, QList<int>{102});
    EXPECT_TRUE(hasDecision);
}

TEST_F(FirstInstall, EveryFileTheDemoTemplateNamesIsThereAndUsable) {
    const QStringList story = lines(QStringLiteral("story_1.sty"));
    ASSERT_GE(story.size(), 9);
    QStringList names{story[2], story[3], story[5]}; // title narration, music, cover
    EXPECT_EQ(story[2], QStringLiteral("recording_1_title.wav"));
    for (qsizetype at = 9; at + 26 <= story.size(); at += 26) {
        const QString id = story[at + 1].trimmed();
        const int layout = story[at + 2].trimmed().toInt();
        names << story[at + 4];
        for (int k = 0; k < layout; ++k) {
            const qsizetype c = at + 5 + 7 * k;
            names << story[c + 1] << story[c + 3] << story[c + 4];
            // Every text has its narration, under the name the designer would give it.
            EXPECT_EQ(story[c + 3], QStringLiteral("recording_1_%1_%2.wav").arg(id).arg(k + 1));
        }
    }
    names.removeAll(QString());
    bool soundEffect = false;
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_FALSE(name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
            << "media names are stored bare";
        const QString file = path(name);
        ASSERT_TRUE(QFileInfo::exists(file));
        if (name.endsWith(QLatin1String(".jpg"))) {
            EXPECT_EQ(QImage(file).size(), QSize(640, 480));
        } else if (name.endsWith(QLatin1String(".wav"))) {
            auto info = readWavInfo(file);
            ASSERT_TRUE(info.ok());
            EXPECT_GT(info->durationSeconds(), 0.2);
            soundEffect = soundEffect || name.startsWith(QLatin1String("page_sfx_"));
        } else {
            EXPECT_TRUE(readBytes(file).startsWith("MThd"));
        }
    }
    EXPECT_TRUE(soundEffect);
}

void copyFolder(const QString &from, const QString &to) {
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(info.filePath()));
        if (info.isDir())
            QDir().mkpath(target);
        else
            QFile::copy(info.filePath(), target);
    }
}

void writeBytes(const QString &file, const QByteArray &bytes) {
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(bytes);
}

TEST_F(FirstInstall, RunningAgainKeepsDataAndRefreshesArtwork) {
    QTemporaryDir again;
    copyFolder(s_folder, again.path());
    const auto file = [&again](const char *name) { return again.filePath(QLatin1String(name)); };
    const QByteArray counter(" 9990 \r\n");
    const QByteArray story = readBytes(file("story_1.sty")).replace("Milo the Cat", "Milo");
    const QByteArray recording = readBytes(file("recording_1_104_2.wav")).left(44);
    writeBytes(file("aobj_mystory.seq"), counter);
    writeBytes(file("story_1.sty"), story);
    writeBytes(file("recording_1_104_2.wav"), recording);
    writeBytes(file("aobj_the_end.jpg"), "not a picture");
    QFile::remove(file("aobj_bell.wav"));
    QDir(again.path()).rmdir(QStringLiteral("disk1"));

    QString log;
    ASSERT_EQ(test::runGenerator(again.path(), &log), 0) << log.toStdString();

    EXPECT_EQ(readBytes(file("aobj_mystory.seq")), counter);
    EXPECT_EQ(readBytes(file("story_1.sty")), story);
    EXPECT_EQ(readBytes(file("recording_1_104_2.wav")), recording);
    EXPECT_FALSE(QImage(file("aobj_the_end.jpg")).isNull());
    EXPECT_TRUE(readWavInfo(file("aobj_bell.wav")).ok());
    EXPECT_TRUE(QFileInfo(file("disk1")).isDir());
}

TEST(DataFiles, AreTheFilesTeachersAndStudentsOwn) {
    const struct {
        const char *name;
        bool data;
    } cases[] = {
        {"aobj_mystory.seq", true},
        {"aobj_last_story_id.seq", true},
        {"student_601.lgn", true},
        {"student_story_assignments_601.asg", true},
        {"story_12.sty", true},
        {"mystory_601_9999_1_12_108.msy", true},
        {"stats_601.sta", true},
        {"stats_601.csv", true},
        {"literals.txt", true},
        {"default_characterset.txt", true},
        {"aobj_charactersets.txt", true},
        {"recording_12_title.wav", true},
        {"temp_recording_12_102_1.wav", true},
        {"page_pic_12_102_1.jpg", true},
        {"cover_pic_12.jpg", true},
        {"background_music_12.mid", true},
        {"aobj_bell.wav", false},
        {"announce_back.wav", false},
        {"aobj_the_end.jpg", false},
        {"aobj_logo_midi1.mid", false},
        {"aobj_user_guide.htm", false},
        {"com_stop.wav", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(isDataFile(QLatin1String(c.name)), c.data) << c.name;
}

} // namespace
} // namespace quillora::assets
