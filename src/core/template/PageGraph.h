#pragma once

#include "core/template/StoryTemplate.h"

#include <QString>

#include <optional>

namespace quillora {

class AppFolder;
class Messages;

// What the designer's copy button keeps: everything of a choice but its links, so a picture
// with its words and sounds can be carried to another choice, page or template.
struct ChoiceClipboard {
    QString picture;
    QString text;
    QString recording;
    QString soundEffect;

    friend bool operator==(const ChoiceClipboard &, const ChoiceClipboard &) = default;
};

// The teacher-facing texts of the page operations.
namespace pageMessages {
inline constexpr char kReachedMaxPages[] = "Reached 500 Max pages";
inline constexpr char kNoPageNumber[] =
    "No page number is left for a new page in this template. Please delete some pages or "
    "start a new template.";
QString deleteRefusedSecondPath();
QString deleteRefusedThirdPath();
inline constexpr char kConfirmDelete[] = "Are you sure you want to delete this page";
inline constexpr char kConfirmOverlay[] = "Are you sure you want to overlay the existing page";
} // namespace pageMessages

// The operations that shape the page tree of the one template. Each works on the current page
// (CurrentPageId/CurrentPageIndex) and keeps the links a tree: every page names its previous
// page in all three choices, and insertion and deletion never let two paths rejoin.

// The model part of starting a new template: a cleared table holding one simple page (102 in
// slot 1), an empty cover, the default look, and editing allowed.
void newTemplate(StoryTemplate &story, int storyId);

// The lowest slot 1..499 not in use, or 0 when the designer's limit is reached.
int freeSlot(const StoryTemplate &story);

// Why an insertion did not happen: the message for the teacher. Empty when it did.
using Refusal = std::optional<QString>;

// A new simple page after the current page on choice k (1..3): it takes choice k's follower
// as its own, and becomes the current page.
Refusal insertPageAfter(StoryTemplate &story, int choice);

// A new simple page ahead of the current page, which must be the first page; the new page
// becomes the first page and the current one.
Refusal insertPageBefore(StoryTemplate &story);

// The refusal DeletePage gives before asking anything: a decision page with pages on its
// second or third path.
Refusal deletePageRefusal(const StoryTemplate &story);

// What deleting the current page did.
struct DeletedPage {
    int pageId = 0;         // the page that went (or was emptied, when it was the only one)
    bool slotFreed = false; // false: it was the only page and stays, emptied
};

// Deletes the current page once the teacher has confirmed (deletePageRefusal must be clear).
// Its previous page and its follower are joined; the page that takes its place (previous page,
// else follower) becomes current. The freed slot keeps its page number, so numbers are never
// handed out twice while a template is edited.
DeletedPage deletePage(StoryTemplate &story);

// The page choice k leads to (0: none) and the previous page (0 on the first page).
int nextPageTarget(const StoryTemplate &story, int choice);
int previousPageTarget(const StoryTemplate &story);

// Makes the page current; false (and nothing changed) when no slot holds it.
bool showPage(StoryTemplate &story, int pageId);

ChoiceClipboard copyChoice(const StoryTemplate &story, int choice);

// Whether pasting into choice k would cover a picture and so needs the teacher's consent.
bool pasteNeedsConsent(const StoryTemplate &story, int choice);

// Overwrites choice k of the current page with the clipboard. A clipboard recording that
// exists is copied to this choice's own working copy and permanent name (so each choice owns
// its narration); one that does not exist leaves the choice's recording as it was. Returns
// false when a copy failed (reported through messages); the choice keeps its recording then.
bool pasteChoice(StoryTemplate &story, int choice, const ChoiceClipboard &clipboard,
                 const AppFolder &folder, Messages &messages);

// The refusal of a layout change on the current page, tested in the order a teacher expects:
// pages on the third path first, then on the second. Empty when the change is allowed.
Refusal layoutChangeRefusal(const StoryTemplate &story, int newLayout);

// The number a simple page is titled with: the first page is page 1, and every simple page
// between it and the current page (the current one included) adds one.
int pageNumber(const StoryTemplate &story);

} // namespace quillora
