#pragma once

#include "StoryFilesTestSupport.h"

namespace quillora::test {

// Page 102, then the decision page 103 whose two choices lead to the end pages 104 (slot 3,
// "Home") and 105 (slot 4, "Park"); every shown choice has a picture. Saving accepts it.
inline StoryTemplate twoPathStory(int storyId) {
    StoryTemplate story = linearStory(storyId, 4);
    TemplatePage &decision = story.page(2);
    decision.layout = kLayoutTwoChoices;
    decision.choice(2).nextPageId = 105;
    TemplatePage &park = story.page(4);
    for (PageChoice &choice : park.choices)
        choice.prevPageId = 103;
    story.page(3).choice(1).nextPageId = 0;
    story.page(3).pathSubtitle = QStringLiteral("Home");
    park.pathSubtitle = QStringLiteral("Park");
    for (int slot = 1; slot <= 4; ++slot) {
        TemplatePage &page = story.page(slot);
        for (int k = 1; k <= page.layout; ++k)
            page.choice(k).picture = QStringLiteral("pic_%1_%2.jpg").arg(page.pageId).arg(k);
    }
    story.currentPageId = 102;
    story.currentPageIndex = 1;
    return story;
}

} // namespace quillora::test
