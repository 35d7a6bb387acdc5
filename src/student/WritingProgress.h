#pragma once

#include <QList>
#include <QString>

namespace quillora {

struct StoryTemplate;

// Which way the student last moved through the story; it picks the feedback panel.
enum class PageDirection { Forward = 1, Back = 2 };

// What the writing screens remember while a student walks a story. A fresh one begins each
// time writing starts.
struct WritingProgress {
    bool anyPageWritten = false;
    QList<int> skippedPages;
    PageDirection direction = PageDirection::Forward;
    bool reachedEnd = false;    // the end page has been shown
    int shownLayout = 0;        // layout of the template page on screen
    int lastShownPageIndex = 0; // slot of the last template page shown (never the end page)

    // Start over: the pages written and skipped so far are forgotten.
    void forgetPages() {
        anyPageWritten = false;
        skippedPages.clear();
    }
};

// The slot of the story's first page: the last slot in use whose first choice comes from
// nowhere. 0 when the story has none.
int firstPageSlot(const StoryTemplate &story);

// The title the statistics log: the story's title, with the subtitle of the path's last
// page in parentheses when it has one.
QString titleWithSubtitle(const StoryTemplate &story, int lastShownPageIndex);

} // namespace quillora
