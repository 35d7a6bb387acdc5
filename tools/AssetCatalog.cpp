#include "AssetCatalog.h"

#include "core/TextFile.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

namespace quillora::assets {

namespace {

// Button sizes follow the screens that show them (15 twips to the pixel). Buttons that
// several screens share take the largest place they appear in: the collection column
// (1815 x 1560 twips) and the reading column (1335 x 1170) have nearly the same shape, so
// one picture scales into both.
constexpr int kNavW = 120, kNavH = 104;
// The writing screen's picture buttons. On a simple page the write button and the skip
// button under it (1.5 button heights lower) must end above the page text, 280 px below
// their top; on a card the button stays clear of the read-aloud button in its corner.
constexpr int kWriteW = 140, kWriteH = 104;

constexpr std::uint32_t kGreen = 0x2E9E4A, kBlue = 0x1F6FC4, kRed = 0xC8342E, kOrange = 0xE07A10,
                        kPurple = 0x7B46B8, kTeal = 0x0F8C8C, kSlate = 0x4A5A70, kPink = 0xC8407A,
                        kBrown = 0x8A5A2B;

ButtonArtwork button(const char *name, int w, int h, const char *label, Icon icon,
                     std::uint32_t colour) {
    return ButtonArtwork{QLatin1String(name), w, h, QString::fromUtf8(label), icon, colour};
}

} // namespace

QString activeName(const QString &name) {
    QString result = name;
    const qsizetype dot = result.lastIndexOf(QLatin1Char('.'));
    result.insert(dot < 0 ? result.size() : dot, QLatin1String("_active"));
    return result;
}

QList<ButtonArtwork> buttons() {
    return {
        // Student menu: three big buttons in one row.
        button("aobj_write_book_button.jpg", 260, 260, "Write a Book", Icon::Pencil, kGreen),
        button("aobj_read_book_button.jpg", 260, 260, "Read a Book", Icon::OpenBook, kBlue),
        button("aobj_delete_book_button.jpg", 260, 260, "Delete a Book", Icon::Trash, kRed),
        // Topic screen, book collection, title page and reading page.
        button("aobj_check_button.jpg", kNavW, kNavH, "Choose", Icon::Check, kGreen),
        button("aobj_next_topic_button.jpg", kNavW, kNavH, "Next Topic", Icon::NextTopic, kBlue),
        button("aobj_back_button.jpg", kNavW, kNavH, "Back", Icon::ArrowLeft, kPurple),
        button("aobj_main_menu_button.jpg", kNavW, kNavH, "Menu", Icon::House, kOrange),
        button("aobj_next_book_button.jpg", kNavW, kNavH, "Next Book", Icon::NextBook, kBlue),
        button("aobj_delete_story_button.jpg", kNavW, kNavH, "Delete", Icon::Trash, kRed),
        button("aobj_next_button.jpg", kNavW, kNavH, "First Page", Icon::ArrowRight, kTeal),
        button("aobj_done_button.jpg", kNavW, kNavH, "Done", Icon::Flag, kPink),
        button("aobj_print_button.jpg", kNavW, kNavH, "Print", Icon::Printer, kSlate),
        button("aobj_next_page_button.jpg", kNavW, kNavH, "Next Page", Icon::NextPage, kBlue),
        button("aobj_read_button.jpg", kNavW, kNavH, "Read", Icon::Speaker, kTeal),
        button("aobj_button_read_again.jpg", kNavW, kNavH, "Read Again", Icon::Replay, kGreen),
        button("aobj_button_start_over.jpg", kNavW, kNavH, "Start Over", Icon::Undo, kOrange),
        // Writing screen.
        button("aobj_write_button.jpg", kWriteW, kWriteH, "Write", Icon::Pencil, kGreen),
        button("aobj_check_button_only.jpg", kWriteW, kWriteH, "Choose", Icon::Check, kGreen),
        // Write and save stands between start over and the menu on the end page.
        button("aobj_button_write_save_book.jpg", kNavW, kNavH, "Write & Save", Icon::SaveBook,
               kBlue),
        button("aobj_button_skip_page.jpg", kWriteW, kWriteH, "Skip Page", Icon::SkipPage, kSlate),
        // Yes/no question (3000 x 3000 twips).
        button("aobj_button_yes.jpg", 200, 200, "Yes", Icon::Check, kGreen),
        button("aobj_button_no.jpg", 200, 200, "No", Icon::Cross, kRed),
        // The small read-aloud button on a writing page.
        button("aobj_read_small.jpg", 48, 48, "", Icon::Speaker, kTeal),
        // Main menu.
        button("aobj_main_teacher.jpg", 180, 180, "Teacher Functions", Icon::Teacher, kPurple),
        button("aobj_main_student_data.jpg", 180, 180, "Student Data", Icon::Students, kTeal),
        button("aobj_main_logon.jpg", 180, 180, "Student Logon", Icon::Logon, kGreen),
        button("aobj_main_user_guide.jpg", 180, 180, "User Guide", Icon::Guide, kBlue),
        button("aobj_main_exit.jpg", 180, 180, "Exit", Icon::Exit, kRed),
        // The designer's row of section buttons.
        button("aobj_teacher_button_cover.jpg", 150, 90, "Cover", Icon::Cover, kBlue),
        button("aobj_teacher_button_fonts.jpg", 150, 90, "Colors & Fonts", Icon::Fonts, kPurple),
        button("aobj_teacher_button_music.jpg", 150, 90, "Music", Icon::Music, kTeal),
        button("aobj_teacher_button_pages.jpg", 150, 90, "Pages", Icon::Pages, kGreen),
        button("aobj_teacher_button_save.jpg", 150, 90, "Save", Icon::Save, kOrange),
        button("aobj_teacher_button_menu.jpg", 150, 90, "Main Menu", Icon::House, kSlate),
        // The teacher functions menu (a grid of nine).
        button("aobj_teacher_menu_new.jpg", 180, 150, "New Template", Icon::NewPage, kGreen),
        button("aobj_teacher_menu_modify.jpg", 180, 150, "Modify Template", Icon::Pencil, kBlue),
        button("aobj_teacher_menu_delete.jpg", 180, 150, "Delete", Icon::Trash, kRed),
        button("aobj_teacher_menu_export.jpg", 180, 150, "Export", Icon::Export, kTeal),
        button("aobj_teacher_menu_import.jpg", 180, 150, "Import", Icon::Import, kTeal),
        button("aobj_teacher_menu_upload.jpg", 180, 150, "Upload", Icon::Upload, kPurple),
        button("aobj_teacher_menu_language.jpg", 180, 150, "Language", Icon::Language, kBrown),
        button("aobj_teacher_menu_website.jpg", 180, 150, "Web Site", Icon::Globe, kSlate),
        button("aobj_teacher_menu_main_menu.jpg", 180, 150, "Main Menu", Icon::House, kOrange),
    };
}

QStringList teacherMenuNames() {
    return {QStringLiteral("aobj_teacher_menu_new.jpg"),
            QStringLiteral("aobj_teacher_menu_modify.jpg"),
            QStringLiteral("aobj_teacher_menu_delete.jpg"),
            QStringLiteral("aobj_teacher_menu_export.jpg"),
            QStringLiteral("aobj_teacher_menu_import.jpg"),
            QStringLiteral("aobj_teacher_menu_upload.jpg"),
            QStringLiteral("aobj_teacher_menu_language.jpg"),
            QStringLiteral("aobj_teacher_menu_website.jpg"),
            QStringLiteral("aobj_teacher_menu_main_menu.jpg")};
}

QStringList coverColours() {
    return {QStringLiteral("green"), QStringLiteral("blue"),   QStringLiteral("purple"),
            QStringLiteral("gray"),  QStringLiteral("orange"), QStringLiteral("red")};
}

QList<PictureArtwork> pictures() {
    QList<PictureArtwork> list;
    // The collection cover is 8700 x 8520 twips; the thumbnails are a quarter of it.
    for (const QString &colour : coverColours()) {
        list.append({QStringLiteral("aobj_mybook_%1_cover.jpg").arg(colour), 580, 568});
        list.append({QStringLiteral("aobj_mybook_%1_cover_thumbnail.jpg").arg(colour), 145, 142});
    }
    const auto add = [&list](const char *name, int w, int h) {
        list.append({QLatin1String(name), w, h});
    };
    add("aobj_spiral_blank_page.jpg", 760, 570);
    add("aobj_blank_decision_page_long.jpg", 300, 480);
    add("aobj_the_end.jpg", 640, 480);
    add("aobj_movie.jpg", 320, 240);
    add("aobj_main_logo.jpg", 760, 300);
    add("aobj_main_footer.jpg", 1000, 70);
    add("aobj_teacher_loading.jpg", 180, 180);
    add("aobj_teacher_button_loading.jpg", 180, 150);
    add(kTeacherStartMarker, 128, 96);
    add("aobj_esc_key.jpg", 60, 40);
    add("aobj_logon_background.jpg", 700, 520);
    add("aobj_pencil.jpg", 120, 120);
    add("aobj_eraser.jpg", 120, 120);
    return list;
}

QStringList effectNames() {
    return {QStringLiteral("aobj_bell.wav"),      QStringLiteral("aobj_printer.wav"),
            QStringLiteral("aobj_printing.wav"),  QStringLiteral("aobj_stapling_pages.wav"),
            QStringLiteral("aobj_turn_page.wav"), QStringLiteral("aobj_turn_page_backward.wav"),
            QStringLiteral("aobj_undoing.wav"),   QStringLiteral("com_stop.wav")};
}

QStringList tuneNames() {
    return {QStringLiteral("aobj_logo_midi1.mid"), QStringLiteral("aobj_logo_midi2.mid")};
}

QStringList folderNames() {
    return {QStringLiteral("exports"), QStringLiteral("disk1")};
}

bool isDataFile(const QString &name) {
    static const QRegularExpression pattern(
        QStringLiteral("^(.*\\.seq|student_.*\\.lgn|student_story_assignments_.*\\.asg"
                       "|story_.*\\.sty|mystory_.*\\.msy|stats_.*|literals\\.txt"
                       "|default_characterset\\.txt|aobj_charactersets\\.txt"
                       "|(temp_)?recording_.*\\.wav|page_pic_.*|page_sfx_.*|page_wave_.*"
                       "|cover_pic_.*|background_music_.*)$"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern.match(name).hasMatch();
}

Result<QStringList> readAssetLines(const QString &path) {
    auto lines = readTextLines(path);
    if (!lines)
        return lines.error();
    QStringList kept;
    for (const QString &line : *lines) {
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(QLatin1Char('#')))
            continue;
        kept.append(line);
    }
    return kept;
}

Result<QList<Announcement>> readAnnouncements(const QString &assetsDir) {
    const QString path = QDir(assetsDir).filePath(QStringLiteral("announcements.txt"));
    auto lines = readTextLines(path);
    if (!lines)
        return lines.error();
    static const QRegularExpression validName(QStringLiteral("^announce_[a-z_]+$"));
    QList<Announcement> list;
    QSet<QString> seen;
    for (qsizetype i = 0; i < lines->size(); ++i) {
        const QString line = lines->at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype bar = line.indexOf(QLatin1Char('|'));
        const QString name = line.left(bar).trimmed();
        const QString phrase = bar < 0 ? QString() : line.mid(bar + 1).trimmed();
        const int lineNumber = static_cast<int>(i + 1);
        if (!validName.match(name).hasMatch() || phrase.isEmpty())
            return FileError{QStringLiteral("Expected \"announce_name|phrase\""),
                             QStringLiteral("announcements.txt"), lineNumber};
        if (seen.contains(name))
            return FileError{QStringLiteral("Announcement listed twice: ") + name,
                             QStringLiteral("announcements.txt"), lineNumber};
        seen.insert(name);
        list.append({name, phrase});
    }
    return list;
}

} // namespace quillora::assets
