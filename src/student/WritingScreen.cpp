#include "student/WritingScreen.h"

#include "core/scanning/ScanScreens.h"
#include "core/scanning/ScanSet.h"
#include "core/template/StoryTemplate.h"
#include "student/ButtonColumn.h"
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
    : QWidget(parent) {
    setAccessibleName(u"Writing"_s);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0, 102, 136));
    setPalette(colours);
    m_page = new PageView(pictures, this);
    QStringList names;
    for (const char *name : kItemNames)
        names.append(QLatin1String(name));
    // The buttons take the size of their artwork; each page places the ones it offers.
    m_buttons = new ButtonColumn(pictures, this, QList<QRect>(kItemCount), names);
    connect(m_buttons, &ButtonColumn::itemClicked, this, &WritingScreen::itemClicked);
}

PictureButton *WritingScreen::button(int item) const {
    return m_buttons->button(item);
}

void WritingScreen::hideButtons() {
    m_buttons->hideAll();
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
    m_buttons->showItemPicture(item, picture, highlighted);
}

void WritingScreen::setItemVisible(int item, bool visible) {
    m_buttons->setItemVisible(item, visible);
    // Over the page they act on, never under it.
    if (visible)
        button(item)->raise();
}

} // namespace quillora
