#pragma once

#include "core/Result.h"

#include <QString>

namespace quillora {

class AppFolder;

inline constexpr char kStoryCounterFile[] = "aobj_last_story_id.seq";
inline constexpr char kBookCounterFile[] = "aobj_mystory.seq";
inline constexpr char kPageCounterFile[] = "aobj_last_page_id.seq";

// The value a new installation's book counter holds; book numbers count down from it.
inline constexpr int kFirstBookCounter = 10000;

// A number handed out by a counter, and what the teacher should hear about the counter file
// on the way (it could not be read and was rebuilt, or it cannot be written and needs
// mending). The notice names the counter file; it is empty when all was well.
struct AllocatedNumber {
    int number = 0;
    QString notice;
};

// Hands out the next template number (counting up). The new number is on disk before it is
// returned. A counter that cannot be read is rebuilt from the templates in the folder (one
// above the highest template number in use); one that cannot be written still hands out a
// number, checked against the templates there, so no number is ever handed out twice. Fails
// only when no safe number exists at all (the folder cannot be listed, or the numbers have
// run out).
Result<AllocatedNumber> nextStoryId(const AppFolder &folder);

// Hands out the next book number. Book numbers count downwards; a counter that cannot be read
// is rebuilt one below the lowest book number in use (from the shipped value when there are
// no books), and the number is never one a book file already has.
Result<AllocatedNumber> nextBookId(const AppFolder &folder);

// Before a student starts writing: mends an unreadable book counter (rebuilt and written back
// when possible), so the book can be numbered when it is done. Returns the notice for the
// teacher, naming the counter file, or the empty text when the counter is fine.
QString prepareBookNumbering(const AppFolder &folder);

// Writes 100 to the page counter whenever a new template is started.
Result<void> resetPageIdFile(const AppFolder &folder);

} // namespace quillora
