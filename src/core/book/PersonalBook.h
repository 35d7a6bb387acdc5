#pragma once

#include "core/Result.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace quillora {

class AppFolder;

// A book holds at most 500 pages, as many as a template has slots.
inline constexpr int kBookPageLimit = 500;
inline constexpr int kCoverColorCount = 6; // green, blue, purple, gray, orange, red

// A student's book: the pages of one path through a template, in reading order. It copies no
// picture or text; every page is shown from the template it was written from.
struct PersonalBook {
    int studentNumber = 0;
    int storyId = 0;
    int coverColor = 1;
    int bookVersion = 1;
    int lastPageId = 0; // where the writing ended; names the path
    QList<int> bookPageIds;
    int bookId = 0; // kept in the file name only

    // The last page the book lists, or 0 for a book without pages.
    int lastListedPageId() const { return bookPageIds.isEmpty() ? 0 : bookPageIds.last(); }

    friend bool operator==(const PersonalBook &, const PersonalBook &) = default;
};

// "mystory_" StudentNumber "_" BookId "_" BookVersion "_" StoryId "_" LastPageId ".msy"
QString bookFileName(const PersonalBook &book);

// The five numbers of a book file name; nothing for a name of another form.
struct BookFileNameParts {
    int studentNumber = 0;
    int bookId = 0;
    int bookVersion = 0;
    int storyId = 0;
    int lastPageId = 0;
};
std::optional<BookFileNameParts> parseBookFileName(const QString &fileName);

// Every book of a student ("mystory_" StudentNumber "_*.msy"), sorted by file name.
QStringList listStudentBookFiles(const AppFolder &folder, int studentNumber);

// The lines of a book file: five header lines of bare digits, then one page number per line
// in the line-printer form.
QStringList bookLines(const PersonalBook &book);

// Reads the lines of a book file. The version and last-page lines are taken when they hold
// numbers (the collection shows the version) and otherwise passed over; the book number
// comes from the file name when it has the usual form. Fails, naming the file and line, for
// a header that ends early, a cover colour outside 1..6, a page line that is not a page
// number, or more than 500 pages.
Result<PersonalBook> parseBook(const QString &path, const QStringList &lines);

// Reads a book of the application folder into book, replacing what it held. When the file
// cannot be read the book is left empty, never half read.
Result<void> loadBook(PersonalBook &book, const AppFolder &folder, const QString &fileName);

} // namespace quillora
