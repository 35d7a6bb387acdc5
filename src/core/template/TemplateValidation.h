#pragma once

#include "core/template/StoryTemplate.h"

#include <QList>
#include <QString>

#include <optional>

namespace quillora {

class AppFolder;

// The designer's sections Save sends the teacher to when it refuses.
inline const QString kCoverSection = QStringLiteral("Cover");
inline const QString kPageDetailsSection = QStringLiteral("Page Details");

// What Save would refuse, in the order the checks run.
enum class SaveCheck {
    TitleMissing,
    CoverPictureMissing,
    TitleInUse,
    PictureMissing,     // a shown choice without a picture
    PathEndsInDecision, // a decision page's choice that leads nowhere
    SubtitleMissing,    // an end page without subtitle, in a template with decisions
};

// Why Save refuses, and where the designer takes the teacher before it says so: first the
// section, then (on Page Details) the page, then the message.
struct SaveRefusal {
    SaveCheck check = SaveCheck::TitleMissing;
    QString message;
    QString section; // kCoverSection or kPageDetailsSection
    int pageId = 0;  // the page to make current; 0 on the Cover
    int slot = 0;
};

// What the Cover section shows, as typed: the checks read the screen, not the template, so
// a title typed but not yet taken into the template is the one checked.
struct CoverEntry {
    QString title;
    QString coverPicture;
};

// The title and cover picture are there and no other template carries the title.
std::optional<SaveRefusal> checkCover(const CoverEntry &shown, int storyId,
                                      const AppFolder &folder);

// Whether another template of the folder carries exactly this title, as stored. Letter case
// and spaces count, and the template's own earlier save (same story number) never does.
// Files that cannot be read are passed over: the student side lists no topic for them.
bool titleInUse(const QString &title, int storyId, const AppFolder &folder);

// Every path leads to an end page, and in a template with decisions every end page has a
// subtitle for the book cover. The first page at fault, in slot order.
std::optional<SaveRefusal> checkPaths(const StoryTemplate &story);

// One thing Save would refuse on a page.
struct PageProblem {
    SaveCheck check = SaveCheck::PictureMissing;
    int choice = 0; // the choice at fault; 0 for the page as a whole
    QString reason;

    friend bool operator==(const PageProblem &, const PageProblem &) = default;
};

bool hasDecisionPage(const StoryTemplate &story);

// Everything Save would refuse on the page in this slot, from its stored picture names and
// links: missing pictures first, then choices leading nowhere, then a missing subtitle.
// hasDecisions is hasDecisionPage(story), passed in so a whole map asks it once.
QList<PageProblem> pageProblems(const StoryTemplate &story, int slot, bool hasDecisions);

} // namespace quillora
