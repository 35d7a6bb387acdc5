#include "ui/PictureButton.h"

#include <QPainter>

namespace quillora {

PictureButton::PictureButton(QWidget *parent)
    : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::setPictureFiles(const QString &normal, const QString &highlighted) {
    setPictures(QPixmap(normal), QPixmap(highlighted));
}

void PictureButton::setPictures(const QPixmap &normal, const QPixmap &highlighted) {
    m_normal = normal;
    m_highlight = highlighted.isNull() ? normal : highlighted;
    if (!m_normal.isNull())
        resize(m_normal.deviceIndependentSize().toSize());
    updateGeometry();
    update();
}

void PictureButton::setHighlighted(bool on) {
    if (m_highlighted == on)
        return;
    m_highlighted = on;
    update();
}

QSize PictureButton::sizeHint() const {
    return m_normal.isNull() ? QSize(160, 120) : m_normal.deviceIndependentSize().toSize();
}

bool PictureButton::showsHighlight() const {
    return m_highlighted || (m_followsPointer && (m_hovered || m_keyboardFocus));
}

void PictureButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QPixmap &picture = showsHighlight() ? m_highlight : m_normal;
    if (!picture.isNull()) {
        painter.drawPixmap(rect(), picture);
        return;
    }
    // Artwork missing from the application folder: still a usable, labelled button.
    painter.fillRect(rect(), showsHighlight() ? QColor(255, 215, 0) : QColor(245, 245, 245));
    painter.setPen(QPen(Qt::black, 3));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, accessibleName());
}

void PictureButton::enterEvent(QEnterEvent *event) {
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent *event) {
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void PictureButton::focusInEvent(QFocusEvent *event) {
    update();
    QAbstractButton::focusInEvent(event);
}

void PictureButton::focusOutEvent(QFocusEvent *event) {
    update();
    QAbstractButton::focusOutEvent(event);
}

} // namespace quillora
