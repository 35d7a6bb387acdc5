#include "LibraryFixture.h"

#include "core/library/TemplateExport.h"
#include "core/library/TemplateImport.h"
#include "core/library/TemplateMaintenance.h"
#include "core/template/TemplateFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quillora::test {
namespace {

QByteArray templateBytes(const StoryTemplate &story) {
    QByteArray bytes;
    for (const QString &line : templateLines(story))
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

// The application folder sits one level down, so a member that climbs out of it would land
// in the outer folder, where the test can see it.
class ImportSafetyTest : public ::testing::Test {
protected:
    ImportSafetyTest()
        : appRoot(outer.filePath(QStringLiteral("app"))) {
        QDir().mkpath(appRoot);
        folder = AppFolder(appRoot);
        QFile::copy(QStringLiteral(QUILLORA_INSTALLED_APP_DIR "/story_1.sty"),
                    folder.filePath(QStringLiteral("story_1.sty")));
        QFile::copy(QStringLiteral(QUILLORA_INSTALLED_APP_DIR "/cover_pic_1.jpg"),
                    folder.filePath(QStringLiteral("cover_pic_1.jpg")));
        QFile student(folder.filePath(QStringLiteral("student_600.lgn")));
        (void)student.open(QIODevice::WriteOnly);
        student.write("kept\r\n");
    }

    QString refusal(const QString &cabinet) {
        const auto before = snapshot(outer.path());
        auto imported = finish(importTemplateCabinet(folder, cabinets, cabinet));
        EXPECT_EQ(snapshot(outer.path()), before) << cabinet.toStdString();
        EXPECT_EQ(QFile(folder.filePath(QStringLiteral("student_600.lgn"))).size(), 6);
        return imported.ok() ? QString() : imported.error().message;
    }

    QTemporaryDir outer;
    QString appRoot;
    AppFolder folder;
    GcabCabinets cabinets;
};

TEST_F(ImportSafetyTest, ForeignMembersRefuseTheWholeCabinet) {
    const QByteArray story = templateBytes(smallTemplate(4242, QStringLiteral("Crafted")));
    // The cabinet stores "/" as "\\", so the refusal names what the cabinet holds.
    const struct {
        const char *member;
        const char *named;
    } cases[] = {
        {"..\\..\\evil.wav", "..\\..\\evil.wav"},
        {"../recording_4242_1.wav", "..\\recording_4242_1.wav"},
        {"/tmp/cover_pic_4242.jpg", "\\tmp\\cover_pic_4242.jpg"},
        {"C:\\cover_pic_4242.jpg", "C:\\cover_pic_4242.jpg"},
        {"sub/page_pic_4242_102_1.jpg", "sub\\page_pic_4242_102_1.jpg"},
        {"student_600.lgn", "student_600.lgn"},
        {"aobj_the_end.jpg", "aobj_the_end.jpg"},
        {"recording_4243_1.wav", "recording_4243_1.wav"},
        {"quillora", "quillora"},
    };
    int i = 0;
    for (const auto &c : cases) {
        const QString cabinet = outer.filePath(QStringLiteral("crafted%1.cab").arg(++i));
        writeRawCabinet(cabinet, {{QStringLiteral("story_4242.sty"), story},
                                  {QString::fromUtf8(c.member), QByteArrayLiteral("x")}});
        const QString why = refusal(cabinet);
        EXPECT_TRUE(why.contains(QStringLiteral("not part of story template 4242")))
            << c.member << ": " << why.toStdString();
        EXPECT_TRUE(why.contains(QString::fromUtf8(c.named))) << why.toStdString();
    }
}

TEST_F(ImportSafetyTest, BrokenOrUnsuitableCabinetsAreRefused) {
    const QString good = outer.filePath(QStringLiteral("good.cab"));
    writeRawCabinet(good, {{QStringLiteral("story_4242.sty"),
                            templateBytes(smallTemplate(4242, QStringLiteral("Crafted")))}});
    QByteArray whole;
    {
        QFile file(good);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        whole = file.readAll();
    }
    auto writeFile = [this](const QString &name, const QByteArray &bytes) {
        QFile file(outer.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return outer.filePath(name);
    };
    const QString truncated =
        writeFile(QStringLiteral("truncated.cab"), whole.left(whole.size() - 40));
    const QString notCabinet =
        writeFile(QStringLiteral("text.cab"), QByteArrayLiteral("hello\r\n"));
    const QString existing = outer.filePath(QStringLiteral("existing.cab"));
    writeRawCabinet(existing, {{QStringLiteral("story_1.sty"),
                                templateBytes(smallTemplate(1, QStringLiteral("Other")))}});
    const QString replacing = outer.filePath(QStringLiteral("replacing.cab"));
    writeRawCabinet(replacing, {{QStringLiteral("story_77.sty"),
                                 templateBytes(smallTemplate(77, QStringLiteral("R")))},
                                {QStringLiteral("cover_pic_77.jpg"), QByteArrayLiteral("x")}});
    QFile::copy(folder.filePath(QStringLiteral("cover_pic_1.jpg")),
                folder.filePath(QStringLiteral("cover_pic_77.jpg")));
    const QString missing = outer.filePath(QStringLiteral("missing.cab"));
    writeRawCabinet(missing,
                    {{QStringLiteral("story_4242.sty"),
                      templateBytes(smallTemplate(4242, QStringLiteral("M"),
                                                  QStringLiteral("page_pic_4242_102_1.jpg")))}});
    const QString noTemplate = outer.filePath(QStringLiteral("none.cab"));
    writeRawCabinet(noTemplate, {{QStringLiteral("cover_pic_4242.jpg"), QByteArrayLiteral("x")}});
    const QString wrongNumber = outer.filePath(QStringLiteral("wrong.cab"));
    writeRawCabinet(wrongNumber, {{QStringLiteral("story_4242.sty"),
                                   templateBytes(smallTemplate(99, QStringLiteral("W")))}});

    const struct {
        QString cabinet;
        const char *reason;
    } cases[] = {
        {truncated, "cannot be expanded"},
        {notCabinet, "not a cabinet file"},
        {outer.filePath(QStringLiteral("absent.cab")), "cannot be opened"},
        {existing, "story template 1 is already in the library"},
        {replacing, "would replace files already here: \"cover_pic_77.jpg\""},
        {missing, "names files the cabinet does not hold: \"page_pic_4242_102_1.jpg\""},
        {noTemplate, "holds no story template"},
        {wrongNumber, "has the number 99, not 4242"},
    };
    for (const auto &c : cases) {
        const QString why = refusal(c.cabinet);
        EXPECT_TRUE(why.contains(QString::fromUtf8(c.reason)))
            << c.reason << ": " << why.toStdString();
        EXPECT_TRUE(why.startsWith(QDir::toNativeSeparators(c.cabinet))) << why.toStdString();
    }
}

TEST(CabinetInteropTest, OurCabinetPassesOtherToolsAndTheirsImports) {
    TempAppFolder school(TempAppFolder::InstalledCopy);
    TempAppFolder home;
    GcabCabinets cabinets;
    auto built = finish(buildTemplateCabinet(school.folder(), cabinets, 1));
    ASSERT_TRUE(built.ok());
    QString listing;
    EXPECT_EQ(
        runTool(QStringLiteral("cabextract"), {QStringLiteral("-t"), built.value()}, &listing), 0)
        << listing.toStdString();
    EXPECT_TRUE(listing.contains(QStringLiteral("All done, no errors")));
    EXPECT_EQ(runTool(QStringLiteral("gcab"), {QStringLiteral("-t"), built.value()}, &listing), 0);
    const QString exports = school.path(QStringLiteral("exports"));
    QStringList staged = QDir(exports).entryList(QDir::Files, QDir::Name);
    staged.removeAll(QStringLiteral("cabdef.ddf"));
    for (const QString &name : staged)
        EXPECT_TRUE(listing.contains(name)) << name.toStdString();

    // A cabinet made by another tool from the exported files.
    const QString theirs = school.path(QStringLiteral("theirs.cab"));
    ASSERT_EQ(runTool(QStringLiteral("gcab"),
                      QStringList{QStringLiteral("-c"), QStringLiteral("-z"), theirs} + staged,
                      nullptr, exports),
              0);
    auto imported = finish(importTemplateCabinet(home.folder(), cabinets, theirs));
    ASSERT_TRUE(imported.ok()) << imported.error().text().toStdString();
    EXPECT_EQ(libraryEntries(home.folder()).size(), 1);
    for (const QString &name : staged)
        EXPECT_TRUE(home.exists(name)) << name.toStdString();
}

} // namespace
} // namespace quillora::test
