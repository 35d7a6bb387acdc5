#pragma once

#include "core/template/TemplateValidation.h"

#include <QList>
#include <QString>

namespace quillora {

// Where a choice of a mapped page leads.
struct MapBranch {
    int choice = 1;
    int pageId = 0; // the page it leads to; 0 when it leads nowhere
    // That page in StoryMap::pages; -1 when the branch is drawn leading nowhere: no page, a
    // page that is not there, or one already on the map (a damaged template's loop).
    int index = -1;
    // The lane the branch runs in, one depth further on: its page's lane, or for a branch
    // that leads nowhere the lane kept free for it, so its stub never crosses a page.
    int lane = 0;
};

// One page in use, placed on the map: depth counts pages from the first page along the
// links, lane counts across branches. Path 1 of a decision page goes on in the page's own
// lane; every further path starts a lane of its own below everything drawn before it, so
// no two pages and no two branches ever share a place.
struct MapPage {
    int pageId = 0;
    int slot = 0;
    // The number the page editor gives the page: 1 for the first page, one more for every
    // simple page after it on the way there (decision pages are not counted).
    int pageNumber = 1;
    int depth = 0;
    int lane = 0;
    int layout = kLayoutSimple;
    int parentIndex = -1; // the page before it in StoryMap::pages; -1 for a first page
    bool current = false;
    bool decision = false;
    bool end = false;            // a simple page with no page after it
    QString subtitle;            // the path's subtitle, on end pages
    QList<MapBranch> branches;   // one per shown choice of a decision page; the follower of a
                                 // simple page, when it has one
    QList<PageProblem> problems; // what Save would refuse on this page
};

// The whole page tree of a template, laid out for a widget to draw.
struct StoryMap {
    // Parents before their pages, each path whole before the next; the first page first.
    QList<MapPage> pages;
    int depths = 0; // one more than the deepest page's depth
    int lanes = 0;  // one more than the highest lane
    int problemPages = 0;

    // The page's place in pages, or -1 when it is not on the map.
    int indexOf(int pageId) const;
};

// Lays out every page in use. Pages the first page does not reach (a template damaged
// elsewhere) still appear, each such branch from depth 0 in lanes of its own, and a link
// back to a page already placed is drawn as leading nowhere rather than followed.
StoryMap buildStoryMap(const StoryTemplate &story);

} // namespace quillora
