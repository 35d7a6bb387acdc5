#include "student/WritingScreen.h"

#include "core/scanning/ScanScreens.h"
#include "core/scanning/ScanSet.h"
#include "core/template/StoryTemplate.h"
#include "student/PageView.h"
#include "student/PictureCache.h"
#include "ui/PictureButton.h"

namespace quillora {

using namespace Qt::StringLiterals;

namespace {

const char *const kItemNames[WritingScreen::kItemCount] = {
    "Choice 1",  "Choice 2",   "Choice 3",    "Write and Save the Book", "Skip and Save the Book",
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
    // The end page keeps the picture buttons of the page before it; only 4, 7 and 8 show.
    fillScanScreen(set, announcements, ScanScreen::WritingPage,
                   page.endPage ? kLayoutSimple : page.layout);
    const std::array<bool, 8> enabled = writingItemsEnabled(page);
    for (int item = 1; item <= kItemCount; ++item) {
        set.setEnabled(item, enabled[static_cast<std::size_t>(item - 1)]);
        showItemPicture(item, set.picture(item), false);
    }
    placeButtons(page, enabled);
    for (int item = 1; item <= kItemCount; ++item)
        setItemVisible(item, set.isEnabled(item));
    Q_EMIT buttonsShown();
}

void WritingScreen::placeButtons(const WritingPageFacts &page, const std::array<bool, 8> &enabled) {
    const QPoint offset = m_page->pos();
    const QRect frame = m_page->frame(1)->geometry().translated(offset);
    const bool startOver = enabled[6];
    const BottomButtons bottom = bottomButtonPlaces(width(), frame.bottom() + 1, button(7)->size(),
                                                    button(8)->size(), startOver);
    button(7)->move(bottom.startOver);
    button(8)->move(bottom.studentMenu);
    if (page.endPage) {
        button(4)->move(saveButtonPlace(bottom, button(7)->size(), button(4)->size(), startOver));
        return;
    }
    for (int item = 1; item <= page.layout && item <= 3; ++item)
        button(item)->move(m_page->selectButtonPlace(item).topLeft() + offset);
    button(6)->move(skipButtonPlace(button(1)->geometry()));
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
