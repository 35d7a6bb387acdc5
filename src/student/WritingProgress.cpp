#include "student/WritingProgress.h"

#include "core/template/StoryTemplate.h"

namespace quillora {

int firstPageSlot(const StoryTemplate &story) {
    int first = 0;
    for (int slot = 1; slot <= kTemplateSlots; ++slot) {
        const TemplatePage &page = story.page(slot);
        if (page.inUse && page.pageId != 0 && page.choice(1).prevPageId == 0)
            first = slot;
    }
    return first;
}

QString titleWithSubtitle(const StoryTemplate &story, int lastShownPageIndex) {
    if (!StoryTemplate::isSlot(lastShownPageIndex))
        return story.storyTitle;
    const QString subtitle = story.page(lastShownPageIndex).pathSubtitle.trimmed();
    if (subtitle.isEmpty())
        return story.storyTitle;
    return story.storyTitle + QStringLiteral(" (") + subtitle + QLatin1Char(')');
}

} // namespace quillora
