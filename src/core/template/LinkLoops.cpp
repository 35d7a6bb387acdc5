#include "core/template/LinkLoops.h"

#include "core/template/StoryTemplate.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace quillora {

namespace {

using SlotOf = QHash<int, int>;

// Links name page numbers; a number held by more than one slot means its lowest slot, as
// everywhere else.
SlotOf slotsByPageId(const StoryTemplate &story) {
    SlotOf slots;
    for (int slot = kTemplateSlots; slot >= 1; --slot) {
        if (story.page(slot).inUse)
            slots.insert(story.page(slot).pageId, slot);
    }
    return slots;
}

int linkedSlot(const SlotOf &slots, int pageId) {
    return pageId == 0 ? 0 : slots.value(pageId, 0);
}

// The choices a child can pick on the page: as many as its layout shows, at least one.
int shownChoices(const TemplatePage &page) {
    return std::clamp(page.layout, 1, kChoicesPerPage);
}

enum class Mark { Unseen, OnPath, Done };

// Depth-first along the next links from one page; true when a page on the current path is
// reached again, leaving that page in loopSlot.
bool nextLinksLoopFrom(const StoryTemplate &story, const SlotOf &slots, int start,
                       std::vector<Mark> &marks, int &loopSlot) {
    struct Step {
        int slot;
        int choice;
    };
    std::vector<Step> path{{start, 0}};
    marks[static_cast<std::size_t>(start)] = Mark::OnPath;
    while (!path.empty()) {
        Step &step = path.back();
        const TemplatePage &page = story.page(step.slot);
        if (step.choice == shownChoices(page)) {
            marks[static_cast<std::size_t>(step.slot)] = Mark::Done;
            path.pop_back();
            continue;
        }
        const int next =
            linkedSlot(slots, page.choices[static_cast<std::size_t>(step.choice++)].nextPageId);
        if (next == 0)
            continue;
        Mark &mark = marks[static_cast<std::size_t>(next)];
        if (mark == Mark::OnPath) {
            loopSlot = next;
            return true;
        }
        if (mark == Mark::Unseen) {
            mark = Mark::OnPath;
            path.push_back({next, 0});
        }
    }
    return false;
}

int nextLinksLoop(const StoryTemplate &story, const SlotOf &slots) {
    std::vector<Mark> marks(kTemplateSlots + 1, Mark::Unseen);
    for (int slot = 1; slot <= kTemplateSlots; ++slot) {
        int loopSlot = 0;
        if (story.page(slot).inUse && marks[static_cast<std::size_t>(slot)] == Mark::Unseen &&
            nextLinksLoopFrom(story, slots, slot, marks, loopSlot))
            return loopSlot;
    }
    return 0;
}

// Every page has one previous page, so each walk back either ends or runs into a circle.
int previousLinksLoop(const StoryTemplate &story, const SlotOf &slots) {
    std::vector<int> walkOf(kTemplateSlots + 1, 0); // which walk first reached the slot
    for (int start = 1; start <= kTemplateSlots; ++start) {
        if (!story.page(start).inUse || walkOf[static_cast<std::size_t>(start)] != 0)
            continue;
        for (int slot = start; slot != 0;
             slot = linkedSlot(slots, story.page(slot).choice(1).prevPageId)) {
            int &walk = walkOf[static_cast<std::size_t>(slot)];
            if (walk == start)
                return slot;
            if (walk != 0)
                break; // an earlier walk went on from here and found no circle
            walk = start;
        }
    }
    return 0;
}

} // namespace

LinkLoop findLinkLoop(const StoryTemplate &story) {
    const SlotOf slots = slotsByPageId(story);
    if (const int slot = nextLinksLoop(story, slots); slot != 0)
        return {slot, QStringLiteral("The pages of this story lead round in a circle: page %1 "
                                     "follows itself through the next pages")
                          .arg(story.page(slot).pageId)};
    if (const int slot = previousLinksLoop(story, slots); slot != 0)
        return {slot, QStringLiteral("The pages of this story lead round in a circle: going "
                                     "back from page %1 never reaches the first page")
                          .arg(story.page(slot).pageId)};
    return {};
}

} // namespace quillora
