#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <array>

namespace quillora {

// The rules that place a template page on the writing screen, kept apart from the widgets
// so they can be checked without a window. Sizes are pixels; the artwork sizes are those of
// the installed pictures.
inline constexpr QSize kNotebookPageSize{760, 570};
inline constexpr QSize kDecisionCardSize{300, 480};
inline constexpr QSize kEndPageSize{640, 480};
inline constexpr QSize kPagePictureSize{480, 360}; // the picture of a simple page
inline constexpr QSize kWriteButtonSize{140, 104};
inline constexpr QSize kReadSmallSize{48, 48};
inline constexpr int kCaptionHeight = 45;

// How heavy a text reads: its characters, with every line break counting as 30 more.
int textWeight(const QString &text);

// The point size of a page text: long texts get smaller so they still fit the page.
int pageTextPointSize(int layout, const QString &text);

// Title sizes on the topic screen and on the cover thumbnails.
int topicTitlePointSize(const QString &title);
int coverTitlePointSize(const QString &title);

// Where the parts of one picture frame go, relative to the frame.
struct FramePlaces {
    QSize frame;
    QRect picture;
    QRect text;
    QRect readButton;
    QRect selectButton;
};
FramePlaces simplePagePlaces();
FramePlaces decisionCardPlaces();

// The lefts of the shown frames of a page, spread evenly over the width of the screen.
std::array<int, 3> frameLefts(int layout, int formWidth);
int simplePageLeft(int formWidth);

// The top of the page frames. A decision page sits lower, under its caption, so both kinds
// of page end above the buttons with room to spare on the smallest screen.
int simplePageTop(int formHeight);
int decisionPageTop(int formHeight);

// The buttons along the bottom: start over (item 7) and student menu (item 8) side by side
// under the first frame, or the menu button alone in the middle.
struct BottomButtons {
    QPoint startOver;
    QPoint studentMenu;
};
BottomButtons bottomButtonPlaces(int formWidth, int frameBottom, QSize startOver, QSize studentMenu,
                                 bool startOverShown);

// The skip button stands under the write button, one and a half button heights lower.
QPoint skipButtonPlace(const QRect &writeButton);

// On the end page write and save joins the bottom row, in the middle of the gap between
// start over and the menu, so it covers neither the end picture nor its neighbours; left of
// the menu when start over is not shown.
QPoint saveButtonPlace(const BottomButtons &bottom, QSize startOver, QSize save,
                       bool startOverShown);

// Which of the writing screen's seven items a page offers, item 1 first.
struct WritingPageFacts {
    bool endPage = false;
    int layout = 1;
    bool firstPage = true;
    int skipPages = 1;
};
inline constexpr int kWritingItemCount = 7;
using WritingItemFlags = std::array<bool, kWritingItemCount>;
WritingItemFlags writingItemsEnabled(const WritingPageFacts &page);

} // namespace quillora
