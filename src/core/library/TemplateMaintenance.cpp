#include "core/library/TemplateMaintenance.h"

#include "core/AppFolder.h"
#include "core/TextFile.h"
#include "core/template/FolderListing.h"
#include "core/template/TemplateFile.h"

#include <QFile>

namespace quillora {

namespace {

// The template number of a book is its second line; a book that cannot be read belongs to
// no template.
int bookStoryId(const AppFolder &folder, const QString &fileName) {
    auto lines = readTextLines(folder.filePath(fileName));
    if (!lines)
        return 0;
    LineReader reader(folder.filePath(fileName), lines.value());
    if (!reader.text())
        return 0;
    auto storyId = reader.number();
    return storyId ? static_cast<int>(storyId.value()) : 0;
}

QStringList removeFiles(const AppFolder &folder, const QStringList &names) {
    QStringList kept;
    for (const QString &name : names) {
        if (!QFile::remove(folder.filePath(name)))
            kept.append(name);
    }
    return kept;
}

} // namespace

QList<LibraryEntry> libraryEntries(const AppFolder &folder) {
    QList<LibraryEntry> entries;
    for (const TemplateSummary &summary : listTemplates(folder))
        entries.append(LibraryEntry{summary.storyId, summary.storedTitle, summary.fileName});
    return entries;
}

int findTemplateByTitle(const AppFolder &folder, const QString &title) {
    for (const LibraryEntry &entry : libraryEntries(folder)) {
        if (entry.title == title)
            return entry.storyId;
    }
    return 0;
}

QStringList templateBookFiles(const AppFolder &folder, int storyId) {
    QStringList books;
    if (storyId == 0)
        return books;
    for (const QString &name : listFolder(folder, QStringLiteral("mystory_*.msy"))) {
        if (bookStoryId(folder, name) == storyId)
            books.append(name);
    }
    return books;
}

bool templateHasBooks(const AppFolder &folder, int storyId) {
    return !templateBookFiles(folder, storyId).isEmpty();
}

QStringList deleteTemplateBooks(const AppFolder &folder, int storyId) {
    return removeFiles(folder, templateBookFiles(folder, storyId));
}

QStringList templateMediaPatterns(int storyId) {
    const QString n = QString::number(storyId);
    return {QStringLiteral("recording_%1_*.wav").arg(n),
            QStringLiteral("page_wave_%1_*.wav").arg(n),
            QStringLiteral("page_sfx_%1_*.wav").arg(n),
            QStringLiteral("cover_pic_%1.jpg").arg(n),
            QStringLiteral("page_pic_%1_*.jpg").arg(n),
            QStringLiteral("background_music_%1.mid").arg(n)};
}

QStringList deleteTemplateFiles(const AppFolder &folder, int storyId) {
    if (storyId == 0)
        return {};
    QStringList kept = deleteTemplateBooks(folder, storyId);
    for (const QString &pattern : templateMediaPatterns(storyId))
        kept += removeFiles(folder, listFolder(folder, pattern));
    const QString templateFile = templateFileName(storyId);
    if (QFile::exists(folder.filePath(templateFile)))
        kept += removeFiles(folder, {templateFile});
    return kept;
}

} // namespace quillora
