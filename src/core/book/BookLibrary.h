#pragma once

#include "core/Result.h"

#include <QList>
#include <QString>

#include <optional>

namespace quillora {

class AppFolder;

// A collection holds at most this many books; further files are not offered.
inline constexpr int kBookListLimit = 1000;

// One book of the collection, as the folder listing found it.
struct BookListEntry {
    QString fileName;
    int storyId = 0;
    int bookVersion = 0;
    std::optional<FileError> error; // why the book cannot be read, naming the file
};

// The student's books, in file-name order. A book whose file cannot be read still has its
// place (with numbers 0 and the reason), so the child can see it and delete it.
QList<BookListEntry> buildBookList(const AppFolder &folder, int studentNumber);

} // namespace quillora
