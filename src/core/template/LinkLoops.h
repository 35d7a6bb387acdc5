#pragma once

#include <QString>

namespace quillora {

struct StoryTemplate;

// Where a template's page links lead round in a circle, if anywhere: slot 0 when they do not.
struct LinkLoop {
    int slot = 0;    // a page on the circle
    QString message; // names the page, for the teacher
};

// Finds a circle among the "next" links (through any choice a page shows, since the child may
// pick any of them) and among the "previous" links (which a finished book is walked back
// along). Links to page numbers the template does not hold end a path here; the screens deal
// with those.
LinkLoop findLinkLoop(const StoryTemplate &story);

} // namespace quillora
