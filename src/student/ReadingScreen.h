#pragma once

#include "core/book/PersonalBook.h"
#include "student/BookPrinting.h"
#include "student/StudentContext.h"

#include <QWidget>

#include <random>

namespace quillora {

class NoticePanel;
class ReadingPanel;

// Reading one book: the title page, then page after page with a page-turn sound and a
// coloured wipe, each page read aloud, and at the end "The End", from where the book can be
// read again. Runs within the flows of the collection that opened it.
class ReadingScreen : public QWidget {
    Q_OBJECT
public:
    // A page turn lasts this long at a pace of 1.
    static constexpr double kWipeSeconds = 1.0;
    // How often a turning page is redrawn.
    static constexpr double kFrameSeconds = 1.0 / 60.0;

    ReadingScreen(const StudentContext &context, FlowScope &flows, QWidget *parent);

    ReadingPanel *panel() const { return m_panel; }
    NoticePanel *printingNotice() const { return m_notice; }

    // Reads the book until the student is done with it; read again starts at its title
    // page, with a new record in the statistics. The screen is hidden again at the end.
    QCoro::Task<> read(const QString &bookFile, bool printAllowed);

    // Where the reading is, for tests.
    int position() const { return m_position; }
    bool atBookEnd() const { return m_atEnd; }
    const PersonalBook &book() const { return m_context.state.book; }

    // The colours of the page turns come from here; tests seed it.
    void seedColours(unsigned seed) { m_random.seed(seed); }

    // The page turn itself: the area fills with the colour column by column, in time with
    // the clock. Completes with the seconds it took.
    QCoro::Task<double> wipe(QColor colour, bool forward, double seconds);

private:
    enum class TitleChoice { FirstPage, Done };

    Result<void> openBook(const QString &bookFile);
    void startStatistics();
    void showTitlePage();
    void startMusic();
    QCoro::Task<TitleChoice> runAuthorPage();
    QCoro::Task<bool> runReadingPage();
    QCoro::Task<> firstPage();
    QCoro::Task<> nextBookPage();
    QCoro::Task<> previousBookPage();
    QCoro::Task<> showBookPage(int pageId);
    QCoro::Task<> showTheEnd();
    QCoro::Task<> readAloud();
    QCoro::Task<> playPageSounds(const QString &recording, const QString &soundEffect);
    QCoro::Task<> printPage();
    QCoro::Task<> printTitlePage();
    void showPageText(const QString &text);
    QList<int> readingItems() const;
    void setReadingButtons();
    QString titleText() const;
    QColor randomColour();

    const StudentContext &m_context;
    FlowScope &m_flows;
    ReadingPanel *m_panel = nullptr;
    NoticePanel *m_notice = nullptr;
    BookPrinting m_printing;
    QString m_subtitle;
    QString m_subtitleRecording;
    int m_position = 1;
    bool m_atEnd = false;
    bool m_forward = true; // the way the pages turn
    bool m_printAllowed = false;
    std::minstd_rand m_random{std::random_device{}()};
};

} // namespace quillora
