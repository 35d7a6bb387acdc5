#include "AssetCatalog.h"
#include "ButtonArt.h"
#include "TempAppFolder.h"
#include "ToolsTestSupport.h"
#include "core/WavFile.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

// Checks the application folder the build generated: everything the screens load is there
// and is a file the program can use.

namespace quillora::assets {
namespace {

using test::installedAppDir;

QString installed(const QString &name) {
    return QDir(installedAppDir()).filePath(name);
}

bool isHighlightYellow(const QColor &c) {
    return c.red() > 220 && c.green() > 180 && c.blue() < 70;
}

QImage loadImage(const QString &name) {
    return QImage(installed(name));
}

TEST(InstalledFolder, ButtonsHaveAHighlightedTwinWithAnUnmistakableFrame) {
    for (const ButtonArtwork &art : buttons()) {
        SCOPED_TRACE(art.name.toStdString());
        const QImage normal = loadImage(art.name);
        const QImage active = loadImage(activeName(art.name));
        ASSERT_FALSE(normal.isNull());
        ASSERT_FALSE(active.isNull());
        EXPECT_EQ(normal.size(), QSize(art.width, art.height));
        EXPECT_EQ(active.size(), normal.size());

        // Middle of the yellow band on the left edge, and the dark rim just inside it.
        const int band = highlightBand(art.width, art.height);
        const int outer = art.height < 60 ? 1 : 2;
        const int y = art.height / 2;
        const QColor yellow = active.pixelColor(outer + band / 2, y);
        const QColor rim = active.pixelColor(outer + band + 1, y);
        EXPECT_TRUE(isHighlightYellow(yellow));
        EXPECT_GE(test::contrastRatio(yellow, rim), 3.0);
        EXPECT_FALSE(isHighlightYellow(normal.pixelColor(outer + band / 2, y)))
            << "the normal picture must not look highlighted";
    }
}

TEST(InstalledFolder, PicturesLoadAtTheirDesignedSize) {
    for (const PictureArtwork &art : pictures()) {
        SCOPED_TRACE(art.name.toStdString());
        const QImage image = loadImage(art.name);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(art.width, art.height));
    }
}

// The names other parts of the program load by name. A renamed or missing file would
// only show up as a blank button or a "Couldn't find file" message in front of a child.
TEST(InstalledFolder, EveryFileTheScreensLoadByNameIsThere) {
    const char *const names[] = {"aobj_back_button.jpg",
                                 "aobj_blank_decision_page_long.jpg",
                                 "aobj_button_no.jpg",
                                 "aobj_button_read_again.jpg",
                                 "aobj_button_skip_page.jpg",

                                 "aobj_button_start_over.jpg",
                                 "aobj_button_write_save_book.jpg",
                                 "aobj_button_yes.jpg",
                                 "aobj_check_button.jpg",
                                 "aobj_check_button_only.jpg",
                                 "aobj_delete_book_button.jpg",
                                 "aobj_delete_story_button.jpg",
                                 "aobj_done_button.jpg",
                                 "aobj_main_menu_button.jpg",
                                 "aobj_movie.jpg",
                                 "aobj_next_book_button.jpg",
                                 "aobj_next_button.jpg",
                                 "aobj_next_page_button.jpg",
                                 "aobj_next_topic_button.jpg",
                                 "aobj_print_button.jpg",
                                 "aobj_read_book_button.jpg",
                                 "aobj_read_button.jpg",
                                 "aobj_read_small.jpg",
                                 "aobj_spiral_blank_page.jpg",
                                 "aobj_the_end.jpg",
                                 "aobj_write_book_button.jpg",
                                 "aobj_write_button.jpg",
                                 "aobj_teacher_button_cover.jpg",
                                 "aobj_teacher_button_fonts.jpg",
                                 "aobj_teacher_button_music.jpg",
                                 "aobj_teacher_button_pages.jpg",
                                 "aobj_teacher_button_save.jpg",
                                 "aobj_teacher_button_menu.jpg",
                                 "aobj_main_logo.jpg",
                                 "aobj_main_footer.jpg",
                                 "aobj_main_teacher.jpg",
                                 "aobj_main_student_data.jpg",
                                 "aobj_main_logon.jpg",
                                 "aobj_main_user_guide.jpg",
                                 "aobj_main_exit.jpg",
                                 "aobj_teacher_loading.jpg",
                                 "aobj_esc_key.jpg",
                                 "aobj_logon_background.jpg",
                                 "aobj_mybook_green_cover.jpg",
                                 "aobj_mybook_red_cover_thumbnail.jpg",
                                 "aobj_bell.wav",
                                 "aobj_printer.wav",
                                 "aobj_printing.wav",
                                 "aobj_stapling_pages.wav",
                                 "aobj_turn_page.wav",
                                 "aobj_turn_page_backward.wav",
                                 "aobj_undoing.wav",
                                 "com_stop.wav",
                                 "announce_start_scan.wav",
                                 "announce_write_book.wav",
                                 "announce_choose_this_book.wav",
                                 "announce_no_pages_read.wav",
                                 "announce_the_end.wav",
                                 "announce_book_not_saved.wav",
                                 "announce_yes.wav",
                                 "aobj_logo_midi1.mid",
                                 "aobj_logo_midi2.mid",
                                 "aobj_user_guide.htm"};
    for (const char *name : names)
        EXPECT_TRUE(QFileInfo::exists(installed(QLatin1String(name)))) << name;
    for (const QString &name : teacherMenuNames()) {
        EXPECT_TRUE(QFileInfo::exists(installed(name))) << name.toStdString();
        EXPECT_TRUE(QFileInfo::exists(installed(activeName(name)))) << name.toStdString();
    }
}

TEST(InstalledFolder, EverySoundIsShortMonoSixteenBitAt22050Hz) {
    auto announcements = readAnnouncements(QStringLiteral(QUILLORA_ASSETS_DIR));
    ASSERT_TRUE(announcements.ok()) << announcements.error().text().toStdString();
    QStringList names = effectNames();
    for (const Announcement &announcement : *announcements)
        names << announcement.name + QStringLiteral(".wav");
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        auto info = parseWav(test::readBytes(installed(name)), name);
        ASSERT_TRUE(info.ok()) << info.error().text().toStdString();
        EXPECT_EQ(info->audioFormat, 1);
        EXPECT_EQ(info->sampleRate, 22050);
        EXPECT_EQ(info->bitsPerSample, 16);
        EXPECT_EQ(info->channels, 1);
        EXPECT_GT(info->durationSeconds(), 0.0);
        EXPECT_LT(info->durationSeconds(), 8.0);
    }
}

