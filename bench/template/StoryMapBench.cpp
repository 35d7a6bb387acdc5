// The story map of the largest template the designer allows, rebuilt after each edit as the
// designer rebuilds it. Goal: at most 50 ms per rebuild.
#include "core/template/StoryMap.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quillora;

TemplatePage newPage(int pageId, int prevPageId) {
    TemplatePage page;
    page.inUse = true;
    page.pageId = pageId;
    page.layout = kLayoutSimple;
    for (PageChoice &choice : page.choices) {
        choice.prevPageId = prevPageId;
        choice.picture = QStringLiteral("page_pic_1_%1.jpg").arg(pageId);
    }
    page.pathSubtitle = QStringLiteral("The end");
    return page;
}

// Every page after the first follows the one before it.
StoryTemplate longPath() {
    StoryTemplate story;
    for (int slot = 1; slot <= kDesignerPageLimit; ++slot) {
        story.page(slot) = newPage(101 + slot, slot == 1 ? 0 : 100 + slot);
        if (slot < kDesignerPageLimit)
            story.page(slot).choice(1).nextPageId = 102 + slot;
    }
    return story;
}

// Pages filled breadth first, each a three-choice page until the table runs out; the last
// rows are end pages.
StoryTemplate bushyTree() {
    StoryTemplate story;
    story.page(1) = newPage(102, 0);
    int nextSlot = 2;
    for (int slot = 1; slot <= kDesignerPageLimit && nextSlot <= kDesignerPageLimit; ++slot) {
        TemplatePage &parent = story.page(slot);
        parent.layout = kLayoutThreeChoices;
        for (int k = 1; k <= kLayoutThreeChoices && nextSlot <= kDesignerPageLimit; ++k) {
            story.page(nextSlot) = newPage(101 + nextSlot, parent.pageId);
            parent.choice(k).nextPageId = 101 + nextSlot;
            ++nextSlot;
        }
    }
    return story;
}

void rebuildAfterEdit(benchmark::State &state, StoryTemplate story) {
    int edit = 0;
    for (auto _ : state) {
        // The edit the designer makes most: a subtitle typed on some end page.
        story.page(kDesignerPageLimit).pathSubtitle =
            (++edit % 2) ? QString() : QStringLiteral("x");
        StoryMap map = buildStoryMap(story);
        benchmark::DoNotOptimize(map);
    }
    state.SetLabel("goal: at most 50 ms");
}

void LongPath(benchmark::State &state) {
    rebuildAfterEdit(state, longPath());
}
void BushyTree(benchmark::State &state) {
    rebuildAfterEdit(state, bushyTree());
}

BENCHMARK(LongPath)->Unit(benchmark::kMillisecond);
BENCHMARK(BushyTree)->Unit(benchmark::kMillisecond);

} // namespace
