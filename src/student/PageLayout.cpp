#include "student/PageLayout.h"

#include "student/WritingItems.h"

#include "core/template/StoryTemplate.h"
#include "ui/Twips.h"

#include <algorithm>

namespace quillora {

namespace {

constexpr int kLineBreakWeight = 30;

struct SizeStep {
    int above;
    int simple;
    int decision;
};
// Every threshold a text's weight exceeds lowers its size; the last one exceeded wins.
constexpr SizeStep kTextSizes[] = {
    {30, 26, 16}, {50, 20, 14}, {100, 18, 12}, {150, 14, 11}, {200, 12, 10}};

// The whole writing screen - caption, page, gap, bottom buttons - must fit the smallest
// screen the program accepts.
constexpr int kBottomButtonsGap = twips(300);
constexpr int kBottomButtonHeight = 104;

} // namespace

int textWeight(const QString &text) {
    return static_cast<int>(text.size() + kLineBreakWeight * text.count(QLatin1Char('\n')));
}

int pageTextPointSize(int layout, const QString &text) {
    const bool simple = layout == kLayoutSimple;
    const int weight = textWeight(text);
    int size = simple ? 32 : 18;
    for (const SizeStep &step : kTextSizes) {
        if (weight > step.above)
            size = simple ? step.simple : step.decision;
    }
    return size;
}

int topicTitlePointSize(const QString &title) {
    return title.size() < 21 ? 22 : 18;
}

int coverTitlePointSize(const QString &title) {
    return title.size() < 21 ? 11 : 10;
}

FramePlaces simplePagePlaces() {
    FramePlaces places;
    places.frame = kNotebookPageSize;
    // Centred on the notebook page, then moved left to leave room for the write button.
    const int pictureLeft = (kNotebookPageSize.width() - kPagePictureSize.width()) / 2 - 100;
    places.picture = QRect(QPoint(pictureLeft, 50), kPagePictureSize);
    places.text = QRect(pictureLeft, places.picture.bottom() + 1 + 20,
                        kNotebookPageSize.width() - 2 * pictureLeft, twips(2000));
    places.readButton =
        QRect(QPoint(kNotebookPageSize.width() - twips(800) - kReadSmallSize.width(), twips(250)),
              kReadSmallSize);
    places.selectButton = QRect(QPoint(places.picture.right() + 1 + 30, places.picture.top() + 100),
                                kWriteButtonSize);
    return places;
}

FramePlaces decisionCardPlaces() {
    FramePlaces places;
    places.frame = kDecisionCardSize;
    places.picture = QRect(30, 40, 240, 180);
    // The card's border runs 10 to 14 px inside its edges; the text keeps clear of it.
    places.text = QRect(26, 228, 248, 98);
    // Centred on the card, in the room between the text and the border; the read button
    // keeps to the lower left corner.
    places.selectButton = QRect(
        QPoint((kDecisionCardSize.width() - kWriteButtonSize.width()) / 2, 342), kWriteButtonSize);
    places.readButton =
        QRect(QPoint(twips(150), kDecisionCardSize.height() - twips(100) - kReadSmallSize.height()),
              kReadSmallSize);
    return places;
}

std::array<int, 3> frameLefts(int layout, int formWidth) {
    if (layout == kLayoutTwoChoices || layout == kLayoutThreeChoices) {
        const int width = kDecisionCardSize.width();
        const int gap =
            roundHalfEven(static_cast<double>(formWidth - layout * width) / (layout + 1));
        return {gap + 1, 2 * gap + width + 1, 3 * gap + 2 * width + 1};
    }
    const int left = simplePageLeft(formWidth);
    return {left, left, left};
}

int simplePageLeft(int formWidth) {
    return (formWidth - kNotebookPageSize.width()) / 2;
}

int simplePageTop(int formHeight) {
    const int used = kNotebookPageSize.height() + kBottomButtonsGap + kBottomButtonHeight;
    return std::max(10, (formHeight - used) / 2);
}

int decisionPageTop(int formHeight) {
    const int lower = (kNotebookPageSize.height() - kDecisionCardSize.height()) / 2;
    return simplePageTop(formHeight) + std::max(lower, kCaptionHeight);
}

BottomButtons bottomButtonPlaces(int formWidth, int frameBottom, QSize startOver, QSize studentMenu,
                                 bool startOverShown) {
    const int top = frameBottom + kBottomButtonsGap;
    if (!startOverShown)
        return {{}, QPoint((formWidth - studentMenu.width()) / 2, top)};
    const int left = (formWidth - startOver.width() - studentMenu.width()) / 2 - twips(150) -
                     startOver.width() / 2;
    return {QPoint(left, top), QPoint(left + 2 * startOver.width() + twips(300), top)};
}

QPoint skipButtonPlace(const QRect &writeButton) {
    return {writeButton.left(), writeButton.top() + writeButton.height() * 3 / 2};
}

QPoint saveButtonPlace(const BottomButtons &bottom, QSize startOver, QSize save,
                       bool startOverShown) {
    if (!startOverShown)
        return {bottom.studentMenu.x() - twips(300) - save.width(), bottom.studentMenu.y()};
    const int gapLeft = bottom.startOver.x() + startOver.width();
    return {(gapLeft + bottom.studentMenu.x() - save.width()) / 2, bottom.startOver.y()};
}

WritingItemFlags writingItemsEnabled(const WritingPageFacts &page) {
    WritingItemFlags enabled{};
    auto set = [&enabled](int item, bool on) { enabled[static_cast<std::size_t>(item - 1)] = on; };
    set(BackToMenu, true);
    if (page.endPage) {
        set(WriteAndSave, true);
        set(StartOver, true);
        return enabled;
    }
    set(StartOver, !page.firstPage);
    for (int item = FirstChoice; item <= std::clamp(page.layout, 0, 3); ++item)
        set(item, true);
    set(SkipPage, page.layout == kLayoutSimple && page.skipPages == 1);
    return enabled;
}

} // namespace quillora
