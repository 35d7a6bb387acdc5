#include "student/WritingScreen.h"

#include "core/scanning/ScanScreens.h"
#include "core/scanning/ScanSet.h"
#include "core/template/StoryTemplate.h"
#include "student/PageView.h"
#include "student/PictureCache.h"
#include "student/WritingItems.h"
#include "ui/PictureButton.h"

namespace quillora {

using namespace Qt::StringLiterals;

namespace {

const char *const kItemNames[WritingScreen::kItemCount] = {
    "Choice 1",  "Choice 2",   "Choice 3",    "Write and Save the Book",
    "Skip Page", "Start Over", "Student Menu"};

} // namespace

WritingScreen::WritingScreen(PictureCache &pictures, QWidget *parent)
    : QWidget(parent)
    , m_pictures(pictures) {
    setAccessibleName(u"Writing"_s);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0, 102, 136));
    setPalette(colours);
    m_page = new PageView(pictures, this);
    for (int item = 1; item <= kItemCount; ++item) {
        auto *shown = new PictureButton(this);
        shown->setAccessibleName(QLatin1String(kItemNames[item - 1]));
        shown->setFocusPolicy(Qt::NoFocus);
        shown->hide();
        connect(shown, &PictureButton::clicked, this, [this, item] { Q_EMIT itemClicked(item); });
        m_buttons[static_cast<std::size_t>(item - 1)] = shown;
    }
}

PictureButton *WritingScreen::button(int item) const {
    if (item < 1 || item > kItemCount)
        return nullptr;
    return m_buttons[static_cast<std::size_t>(item - 1)];
}

void WritingScreen::hideButtons() {
    for (PictureButton *each : m_buttons)
        each->hide();
}

void WritingScreen::setWritingButtons(const WritingPageFacts &page, ScanSet &set,
                                      AnnouncementTable &announcements) {
    hideButtons();
    // The end page keeps the picture buttons of the page before it; only write and save,
    // start over and the menu show.
    fillScanScreen(set, announcements, ScanScreen::WritingPage,
                   page.endPage ? kLayoutSimple : page.layout);
    const WritingItemFlags enabled = writingItemsEnabled(page);
    for (int item = 1; item <= kItemCount; ++item) {
        set.setEnabled(item, enabled[static_cast<std::size_t>(item - 1)]);
        showItemPicture(item, set.picture(item), false);
    }
    placeButtons(page, enabled);
    for (int item = 1; item <= kItemCount; ++item)
        setItemVisible(item, set.isEnabled(item));
    Q_EMIT buttonsShown();
}

void WritingScreen::placeButtons(const WritingPageFacts &page, const WritingItemFlags &enabled) {
    const QPoint offset = m_page->pos();
    const QRect frame = m_page->frame(1)->geometry().translated(offset);
    const bool startOver = enabled[StartOver - 1];
    PictureButton *over = button(StartOver);
    PictureButton *menu = button(BackToMenu);
    const BottomButtons bottom =
        bottomButtonPlaces(width(), frame.bottom() + 1, over->size(), menu->size(), startOver);
    over->move(bottom.startOver);
    menu->move(bottom.studentMenu);
    if (page.endPage) {
        PictureButton *save = button(WriteAndSave);
        save->move(saveButtonPlace(bottom, over->size(), save->size(), startOver));
        return;
    }
    for (int item = FirstChoice; item <= page.layout && item <= ThirdChoice; ++item)
        button(item)->move(m_page->selectButtonPlace(item).topLeft() + offset);
    button(SkipPage)->move(skipButtonPlace(button(FirstChoice)->geometry()));
}

void WritingScreen::showItemPicture(int item, const QString &picture, bool highlighted) {
    PictureButton *shown = button(item);
    if (!shown)
        return;
    const QPixmap normal = m_pictures.artwork(picture);
    shown->setPictures(normal, normal);
    shown->setHighlighted(highlighted);
}

void WritingScreen::setItemVisible(int item, bool visible) {
    if (PictureButton *shown = button(item)) {
        shown->setVisible(visible);
        if (visible)
            shown->raise();
    }
}

} // namespace quillora
