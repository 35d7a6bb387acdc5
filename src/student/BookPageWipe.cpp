#include "student/BookPageWipe.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quillora {

BookPageWipe::BookPageWipe(QWidget *parent)
    : QWidget(parent)
    , m_page(kWidth, kHeight) {
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is painted: nothing behind to clear
    clearPicture();
}

void BookPageWipe::clearPicture() {
    fillColour(QColor(0, 64, 64));
}

void BookPageWipe::fillColour(const QColor &colour) {
    m_wiping = false;
    m_page.fill(colour);
    update();
}

bool BookPageWipe::showPictureFile(const QString &path) {
    const QPixmap picture(path);
    if (picture.isNull())
        return false;
    m_wiping = false;
    QPainter painter(&m_page);
    painter.drawPixmap(m_page.rect(), picture);
    painter.end();
    update();
    return true;
}

void BookPageWipe::beginWipe(const QColor &colour, bool forward) {
    m_colour = colour;
    m_forward = forward;
    m_wiping = true;
    m_revealed = 0;
}

QRect BookPageWipe::columns(int from, int to) const {
    // Forward the turn uncovers columns from the left edge, backward from the right.
    if (m_forward)
        return QRect(from, 0, to - from, kHeight);
    return QRect(kWidth - to, 0, to - from, kHeight);
}

void BookPageWipe::setProgress(double fraction) {
    if (!m_wiping)
        return;
    const double clamped = std::clamp(fraction, 0.0, 1.0);
    const int target = static_cast<int>(std::lround(clamped * kWidth));
    if (target > m_revealed) {
        const QRect uncovered = columns(m_revealed, target);
        QPainter painter(&m_page);
        painter.fillRect(uncovered, m_colour);
        painter.end();
        m_revealed = target;
        update(uncovered);
    }
    if (clamped >= 1.0)
        m_wiping = false;
}

void BookPageWipe::paintEvent(QPaintEvent *event) {
    ++m_paints;
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawPixmap(area, m_page, area);
}

} // namespace quillora
