#include "core/template/StoryMap.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace quillora {

namespace {

// A place still to fill. The stack keeps the walk off the call stack, since a path may be
// 499 pages long, and it hands out fresh lanes only when their turn comes: a later path's
// lane is taken after everything of the earlier paths has been placed.
struct Pending {
    int slot = 0;         // 0: a branch that leads nowhere, only holding its lane
    int parentIndex = -1; // -1 for a first page
    int branch = 0;       // which of the parent's branches leads here
    int depth = 0;
    int lane = -1; // -1: a fresh lane
};

class MapBuilder {
public:
    explicit MapBuilder(const StoryTemplate &story)
        : m_story(story)
        , m_queued(static_cast<std::size_t>(kTemplateSlots) + 1, false)
        , m_decisions(hasDecisionPage(story)) {
        for (int slot = 1; slot <= kTemplateSlots; ++slot) {
            const TemplatePage &page = story.page(slot);
            if (page.inUse && !m_slotOf.contains(page.pageId))
                m_slotOf.insert(page.pageId, slot);
        }
    }

    StoryMap build() {
        // The first page, then whatever it does not reach.
        for (const bool firstPagesOnly : {true, false}) {
            for (int slot = 1; slot <= kTemplateSlots; ++slot) {
                const TemplatePage &page = m_story.page(slot);
                if (page.inUse && !queued(slot) &&
                    (!firstPagesOnly || page.choice(1).prevPageId == 0))
                    placeFrom(slot);
            }
        }
        m_map.lanes = m_lastLane + 1;
        return std::move(m_map);
    }

private:
    bool queued(int slot) const { return m_queued[static_cast<std::size_t>(slot)]; }
    void queue(int slot) { m_queued[static_cast<std::size_t>(slot)] = true; }

    void placeFrom(int slot) {
        queue(slot);
        m_stack.push_back(Pending{slot, -1, 0, 0, -1});
        while (!m_stack.empty()) {
            Pending next = m_stack.back();
            m_stack.pop_back();
            if (next.lane < 0)
                next.lane = ++m_lastLane;
            if (next.slot == 0)
                branchOf(next).lane = next.lane;
            else
                place(next);
        }
    }

    MapBranch &branchOf(const Pending &pending) {
        return m_map.pages[pending.parentIndex].branches[pending.branch];
    }

    void place(const Pending &at) {
        const TemplatePage &page = m_story.page(at.slot);
        MapPage mapped;
        mapped.pageId = page.pageId;
        mapped.slot = at.slot;
        mapped.depth = at.depth;
        mapped.lane = at.lane;
        mapped.layout = page.layout;
        mapped.parentIndex = at.parentIndex;
        mapped.current = page.pageId == m_story.currentPageId;
        mapped.decision = page.layout > kLayoutSimple;
        mapped.end = !mapped.decision && page.choice(1).nextPageId == 0;
        if (mapped.end)
            mapped.subtitle = page.pathSubtitle;
        if (at.parentIndex >= 0) {
            const MapPage &parent = m_map.pages[at.parentIndex];
            mapped.pageNumber = parent.pageNumber + (mapped.decision ? 0 : 1);
        }
        mapped.problems = pageProblems(m_story, at.slot, m_decisions);
        if (!mapped.problems.isEmpty())
            ++m_map.problemPages;
        m_map.depths = std::max(m_map.depths, at.depth + 1);
        const int index = static_cast<int>(m_map.pages.size());
        if (at.parentIndex >= 0) {
            MapBranch &branch = branchOf(at);
            branch.index = index;
            branch.lane = at.lane;
        }
        m_map.pages.append(std::move(mapped));
        queueBranches(index, page);
    }

    // Pushed last branch first, so the first path is placed whole before the second.
    void queueBranches(int index, const TemplatePage &page) {
        MapPage &mapped = m_map.pages[index];
        const int shown = mapped.decision ? page.layout : kLayoutSimple;
        for (int k = 1; k <= shown; ++k) {
            const int next = page.choice(k).nextPageId;
            if (mapped.decision || next != 0)
                mapped.branches.append(MapBranch{k, next, -1, mapped.lane});
        }
        for (int b = static_cast<int>(mapped.branches.size()) - 1; b >= 0; --b) {
            const int next = mapped.branches[b].pageId;
            int slot = next == 0 ? 0 : m_slotOf.value(next, 0);
            if (slot != 0 && queued(slot))
                slot = 0; // a link back into the tree is not followed
            if (slot != 0)
                queue(slot);
            m_stack.push_back(Pending{slot, index, b, mapped.depth + 1, b == 0 ? mapped.lane : -1});
        }
    }

    const StoryTemplate &m_story;
    QHash<int, int> m_slotOf; // page number -> the lowest slot in use holding it
    std::vector<bool> m_queued;
    std::vector<Pending> m_stack;
    StoryMap m_map;
    int m_lastLane = -1;
    bool m_decisions = false;
};

} // namespace

int StoryMap::indexOf(int pageId) const {
    for (int i = 0; i < pages.size(); ++i) {
        if (pages[i].pageId == pageId)
            return i;
    }
    return -1;
}

StoryMap buildStoryMap(const StoryTemplate &story) {
    return MapBuilder(story).build();
}

} // namespace quillora
