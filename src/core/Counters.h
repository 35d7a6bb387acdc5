#pragma once

#include "core/Result.h"

namespace quillora {

class AppFolder;

inline constexpr char kStoryCounterFile[] = "aobj_last_story_id.seq";
inline constexpr char kBookCounterFile[] = "aobj_mystory.seq";
inline constexpr char kPageCounterFile[] = "aobj_last_page_id.seq";

// Hands out the next template number (counting up). The new number is on disk before it is
// returned, so a number is never handed out twice; a counter that cannot be read or written
// hands out nothing and says why.
Result<int> nextStoryId(const AppFolder &folder);

// Hands out the next book number. Book numbers count downwards.
Result<int> nextBookId(const AppFolder &folder);

// Writes 100 to the page counter whenever a new template is started.
Result<void> resetPageIdFile(const AppFolder &folder);

} // namespace quillora