TEST(InstalledFolder, EffectsLastAsLongAsTheirScreensExpect) {
    // com_stop.wav only cuts the voice off, so it must be over almost at once; the page
    // turn plays during a one-second wipe.
    const struct {
        const char *name;
        double min, max;
    } cases[] = {{"com_stop.wav", 0.01, 0.1},
                 {"aobj_bell.wav", 0.5, 2.0},
                 {"aobj_turn_page.wav", 0.4, 1.0},
                 {"aobj_turn_page_backward.wav", 0.4, 1.0},
                 {"aobj_stapling_pages.wav", 0.2, 1.5}};
    for (const auto &c : cases) {
        auto info = readWavInfo(installed(QLatin1String(c.name)));
        ASSERT_TRUE(info.ok()) << c.name;
        EXPECT_GE(info->durationSeconds(), c.min) << c.name;
        EXPECT_LE(info->durationSeconds(), c.max) << c.name;
    }
}

TEST(InstalledFolder, LogoTunesAreStandardMidiFilesWithNotes) {
    for (const QString &name : tuneNames()) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = test::readBytes(installed(name));
        ASSERT_GE(bytes.size(), 22);
        EXPECT_TRUE(bytes.startsWith("MThd"));
        EXPECT_EQ(bytes.mid(4, 4), QByteArray("\0\0\0\6", 4)); // header length
        EXPECT_EQ(bytes.mid(14, 4), QByteArray("MTrk"));
        const quint32 trackLength = (quint8(bytes[18]) << 24) | (quint8(bytes[19]) << 16) |
                                    (quint8(bytes[20]) << 8) | quint8(bytes[21]);
        EXPECT_EQ(22 + qsizetype(trackLength), bytes.size());
        EXPECT_TRUE(bytes.endsWith(QByteArray("\xFF\x2F\x00", 3))); // end of track
        EXPECT_TRUE(bytes.contains('\x90')) << "no note is ever struck";
    }
}

TEST(InstalledFolder, UserGuideIsSelfContainedHtml) {
    const QString guide = QString::fromUtf8(test::readBytes(installed(QLatin1String(kUserGuide))));
    EXPECT_TRUE(guide.startsWith(QLatin1String("<!DOCTYPE html>")));
    EXPECT_TRUE(guide.contains(QLatin1String("</html>")));
    EXPECT_FALSE(guide.contains(QLatin1String("http://")));
    EXPECT_FALSE(guide.contains(QLatin1String("https://")));
    EXPECT_FALSE(guide.contains(QLatin1String("<link")));
}

TEST(InstalledFolder, HoldsTheWorkingFolders) {
    for (const QString &folder : folderNames())
        EXPECT_TRUE(QFileInfo(installed(folder)).isDir()) << folder.toStdString();
}

} // namespace
} // namespace quillora::assets
