#include "core/template/TemplateSaving.h"

#include "core/template/TemplateFile.h"

namespace quillora {

SaveResult saveTemplateClicked(StoryTemplate &story, const CoverEntry &shown,
                               const std::function<bool()> &currentPageLacksPicture,
                               const AppFolder &folder, Messages &messages) {
    if (auto refusal = checkCover(shown, story.storyId, folder))
        return {SaveOutcome::Refused, std::move(refusal)};
    if (currentPageLacksPicture && currentPageLacksPicture())
        return {SaveOutcome::Refused, std::nullopt};
    if (auto refusal = checkPaths(story)) {
        story.currentPageId = refusal->pageId;
        story.currentPageIndex = refusal->slot;
        return {SaveOutcome::Refused, std::move(refusal)};
    }
    if (!saveTemplate(story, folder, messages))
        return {SaveOutcome::Failed, std::nullopt};
    return {SaveOutcome::Saved, std::nullopt};
}

} // namespace quillora
