#include "core/template/PageGraph.h"

#include "core/AppFolder.h"
#include "core/FileCopy.h"
#include "core/template/WorkingRecordings.h"

#include <QFileInfo>

namespace quillora {

namespace pageMessages {
QString deleteRefusedSecondPath() {
    return QStringLiteral("Error: There are pages on the second path.\nYou must delete all "
                          "pages in the second path before deleting this page");
}
QString deleteRefusedThirdPath() {
    return QStringLiteral("Error: There are pages on the third path.\nYou must delete all "
                          "pages in the third path before deleting this page");
}
} // namespace pageMessages

namespace {

TemplatePage &currentPage(StoryTemplate &story) {
    return story.page(story.currentPageIndex);
}
const TemplatePage &currentPage(const StoryTemplate &story) {
    return story.page(story.currentPageIndex);
}

void setPrevious(TemplatePage &page, int prevPageId) {
    for (PageChoice &c : page.choices)
        c.prevPageId = prevPageId;
}

// The slot of a page number, or nullptr for 0 and for numbers no slot in use holds.
TemplatePage *pageById(StoryTemplate &story, int pageId) {
    if (pageId == 0)
        return nullptr;
    const int slot = story.findPageIndex(pageId);
    return slot == 0 || !story.page(slot).inUse ? nullptr : &story.page(slot);
}

void emptyMedia(TemplatePage &page) {
    for (PageChoice &c : page.choices) {
        c.picture.clear();
        c.text.clear();
        c.recording.clear();
    }
}

// Takes a free slot and a page number for a new simple page and makes it current. The new
// page's links are left for the caller; nothing changes when either is missing.
std::optional<QString> placeNewPage(StoryTemplate &story, int prevPageId, int nextPageId) {
    const int slot = freeSlot(story);
    if (slot == 0)
        return QString::fromLatin1(pageMessages::kReachedMaxPages);
    const int keepId = story.currentPageId;
    const std::optional<int> id = story.newPageId();
    if (!id) {
        story.currentPageId = keepId;
        return QString::fromLatin1(pageMessages::kNoPageNumber);
    }
    TemplatePage &page = story.page(slot);
    page = TemplatePage{};
    page.pageId = *id;
    page.inUse = true;
    page.layout = kLayoutSimple;
    setPrevious(page, prevPageId);
    page.choice(1).nextPageId = nextPageId;
    story.currentPageIndex = slot;
    story.currentPageId = *id;
    return std::nullopt;
}

} // namespace

void newTemplate(StoryTemplate &story, int storyId) {
    story.storyId = storyId;
    story.clearTemplate();
    const std::optional<int> first = story.newPageId(); // 102 on a cleared table
    TemplatePage &page = story.page(1);
    page.inUse = true;
    page.pageId = first.value_or(0);
    page.layout = kLayoutSimple;
    story.currentPageIndex = 1;
    story.currentPageId = page.pageId;
    story.storyTitle.clear();
    story.coverPicture.clear();
    story.coverRecording.clear();
    story.backgroundMusic.clear();
    story.fontName = QStringLiteral("Arial");
    story.fontBold = 1;
    story.fontItalic = 0;
    story.colorScheme = 1;
    story.editingAllowed = true;
}

int freeSlot(const StoryTemplate &story) {
    for (int slot = 1; slot <= kDesignerPageLimit; ++slot) {
        if (!story.page(slot).inUse)
            return slot;
    }
    return 0;
}

Refusal insertPageAfter(StoryTemplate &story, int choice) {
    const int oldSlot = story.currentPageIndex;
    const int oldId = story.currentPageId;
    const int follower = story.page(oldSlot).choice(choice).nextPageId;
    if (Refusal refused = placeNewPage(story, oldId, follower))
        return refused;
    story.page(oldSlot).choice(choice).nextPageId = story.currentPageId;
    if (TemplatePage *next = pageById(story, follower))
        setPrevious(*next, story.currentPageId);
    return std::nullopt;
}

Refusal insertPageBefore(StoryTemplate &story) {
    const int oldSlot = story.currentPageIndex;
    const int oldId = story.currentPageId;
    if (Refusal refused = placeNewPage(story, 0, oldId))
        return refused;
    setPrevious(story.page(oldSlot), story.currentPageId);
    return std::nullopt;
}

Refusal deletePageRefusal(const StoryTemplate &story) {
    const TemplatePage &page = currentPage(story);
    if (page.layout <= kLayoutSimple)
        return std::nullopt;
    if (page.choice(2).nextPageId != 0)
        return pageMessages::deleteRefusedSecondPath();
    if (page.choice(3).nextPageId != 0)
        return pageMessages::deleteRefusedThirdPath();
    return std::nullopt;
}

DeletedPage deletePage(StoryTemplate &story) {
    TemplatePage &page = currentPage(story);
    page.layout = kLayoutSimple;
    const int deleted = page.pageId;
    const int followerId = page.choice(1).nextPageId;
    const int predecessorId = page.choice(1).prevPageId;
    TemplatePage *follower = pageById(story, followerId);
    TemplatePage *predecessor = pageById(story, predecessorId);
    emptyMedia(page);
    if (!follower && !predecessor)
        return {deleted, false};

    page.inUse = false;
    if (predecessor) {
        for (PageChoice &c : predecessor->choices) {
            if (c.nextPageId == deleted)
                c.nextPageId = follower ? followerId : 0;
        }
    }
    if (follower) {
        for (PageChoice &c : follower->choices) {
            if (c.prevPageId == deleted)
                c.prevPageId = predecessor ? predecessorId : 0;
        }
    }
    showPage(story, predecessor ? predecessorId : followerId);
    return {deleted, true};
}

int nextPageTarget(const StoryTemplate &story, int choice) {
    return currentPage(story).choice(choice).nextPageId;
}

int previousPageTarget(const StoryTemplate &story) {
    return currentPage(story).choice(1).prevPageId;
}

bool showPage(StoryTemplate &story, int pageId) {
    const int slot = pageId == 0 ? 0 : story.findPageIndex(pageId);
    if (slot == 0)
        return false;
    story.currentPageIndex = slot;
    story.currentPageId = pageId;
    return true;
}

ChoiceClipboard copyChoice(const StoryTemplate &story, int choice) {
    const PageChoice &c = currentPage(story).choice(choice);
    return {c.picture, c.text, c.recording, c.soundEffect};
}

bool pasteNeedsConsent(const StoryTemplate &story, int choice) {
    return !currentPage(story).choice(choice).picture.isEmpty();
}

bool pasteChoice(StoryTemplate &story, int choice, const ChoiceClipboard &clipboard,
                 const AppFolder &folder, Messages &messages) {
    PageChoice &target = currentPage(story).choice(choice);
    target.picture = clipboard.picture;
    target.text = clipboard.text;
    target.soundEffect = clipboard.soundEffect;
    if (clipboard.recording.isEmpty()) {
        target.recording.clear();
        return true;
    }
    const QString source = folder.resolve(clipboard.recording);
    if (!QFileInfo::exists(source))
        return true;
    const QString permanent = choiceRecordingName(story.storyId, story.currentPageId, choice);
    for (const QString &name : {workingCopyName(permanent), permanent}) {
        const QString destination = folder.filePath(name);
        // Pasting a choice onto itself finds its own file already in place.
        if (QFileInfo(destination) == QFileInfo(source))
            continue;
        if (!copyDataFile(folder, messages, source, destination))
            return false;
    }
    target.recording = permanent;
    return true;
}

Refusal layoutChangeRefusal(const StoryTemplate &story, int newLayout) {
    const TemplatePage &page = currentPage(story);
    const bool third = page.choice(3).nextPageId != 0;
    const bool second = page.choice(2).nextPageId != 0;
    const auto refuse = [](const char *path, const char *which, const char *selecting) {
        return QStringLiteral("Error: There are pages on the %1 path.\nYou must delete all pages "
                              "in the %2 path before selecting %3")
            .arg(QLatin1String(path), QLatin1String(which), QLatin1String(selecting));
    };
    if (page.layout == kLayoutThreeChoices && third) {
        if (newLayout == kLayoutSimple)
            return refuse("3rd", "third", "no choices");
        if (newLayout == kLayoutTwoChoices)
            return refuse("3rd", "third", "2 choices");
    }
    if (page.layout >= kLayoutTwoChoices && newLayout == kLayoutSimple && second)
        return refuse("second", "second", "no choices");
    return std::nullopt;
}

int pageNumber(const StoryTemplate &story) {
    int number = 1;
    const TemplatePage *page = &currentPage(story);
    // A damaged file could link pages in a ring; no walk is longer than the table.
    for (int steps = 0; steps < kTemplateSlots; ++steps) {
        const int previous = page->choice(1).prevPageId;
        const int slot = previous == 0 ? 0 : story.findPageIndex(previous);
        if (slot == 0)
            break;
        if (page->layout == kLayoutSimple)
            ++number;
        page = &story.page(slot);
    }
    return number;
}

} // namespace quillora
