#pragma once

#include "core/scanning/ScanDisplay.h"
#include "student/PageLayout.h"

#include <QWidget>

#include <array>

namespace quillora {

class AnnouncementTable;
class ButtonColumn;
class PageView;
class PictureButton;
class PictureCache;
class ScanSet;

// The writing screen: the page on show and the seven buttons under and beside it - the
// picture choices (1-3), write and save (4), skip the page (5), start over (6) and back to
// the student menu (7).
class WritingScreen : public QWidget, public ScanDisplay {
    Q_OBJECT
public:
    static constexpr int kItemCount = kWritingItemCount;

    WritingScreen(PictureCache &pictures, QWidget *parent = nullptr);

    PageView *pageView() const { return m_page; }
    PictureButton *button(int item) const;

    // Fills the scan tables for the page on show, places the buttons it offers and shows
    // them; the others are hidden.
    void setWritingButtons(const WritingPageFacts &page, ScanSet &set,
                           AnnouncementTable &announcements);
    void hideButtons();

    void showItemPicture(int item, const QString &picture, bool highlighted) override;
    void setItemVisible(int item, bool visible) override;

Q_SIGNALS:
    void itemClicked(int item);
    // The page on show and the buttons it offers are all in place: what a student sees
    // before choosing.
    void buttonsShown();

private:
    void placeButtons(const WritingPageFacts &page, const WritingItemFlags &enabled);

    PageView *m_page = nullptr;
    ButtonColumn *m_buttons = nullptr;
};

} // namespace quillora
