#pragma once

#include <QList>
#include <QString>

#include <array>

namespace quillora {

class AnnouncementTable;
class ScanSet;
struct TemplatePage;

// The screens that scan. Each has its own buttons and a few rules of its own.
enum class ScanScreen {
    StudentMenu,
    Topic,
    CoverColour,
    WritingPage,
    Collection,
    AuthorPage,
    ReadingPage,
    YesNo,
};

// What the student menu's scan gives back when Escape takes the student to the main menu.
inline constexpr int kScanEscapeChoice = 4;

// The student menu's items.
inline constexpr int kMenuWriteBook = 1;
inline constexpr int kMenuReadBook = 2;
inline constexpr int kMenuDeleteBook = 3;

struct ScanScreenRules {
    // Step scanning begins with a wait for Space; on the student menu Escape ends it too.
    bool preludeTakesEscape = false;
    // Only the student menu can be left with Escape.
    bool escapeLeaves = false;
    // Screens whose first items may be disabled start at the first enabled one.
    bool startsAtFirstEnabled = false;
};
ScanScreenRules scanScreenRules(ScanScreen screen);

struct ScanButton {
    QString picture; // normal picture; its highlighted twin follows the "_active" convention
    QString announcement;
};

// The buttons of a screen, item 1 first. The writing page's first three depend on whether
// the page is a simple page (one picture to write) or a decision page (choices to take).
QList<ScanButton> scanItems(ScanScreen screen, int pageLayout = 1);

// Puts the screen's pictures and announcements into the tables, sets the item count and
// clears every enabled flag; the screen then enables the items it shows.
void fillScanScreen(ScanSet &set, AnnouncementTable &announcements, ScanScreen screen,
                    int pageLayout = 1);

// The sounds of one choice of a template page: its narration, then after a short pause
// its sound effect, if it has one.
struct ChoiceSounds {
    QString recording;
    QString soundEffect;
};

// What the writing page says while it scans: a simple page speaks its picture's sounds
// before the scan starts; a decision page speaks each choice as the highlight reaches it.
struct PageSpeech {
    int layout = 0;
    std::array<ChoiceSounds, 3> choices{};
};
PageSpeech pageSpeech(const TemplatePage &page);

} // namespace quillora
