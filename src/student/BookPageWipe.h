#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace quillora {

// The picture area of a reading page (640 x 480). A page turn paints a new colour over the
// old page one column after another, left to right going forward and right to left going
// back; the picture of the new page is then put on top. The turn is driven from outside
// (setProgress), so its pace follows the clock and never holds up the event loop; each step
// repaints only the columns it uncovers.
class BookPageWipe : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;

    explicit BookPageWipe(QWidget *parent = nullptr);

    // An empty page in the panel's colour.
    void clearPicture();
    // Shows a picture stretched over the area; false (and nothing changes) for a file that
    // does not hold a picture.
    bool showPictureFile(const QString &path);
    void fillColour(const QColor &colour);

    // Starts turning to a page of one colour. Nothing moves until setProgress.
    void beginWipe(const QColor &colour, bool forward);
    // 0 to 1: how much of the page has turned. 1 ends the turn with the page all in colour.
    void setProgress(double fraction);
    bool isWiping() const { return m_wiping; }
    int revealedColumns() const { return m_revealed; }

    // The colour under the pixel, as the child sees it (tests, screen shots).
    QColor colourAt(QPoint point) const { return m_page.toImage().pixelColor(point); }
    // Paint events since the widget was made, for frame counts.
    int paintCount() const { return m_paints; }

    QSize sizeHint() const override { return {kWidth, kHeight}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect columns(int from, int to) const;

    QPixmap m_page; // what the page shows outside the turning part
    QColor m_colour;
    bool m_forward = true;
    bool m_wiping = false;
    int m_revealed = 0; // columns painted in the new colour so far
    int m_paints = 0;
};

} // namespace quillora
