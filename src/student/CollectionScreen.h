#pragma once

#include "core/book/BookLibrary.h"
#include "student/ReadingRules.h"
#include "student/StudentContext.h"

#include <QWidget>

#include <optional>

namespace quillora {

class CollectionPanel;
class NoticePanel;
class ReadingScreen;
class YesNoPanel;

// A logged-on student's books, one cover at a time with "book 3 of 7", opened from the
// student menu either to read a book or to delete one. Worked by mouse or by the switches,
// as the student's profile says. When the student goes back, the student menu is shown
// afresh by whoever opened the collection.
class CollectionScreen : public QWidget {
    Q_OBJECT
public:
    CollectionScreen(const StudentContext &context, QWidget *parent);
    ~CollectionScreen() override;

    // Shows the collection over the whole of its parent and completes when the student is
    // back at the student menu. Print buttons are offered only when printing is allowed.
    AsyncOp<void> open(bool deleteMode, bool printAllowed);
    bool isOpen() const { return m_done.has_value(); }
    // Ends the collection's flows where they are (the program is stopping).
    void abandonFlows() { m_flows.cancel(); }

    CollectionPanel *panel() const { return m_panel; }
    YesNoPanel *yesNoPanel() const { return m_yesNo; }
    NoticePanel *deletedNotice() const { return m_deleted; }
    ReadingScreen *readingScreen() const { return m_reading; }
    const StudentContext &context() const { return m_context; }

    const QList<BookListEntry> &books() const { return m_books; }
    int currentBookIndex() const { return m_index; }
    bool bookDeleted() const { return m_bookDeleted; }

private:
    QCoro::Task<> run(bool deleteMode);
    QCoro::Task<> openCollection(bool deleteMode);
    void showCollectionBook(int index);
    void setCollectionButtons();
    QCoro::Task<> speakBookTitle();
    QCoro::Task<bool> deleteBook();
    QCoro::Task<bool> askYesNo(const QString &question);
    void finish();

    const StudentContext &m_context;
    CollectionPanel *m_panel = nullptr;
    YesNoPanel *m_yesNo = nullptr;
    NoticePanel *m_deleted = nullptr;
    ReadingScreen *m_reading = nullptr;
    QList<BookListEntry> m_books;
    int m_index = 1;
    bool m_deleteMode = false;
    bool m_printAllowed = false;
    bool m_bookDeleted = false;
    QString m_subtitleRecording;
    std::optional<Promise<void>> m_done;
    FlowScope m_flows; // last: cancels the flows while the panels still exist
};

} // namespace quillora
