#pragma once

#include "student/StudentContext.h"

#include <QColor>

class QWidget;

namespace quillora {

class NoticePanel;
struct PrintJob;

// Printing from the reading screens: either a picture of the screen (the background first
// fades to white so the page stands out on paper), or a page laid out for the printer.
// Both show the "Printing" notice with its sound. When nothing could be printed the child
// is told so in plain words.
class BookPrinting {
public:
    // The screen is what fades and what the picture is taken of; the notice shows over it.
    BookPrinting(const StudentContext &context, FlowScope &flows, QWidget *screen,
                 NoticePanel *notice);

    // Fades the screen, takes its picture as it is now, then prints it. The caller hides
    // the buttons first, so they are not in the picture.
    QCoro::Task<> printScreenShot();
    // Shows the notice and prints the job.
    QCoro::Task<> printLaidOut(PrintJob job);

    // The background colour of the screen, as the fade leaves it.
    QColor screenColour() const;

private:
    QCoro::Task<> showNotice();
    QCoro::Task<> send(const PrintJob &job);
    void setScreenColour(const QColor &colour);

    const StudentContext &m_context;
    FlowScope &m_flows;
    QWidget *m_screen;
    NoticePanel *m_notice;
};

} // namespace quillora
