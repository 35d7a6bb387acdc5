#include "core/StrayFiles.h"

#include "core/AppFolder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace quillora {

namespace {

// The kinds of file the program writes whole: templates, books, profiles, assignments,
// counters, statistics and their scratch copies, recordings and the pictures and sounds a
// template brings along.
const QRegularExpression &strayPattern() {
    static const QRegularExpression pattern(
        QStringLiteral("^(?:story_-?\\d+\\.sty"
                       "|mystory_-?\\d+_-?\\d+_-?\\d+_-?\\d+_-?\\d+\\.msy"
                       "|student_\\d+\\.lgn"
                       "|student_story_assignments_\\d+\\.asg"
                       "|aobj_[a-z_]+\\.seq"
                       "|stats_-?\\d+\\.(?:sta|csv|tmp|tcv)"
                       "|(?:temp_)?recording_[^/\\\\]+\\.wav"
                       "|(?:page_pic|page_sfx|page_wave|cover_pic|background_music)_[^/"
                       "\\\\]+\\.[A-Za-z0-9]{2,4}"
                       ")\\.[A-Za-z0-9]{6}$"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

} // namespace

bool isStrayTemporaryName(const QString &fileName) {
    return strayPattern().match(fileName).hasMatch();
}

QStringList removeStrayTemporaryFiles(const AppFolder &folder) {
    QStringList removed;
    const QDir dir(folder.root());
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (isStrayTemporaryName(name) && QFile::remove(dir.filePath(name)))
            removed.append(name);
    }
    return removed;
}

} // namespace quillora
