#pragma once

#include "core/Result.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace quillora::assets {

// The one place that knows what the installed application folder holds. The generator
// draws, synthesises and writes from these lists; the tests check the folder against them.

// What a button shows besides its label.
enum class Icon {
    Pencil,
    OpenBook,
    Trash,
    ArrowRight,
    ArrowLeft,
    Check,
    House,
    Printer,
    Speaker,
    Replay,
    Undo,
    Flag,
    NextPage,
    NextBook,
    NextTopic,
    SaveBook,
    SkipPage,
    Cross,
    Teacher,
    Students,
    Logon,
    Guide,
    Exit,
    Cover,
    Fonts,
    Music,
    Pages,
    Save,
    NewPage,
    Export,
    Import,
    Upload,
    Globe,
    Language,
};

// A button picture; every button also gets its highlighted twin (see activeName).
struct ButtonArtwork {
    QString name;
    int width = 0;
    int height = 0;
    QString label; // empty: the icon alone
    Icon icon = Icon::Check;
    std::uint32_t colour = 0; // 0xRRGGBB, the face of the button
};

// A picture without a highlighted twin.
struct PictureArtwork {
    QString name;
    int width = 0;
    int height = 0;
};

// A spoken announcement and the phrase it says.
struct Announcement {
    QString name; // without ".wav"
    QString phrase;
};

// The highlighted twin of a button picture: "_active" before ".jpg".
QString activeName(const QString &name);

QList<ButtonArtwork> buttons();
QList<PictureArtwork> pictures();

// Book cover colours in the order of the cover-colour screen (colour 1 to 6).
QStringList coverColours();

// Synthesised sound effects ("aobj_bell.wav", ..., "com_stop.wav").
QStringList effectNames();

// The two main-menu tunes.
QStringList tuneNames();

inline constexpr char kUserGuide[] = "aobj_user_guide.htm";

// The designer's marker of a story's first page.
inline constexpr char kTeacherStartMarker[] = "aobj_teacher_start.jpg";

// The teacher menu, in the order of its nine buttons: new template, modify, delete, export,
// import, upload, language, web site, main menu.
QStringList teacherMenuNames();

// Files whose contents belong to the teachers and students once installed: counters,
// profiles, assignments, templates, books, statistics, interface texts, language files,
// recordings and a template's own media. The generator writes them only when missing.
bool isDataFile(const QString &name);

// Folders the program expects beside its files.
QStringList folderNames();

// The announcements read from assets/announcements.txt ("name|phrase" per line, "#"
// starts a comment). Fails for a malformed line or a name used twice.
Result<QList<Announcement>> readAnnouncements(const QString &assetsDir);

// Lines of an asset text file without comments ("#") and blank lines.
Result<QStringList> readAssetLines(const QString &path);

} // namespace quillora::assets
