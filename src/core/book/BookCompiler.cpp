#include "core/book/BookCompiler.h"

#include "core/AppFolder.h"
#include "core/Counters.h"
#include "core/TextFile.h"
#include "core/profiles/StudentProfile.h"
#include "core/services/ProgramStop.h"
#include "core/template/FieldReader.h"
#include "core/template/StoryTemplate.h"
#include "core/template/TemplateFile.h"

#include <QFile>

#include <algorithm>

namespace quillora {

namespace {

constexpr int kKeepVersions = 2;
const QChar LF = QLatin1Char('\n');

FileError stoppedError(const QString &studentName) {
    return FileError{outOfSynchMessage(studentName), {}};
}

// The path from the last page shown back to the first page: that page first, then every
// simple page on the way back. The template's current page follows the walk.
Result<QList<int>> walkBack(StoryTemplate &story, int lastSlot, const QString &studentName,
                            ProgramStop &stop) {
    int slot = lastSlot;
    story.currentPageIndex = slot;
    story.currentPageId = story.page(slot).pageId;
    QList<int> pages{story.currentPageId};
    // A path visits each slot once at most; more steps than slots means the links loop.
    for (int steps = 0; story.page(slot).choice(1).prevPageId != 0; ++steps) {
        if (steps == kTemplateSlots)
            return FileError{QStringLiteral("The pages of this story lead round in a circle"),
                             templateFileName(story.storyId)};
        slot = requirePageIndex(story, story.page(slot).choice(1).prevPageId, studentName, stop);
        if (slot == 0)
            return stoppedError(studentName);
        story.currentPageIndex = slot;
        story.currentPageId = story.page(slot).pageId;
        if (story.page(slot).layout == kLayoutSimple)
            pages.append(story.currentPageId);
    }
    return pages;
}

// Books of the same student, template and path. The names are matched field by field, so
// template 7 never picks up the books of template 17.
QStringList versionsOfPath(const AppFolder &folder, const PersonalBook &book) {
    QStringList names;
    for (const QString &name : listStudentBookFiles(folder, book.studentNumber)) {
        const auto parts = parseBookFileName(name);
        if (parts && parts->studentNumber == book.studentNumber && parts->storyId == book.storyId &&
            parts->lastPageId == book.lastPageId)
            names.append(name);
    }
    return names;
}

// The version a book states on its fourth line; the one in its name when that line is
// unreadable, so one damaged book cannot make a new version reuse an old number.
int statedVersion(const AppFolder &folder, const QString &name) {
    const QString path = folder.filePath(name);
    if (auto lines = readTextLines(path)) {
        LineReader in(path, *lines);
        FieldReader field(in);
        for (int i = 0; i < 3; ++i)
            field.skip();
        const int version = field.number();
        if (field.ok())
            return version;
    }
    return parseBookFileName(name)->bookVersion;
}

int nextVersion(const AppFolder &folder, const QStringList &versions) {
    int highest = 0;
    for (const QString &name : versions)
        highest = std::max(highest, statedVersion(folder, name));
    return highest + 1;
}

} // namespace

QString outOfSynchMessage(const QString &studentName) {
    return QStringLiteral("Critical Error: The student ") + studentName +
           QStringLiteral(" has stories which are out of synch with their corresponding story "
                          "templates.") +
           LF + LF + QStringLiteral("Solution:  Delete all the stories that ") + studentName +
           QStringLiteral(" created by doing the following: ") + LF + LF +
           QStringLiteral("1)  Restart Quillora") + LF +
           QStringLiteral("2)  Click on the Student Options button.") + LF +
           QStringLiteral("3)  Highlight the student ") + studentName +
           QStringLiteral(" and click on the Delete Student's Books button") + LF + LF + LF +
           QStringLiteral("The program will now terminate");
}

int requirePageIndex(const StoryTemplate &story, int pageId, const QString &studentName,
                     ProgramStop &stop) {
    const int slot = story.findPageIndex(pageId);
    if (slot == 0)
        stop.stop(outOfSynchMessage(studentName));
    return slot;
}

Result<PersonalBook> saveBook(StoryTemplate &story, const BookDraft &draft,
                              const StudentProfile &author, const QString &currentStudentName,
                              const AppFolder &folder, ProgramStop &stop, QString *counterNotice) {
    if (counterNotice)
        counterNotice->clear();
    if (!StoryTemplate::isSlot(draft.lastShownPageIndex) ||
        !story.page(draft.lastShownPageIndex).inUse)
        return FileError{QStringLiteral("The last page shown is not a page of this story"),
                         templateFileName(story.storyId)};
    if (draft.coverColor < 1 || draft.coverColor > kCoverColorCount)
        return FileError{QStringLiteral("There is no cover colour %1").arg(draft.coverColor), {}};
    auto path = walkBack(story, draft.lastShownPageIndex, currentStudentName, stop);
    if (!path)
        return path.error();

    PersonalBook book;
    book.studentNumber = author.studentNumber;
    book.storyId = story.storyId;
    book.coverColor = draft.coverColor;
    book.lastPageId = path->first();
    // Versions count per student, template and path, so two paths through one story never
    // replace each other.
    const QStringList olderVersions = versionsOfPath(folder, book);
    const bool keepVersions = author.versionsOption == kKeepVersions;
    book.bookVersion = keepVersions ? nextVersion(folder, olderVersions) : 1;
    auto bookId = nextBookId(folder);
    if (!bookId)
        return bookId.error();
    book.bookId = bookId->number;
    if (counterNotice)
        *counterNotice = bookId->notice;
    for (auto page = path->crbegin(); page != path->crend(); ++page) {
        if (!draft.skippedPages.contains(*page))
            book.bookPageIds.append(*page);
    }

    const QString fileName = bookFileName(book);
    if (auto written = writeTextLines(folder.filePath(fileName), bookLines(book)); !written)
        return written.error();
    if (!keepVersions) {
        // Only now that the new book is on disk do the older versions go. One that cannot be
        // deleted stays as an extra version; nothing is lost.
        for (const QString &older : olderVersions) {
            if (older != fileName)
                QFile::remove(folder.filePath(older));
        }
    }
    return book;
}

Result<PersonalBook> openBookForReading(StoryTemplate &story, const QString &bookFile,
                                        const QString &currentStudentName, const AppFolder &folder,
                                        Messages &messages, ProgramStop &stop) {
    PersonalBook book;
    if (auto loaded = loadBook(book, folder, bookFile); !loaded)
        return loaded.error();
    if (auto loaded =
            loadTemplate(story, book.storyId, TemplateLoadMode::Reading, folder, messages);
        !loaded)
        return loaded.error();
    if (requirePageIndex(story, book.lastListedPageId(), currentStudentName, stop) == 0)
        return stoppedError(currentStudentName);
    return book;
}

} // namespace quillora
