#pragma once

#include <QFrame>
#include <QString>

class QLabel;

namespace quillora {

class PictureCache;
class ButtonColumn;

// What the collection shows of one book.
struct CoverView {
    QString coverPicture; // the cover in the book's colour (a path)
    QString title;        // with its subtitle, CR between them
    int titlePoints = 40;
    QString fontName;
    bool bold = false;
    bool italic = false;
    QString author;          // "by Maya"
    QString templateCover;   // path, or empty when the file is missing
    QString lastPagePicture; // path, or empty when the file is missing
    QString version;         // "Version 2"
    QString counter;         // "Book 3 of 7"
};

// The book collection: a heading, the counter, one book's cover with its title, author,
// the template's cover, the book's last picture and its version, and the column of five
// buttons (read, next, previous, delete, student menu).
class CollectionPanel : public QFrame {
    Q_OBJECT
public:
    enum Item { Read = 1, NextBook, PreviousBook, Delete, StudentMenu };

    explicit CollectionPanel(PictureCache &pictures, QWidget *parent = nullptr);

    ButtonColumn *buttons() const { return m_buttons; }
    QLabel *heading() const { return m_heading; }
    QLabel *counter() const { return m_counter; }
    QLabel *title() const { return m_title; }
    QLabel *author() const { return m_author; }
    QLabel *version() const { return m_version; }
    QLabel *templateCover() const { return m_templateCover; }
    QLabel *lastPagePicture() const { return m_lastPage; }

    void setHeading(const QString &text);
    void showBook(const CoverView &view);

private:
    QLabel *m_headingShadow = nullptr;
    QLabel *m_heading = nullptr;
    QLabel *m_counterShadow = nullptr;
    QLabel *m_counter = nullptr;
    QLabel *m_cover = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_templateCover = nullptr;
    QLabel *m_lastPage = nullptr;
    QLabel *m_version = nullptr;
    QLabel *m_author = nullptr;
    ButtonColumn *m_buttons = nullptr;
};

// "Are you sure?": a question and two big buttons, yes (1) and no (2).
class YesNoPanel : public QFrame {
    Q_OBJECT
public:
    explicit YesNoPanel(PictureCache &pictures, QWidget *parent = nullptr);

    ButtonColumn *buttons() const { return m_buttons; }
    QLabel *question() const { return m_question; }

private:
    QLabel *m_question = nullptr;
    ButtonColumn *m_buttons = nullptr;
};

} // namespace quillora
