#pragma once

#include "core/Result.h"
#include "core/book/PersonalBook.h"

#include <QList>
#include <QString>

namespace quillora {

class AppFolder;
class Messages;
class ProgramStop;
struct StoryTemplate;
struct StudentProfile;

// The message of the consistency stop, naming the student whose books no longer fit.
QString outOfSynchMessage(const QString &studentName);

// The slot of a page the student side needs. A book or a template link that names a page the
// template no longer has cannot be shown: the program stops with the out-of-synch message,
// and 0 comes back so the caller abandons what it was doing (nothing is deleted or written).
int requirePageIndex(const StoryTemplate &story, int pageId, const QString &studentName,
                     ProgramStop &stop);

// What the writing screens hand over when the student has finished a path.
struct BookDraft {
    int lastShownPageIndex = 0; // slot of the last template page shown
    QList<int> skippedPages;    // page numbers the student chose to leave out
    int coverColor = 1;         // 1..6
};

// Compiles the path just written into a book and writes it. The path is walked back from
// the last page shown; its simple pages (and the last page, whatever its layout) make the
// book, first page first, without the skipped ones. Books of the same student, template and
// path are versions of one another: with versions kept the new book takes the next version
// number; otherwise the older versions are deleted, but only once the new book is safely
// on disk, so a failed save never costs the student a book. The template's current page
// ends on the first page of the path. Telling the student the book was added is the
// screen's part.
//
// A book counter that cannot be read or written never costs the child the book: the number
// is found from the books in the folder, and what the teacher should know about the counter
// file comes back in counterNotice (empty when the counter was fine). Fails without writing
// anything when no book number can be found at all, the path loops, or a page link leads
// nowhere (the consistency stop has then ended the program).
Result<PersonalBook> saveBook(StoryTemplate &story, const BookDraft &draft,
                              const StudentProfile &author, const QString &currentStudentName,
                              const AppFolder &folder, ProgramStop &stop,
                              QString *counterNotice = nullptr);

// Opens a book for reading: its template (for reading), the book itself, and the check that
// the template still holds the book's last page, which stops the program when it does not.
Result<PersonalBook> openBookForReading(StoryTemplate &story, const QString &bookFile,
                                        const QString &currentStudentName, const AppFolder &folder,
                                        Messages &messages, ProgramStop &stop);

} // namespace quillora
