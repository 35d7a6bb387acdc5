#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace quillora {

// A button drawn as a picture, with a highlighted twin shown while a scan rests on it (or
// while the pointer or keyboard focus is on it, for buttons that ask for that). The
// pictures carry their own words, so the accessible name must be set for screen readers.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget *parent = nullptr);

    // Loads both pictures from files and takes the size of the normal one. A missing file
    // leaves a plainly drawn button with the accessible name on it, never an empty hole.
    void setPictureFiles(const QString &normal, const QString &highlighted);
    void setPictures(const QPixmap &normal, const QPixmap &highlighted);

    void setHighlighted(bool on);
    bool isHighlighted() const { return m_highlighted; }

    // Whether hovering or keyboard focus shows the highlighted picture too.
    void setFollowsPointer(bool on) { m_followsPointer = on; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool showsHighlight() const;

    QPixmap m_normal;
    QPixmap m_highlight;
    bool m_highlighted = false;
    bool m_followsPointer = false;
    bool m_hovered = false;
    bool m_keyboardFocus = false;
};

} // namespace quillora
