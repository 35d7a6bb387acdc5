#include "LibraryFixture.h"

#include "core/TextFile.h"
#include "core/library/TemplateExport.h"
#include "core/library/TemplateImport.h"
#include "core/library/TemplateMaintenance.h"
#include "core/template/TemplateFile.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace quillora::test {
namespace {

class ExportImportTest : public ::testing::Test {
protected:
    QString exportDemo(const TempAppFolder &from) {
        auto built = finish(buildTemplateCabinet(from.folder(), cabinets, 1));
        EXPECT_TRUE(built.ok()) << (built.ok() ? "" : built.error().text().toStdString());
        return built.ok() ? built.value() : QString();
    }

    GcabCabinets cabinets;
};

TEST_F(ExportImportTest, ExportedDemoImportsElsewhereWithItsDatedTitle) {
    TempAppFolder school(TempAppFolder::InstalledCopy);
    TempAppFolder home(TempAppFolder::InstalledCopy);
    const QString cabinet = exportDemo(school);
    ASSERT_FALSE(cabinet.isEmpty());
    EXPECT_EQ(QFileInfo(cabinet).absolutePath(),
              QDir(school.path(QStringLiteral("disk1"))).absolutePath());

    // The directive file lists every staged file, as the cabinet maker of old read it.
    auto directives = readTextLines(school.path(QStringLiteral("exports/cabdef.ddf")));
    ASSERT_TRUE(directives.ok());
    EXPECT_EQ(directives->at(0),
              QStringLiteral(".Set CabinetNameTemplate=") + QFileInfo(cabinet).fileName());
    EXPECT_EQ(directives->mid(1, 3),
              (QStringList{QStringLiteral(".Set Cabinet=on"), QStringLiteral(".Set Compress=on"),
                           QStringLiteral(".Set maxdiskSize=CDROM")}));
    const QStringList staged = QDir(school.path(QStringLiteral("exports")))
                                   .entryList({QStringLiteral("*")}, QDir::Files, QDir::Name);
    EXPECT_EQ(directives->size(), 4 + staged.size() - 1);

    auto imported = finish(importTemplateCabinet(home.folder(), cabinets, cabinet));
    ASSERT_TRUE(imported.ok()) << imported.error().text().toStdString();
    EXPECT_GE(imported->storyId, kFirstExportNumber);
    EXPECT_LE(imported->storyId, kLastExportNumber);
    EXPECT_TRUE(imported->title.startsWith(QStringLiteral("Milo the Cat ")));
    EXPECT_EQ(findTemplateByTitle(home.folder(), imported->title), imported->storyId);

    // Every file the imported template names is in the folder under its bare name.
    const QString path = home.path(templateFileName(imported->storyId));
    auto story = parseTemplate(path, readTextLines(path).value(), home.folder());
    ASSERT_TRUE(story.ok());
    EXPECT_TRUE(QFileInfo(story->coverPicture).isFile());
    EXPECT_TRUE(QFileInfo::exists(home.path(story->coverRecording)));
    EXPECT_EQ(story->pagesInUse(),
              parseTemplate(home.path(QStringLiteral("story_1.sty")),
                            readTextLines(home.path(QStringLiteral("story_1.sty"))).value(),
                            home.folder())
                  ->pagesInUse());
    // No staging folder is left behind.
    EXPECT_TRUE(
        QDir(home.folder().root()).entryList({QStringLiteral("import_*")}, QDir::Dirs).isEmpty());
}

TEST_F(ExportImportTest, TwoExportsOfOneTemplateBecomeTwoTemplates) {
    TempAppFolder school(TempAppFolder::InstalledCopy);
    TempAppFolder home(TempAppFolder::InstalledCopy);
    const QString first = exportDemo(school);
    const QString firstCopy = school.path(QStringLiteral("first.cab"));
    ASSERT_TRUE(QFile::rename(first, firstCopy));
    const QString second = exportDemo(school);
    auto a = finish(importTemplateCabinet(home.folder(), cabinets, firstCopy));
    auto b = finish(importTemplateCabinet(home.folder(), cabinets, second));
    ASSERT_TRUE(a.ok() && b.ok());
    EXPECT_NE(a->storyId, b->storyId);
    EXPECT_EQ(libraryEntries(home.folder()).size(), 3);
    // The same cabinet a second time would bring a number that is now taken.
    auto again = finish(importTemplateCabinet(home.folder(), cabinets, second));
    ASSERT_FALSE(again.ok());
    EXPECT_TRUE(again.error().message.contains(QStringLiteral("already in the library")));
}

TEST_F(ExportImportTest, MissingMediaFileCancelsTheExportWithoutACabinet) {
    TempAppFolder school(TempAppFolder::InstalledCopy);
    ASSERT_TRUE(QFile::remove(school.path(QStringLiteral("cover_pic_1.jpg"))));
    auto built = finish(buildTemplateCabinet(school.folder(), cabinets, 1));
    ASSERT_FALSE(built.ok());
    EXPECT_EQ(built.error().text(),
              QStringLiteral("Error: ") +
                  QDir::toNativeSeparators(school.path(QStringLiteral("cover_pic_1.jpg"))) +
                  QStringLiteral(" Not Found, Export Cancelled"));
    EXPECT_TRUE(
        QDir(school.path(QStringLiteral("disk1"))).entryList({QStringLiteral("*.cab")}).isEmpty());
}

TEST_F(ExportImportTest, ExportNumberAvoidsTemplatesAlreadyHere) {
    TempAppFolder folder;
    // Every number but one is taken in a folder we fake by listing: draw many times and never
    // meet a template that exists.
    for (int n : {kFirstExportNumber, kFirstExportNumber + 1})
        writeTemplate(folder, smallTemplate(n, QStringLiteral("t%1").arg(n)));
    for (int i = 0; i < 200; ++i) {
        const int n = drawExportNumber(folder.folder());
        EXPECT_FALSE(QFile::exists(folder.path(templateFileName(n))));
        EXPECT_GE(n, kFirstExportNumber);
        EXPECT_LE(n, kLastExportNumber);
    }
}

TEST(CabinetNameTest, TakesTheFirstTwentyCharactersMadeSafe) {
    const struct {
        const char *title;
        const char *name;
    } cases[] = {
        {"My Story 1/24/2013 10:15:00 AM", "My_Story_1_24_2013_1"},
        {"  Cats\\Dogs: 12/11/26 9:00 AM", "Cats_Dogs__12_11_2"},
        {"Short", "Short"},
        {"Exactly twenty chars", "Exactly_twenty_chars"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(cabinetName(QString::fromUtf8(c.title)), QString::fromUtf8(c.name)) << c.title;
    EXPECT_EQ(cabinetFileName(QStringLiteral("A_b")), QStringLiteral("Template_A_b.cab"));
}

TEST(CabinetExtensionTest, OnlyLowerCaseCabCounts) {
    EXPECT_TRUE(hasCabinetExtension(QStringLiteral("/tmp/Template_x.cab")));
    EXPECT_FALSE(hasCabinetExtension(QStringLiteral("/tmp/Template_x.CAB")));
    EXPECT_FALSE(hasCabinetExtension(QStringLiteral("/tmp/Template_x.cab.txt")));
    EXPECT_EQ(notACabinetMessage(QStringLiteral("x.CAB")),
              QStringLiteral(
                  "x.CAB is not a valid story template. \n\nValid story templates end with .cab"));
}

} // namespace
} // namespace quillora::test

namespace quillora::test {
namespace {

TEST(KeepCabinetTest, TheCabinetGoesWhereChosenOrStaysInDisk1) {
    TempAppFolder folder;
    QDir().mkpath(folder.path(QStringLiteral("disk1")));
    const QString made = folder.path(QStringLiteral("disk1/Template_A.cab"));
    folder.write(QStringLiteral("disk1/Template_A.cab"), "cab");
    ASSERT_TRUE(keepCabinetAs(made, made).ok());
    EXPECT_TRUE(QFile::exists(made));
    const QString chosen = folder.path(QStringLiteral("elsewhere.cab"));
    folder.write(QStringLiteral("elsewhere.cab"), "old");
    ASSERT_TRUE(keepCabinetAs(made, chosen).ok());
    EXPECT_EQ(folder.read(QStringLiteral("elsewhere.cab")), QByteArrayLiteral("cab"));
    EXPECT_FALSE(QFile::exists(made));
    folder.write(QStringLiteral("disk1/Template_A.cab"), "cab");
    EXPECT_FALSE(keepCabinetAs(made, folder.path(QStringLiteral("no/such/folder/x.cab"))).ok());
    EXPECT_TRUE(QFile::exists(made));
}

} // namespace
} // namespace quillora::test
