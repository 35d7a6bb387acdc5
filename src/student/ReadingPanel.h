#pragma once

#include <QFrame>

class QLabel;

namespace quillora {

class PictureCache;
class BookPageWipe;
class ButtonColumn;

// The first page of a book being read: its title, who wrote it, the author's picture, and
// three buttons (to the first page, done, print).
class TitlePage : public QFrame {
    Q_OBJECT
public:
    enum Item { FirstPage = 1, Done, Print };

    explicit TitlePage(PictureCache &pictures, QWidget *parent = nullptr);

    ButtonColumn *buttons() const { return m_buttons; }
    QLabel *title() const { return m_title; }
    QLabel *byLine() const { return m_byLine; }
    QLabel *studentPicture() const { return m_picture; }

    // The picture is scaled down to fit its corner; false (and no picture) for an empty
    // name or a file that holds none.
    bool showStudentPicture(const QString &path);

private:
    QLabel *m_title = nullptr;
    QLabel *m_byLine = nullptr;
    QLabel *m_picture = nullptr;
    ButtonColumn *m_buttons = nullptr;
};

// A page of a book being read: the page number, the picture area where pages turn, the
// page text under it, and the column of six buttons (next page, read aloud, previous page,
// done, print, read again). The title page lies over it while the book opens.
class ReadingPanel : public QFrame {
    Q_OBJECT
public:
    enum Item { NextPage = 1, ReadAloud, PreviousPage, Done, Print, ReadAgain };

    explicit ReadingPanel(PictureCache &pictures, QWidget *parent = nullptr);

    ButtonColumn *buttons() const { return m_buttons; }
    BookPageWipe *picture() const { return m_picture; }
    QLabel *pageNumber() const { return m_pageNumber; }
    QLabel *pageText() const { return m_pageText; }
    TitlePage *titlePage() const { return m_titlePage; }

private:
    QLabel *m_pageNumber = nullptr;
    BookPageWipe *m_picture = nullptr;
    QLabel *m_pageText = nullptr;
    ButtonColumn *m_buttons = nullptr;
    TitlePage *m_titlePage = nullptr;
};

} // namespace quillora
