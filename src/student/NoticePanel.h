#pragma once

#include <QFrame>
#include <QStringList>

class QLabel;

namespace quillora {

// A short notice in the middle of the screen while a sound plays: the writing and undoing
// panels with their pencil and eraser, the choice and no-pages panels, the panel that puts
// the pages together, the one that says the book was added, "Printing" and "The Book was
// Deleted".
class NoticePanel : public QFrame {
    Q_OBJECT
public:
    explicit NoticePanel(QWidget *parent = nullptr);

    // A picture (or none) above one to three lines of text; the panel takes the size they
    // need, is centred on its parent and comes to the front.
    void present(const QPixmap &picture, const QStringList &lines);

    QLabel *pictureLabel() const { return m_picture; }
    QStringList lines() const;

private:
    QLabel *m_picture = nullptr;
    QList<QLabel *> m_lines;
};

} // namespace quillora
