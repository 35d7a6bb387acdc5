#include "core/book/BookLibrary.h"

#include "core/book/PersonalBook.h"

namespace quillora {

QList<BookListEntry> buildBookList(const AppFolder &folder, int studentNumber) {
    QList<BookListEntry> books;
    for (const QString &name : listStudentBookFiles(folder, studentNumber)) {
        if (books.size() == kBookListLimit)
            break;
        PersonalBook book;
        if (auto loaded = loadBook(book, folder, name); !loaded)
            books.append(BookListEntry{name, 0, 0, loaded.error()});
        else
            books.append(BookListEntry{name, book.storyId, book.bookVersion, std::nullopt});
    }
    return books;
}

} // namespace quillora
