#pragma once

#include "core/Palette.h"
#include "student/PageLayout.h"

#include <QWidget>

#include <array>

class QLabel;

namespace quillora {

class PictureButton;
class PictureCache;
struct StoryTemplate;

// How pages look for the student on screen now.
struct PageLook {
    Palette palette = initPalette();
    bool rightToLeft = false; // page texts read from the right (a right-to-left language)
    bool mouseUser = false;   // the small read-aloud buttons are for mouse users only
    QString caption;          // the heading of a decision page
};

// One template page on screen: a simple page as a picture and its text on a notebook page,
// a decision page as two or three pictured choices on cards side by side, or the end page.
// It shows and nothing more: the buttons that act on the page belong to the screen that
// holds it, which may be the writing screen or a reader of finished books.
class PageView : public QWidget {
    Q_OBJECT
public:
    PageView(PictureCache &pictures, QWidget *parent = nullptr);

    // Shows the page in the slot (layout 1..3). Missing picture files leave the picture
    // area empty; the text, colours and font are applied all the same.
    void showPage(const StoryTemplate &story, int slot, const PageLook &look);
    // The picture that ends every path.
    void showEndPage();

    // Frames, pictures and texts are numbered 1..3 as the choices of the page.
    QWidget *frame(int number) const;
    QLabel *picture(int number) const;
    QLabel *text(int number) const;
    PictureButton *readButton(int number) const;
    QLabel *caption() const { return m_caption; }
    // Where a frame's select button goes, in this view's coordinates.
    QRect selectButtonPlace(int number) const;
    int shownLayout() const { return m_layout; }

Q_SIGNALS:
    // The small button on a picture asks for that choice's narration.
    void readAloudClicked(int number);

private:
    struct Section {
        QWidget *frame = nullptr;
        QLabel *art = nullptr;
        QLabel *picture = nullptr;
        QLabel *text = nullptr;
        PictureButton *read = nullptr;
    };
    Section &section(int number) { return m_sections[static_cast<std::size_t>(number - 1)]; }
    const Section &section(int number) const {
        return m_sections[static_cast<std::size_t>(number - 1)];
    }
    void placeSection(Section &section, const FramePlaces &places, const QString &art);
    void fillChoice(int number, const StoryTemplate &story, int slot, const PageLook &look);

    PictureCache &m_pictures;
    std::array<Section, 3> m_sections{};
    QLabel *m_caption = nullptr;
    int m_layout = 0;
    FramePlaces m_places;
};

} // namespace quillora
