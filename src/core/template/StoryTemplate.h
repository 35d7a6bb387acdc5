#pragma once

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace quillora {

// The page table has 500 slots; the designer fills at most 499 of them, so a template as
// loaded always keeps a free slot (page number 0) that marks the end of a path.
inline constexpr int kTemplateSlots = 500;
inline constexpr int kDesignerPageLimit = 499;
inline constexpr int kChoicesPerPage = 3;

// Page layouts: a simple page shows one picture, a decision page two or three.
inline constexpr int kLayoutFree = 0;
inline constexpr int kLayoutSimple = 1;
inline constexpr int kLayoutTwoChoices = 2;
inline constexpr int kLayoutThreeChoices = 3;

struct PageChoice {
    int nextPageId = 0; // 0: no page follows
    int prevPageId = 0; // 0 on the first page; the same in all three choices of a page
    QString text;       // may hold line breaks
    QString recording;
    QString picture;
    QString soundEffect;

    friend bool operator==(const PageChoice &, const PageChoice &) = default;
};

struct TemplatePage {
    int pageId = 0;
    bool inUse = false;
    int layout = kLayoutFree;
    std::array<PageChoice, kChoicesPerPage> choices;
    QString pathSubtitle; // set on the last page of a path only
    QString pathRecording;

    // Choices are numbered 1..3, as on the screens.
    PageChoice &choice(int number) { return choices[static_cast<std::size_t>(number - 1)]; }
    const PageChoice &choice(int number) const {
        return choices[static_cast<std::size_t>(number - 1)];
    }

    friend bool operator==(const TemplatePage &, const TemplatePage &) = default;
};

// The story template a teacher designs and a student writes from: a cover, a look, and a
// tree of pages linked by page number rather than by position. The program keeps one
// instance for the whole run (the composition root owns it and hands it to the forms); it is
// a plain value, so a copy is a full, independent template.
struct StoryTemplate {
    StoryTemplate();

    // The cover and the look.
    int storyId = 0;
    QString storyTitle;
    QString coverRecording;
    QString backgroundMusic;
    int colorScheme = 0; // 1..12 once saved; 0 means "not chosen yet"
    QString coverPicture;
    QString fontName = QStringLiteral("Arial");
    int fontBold = 1;
    int fontItalic = 0;

    // The page being shown or edited, and its slot.
    int currentPageId = 0;
    int currentPageIndex = 0;
    // The designer may add and delete pages; true after every clear.
    bool editingAllowed = true;
    // Subtitle of the book being shown; emptied by every load.
    QString bookSubtitle;

    // Slots are numbered 1..500.
    TemplatePage &page(int slot) { return m_pages[static_cast<std::size_t>(slot - 1)]; }
    const TemplatePage &page(int slot) const { return m_pages[static_cast<std::size_t>(slot - 1)]; }
    static bool isSlot(int slot) { return slot >= 1 && slot <= kTemplateSlots; }

    // Empties every slot and allows editing again. The cover and look stay as they are.
    void clearTemplate();

    // The lowest slot holding the page number, or 0 when no slot holds it. Free slots hold
    // page number 0, so asking for 0 finds the first free slot.
    int findPageIndex(int pageId) const;

    // A page number no slot uses yet: one above the highest in the table, at least 102, and
    // made the current page. Page numbers are 16-bit, so there is none once 32767 is used.
    std::optional<int> newPageId();

    int pagesInUse() const;

    friend bool operator==(const StoryTemplate &, const StoryTemplate &) = default;

private:
    std::vector<TemplatePage> m_pages;
};

// Page texts may hold line breaks but the file holds one line per field, so LF is kept as
// "{" and CR as "}".
QString encodeLineBreaks(const QString &text);
QString decodeLineBreaks(const QString &text);

} // namespace quillora
