#include "student/BookPrinting.h"

#include "student/NoticePanel.h"

#include "core/ProgramState.h"
#include "core/services/Clock.h"
#include "core/services/Messages.h"
#include "core/services/PrinterService.h"
#include "core/services/SoundPlayer.h"
#include "student/CollectionPanels.h"
#include "student/PrintLayout.h"
#include "student/ScreenParts.h"

#include <QBuffer>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <algorithm>

namespace quillora {

namespace {

constexpr int kFadeSteps = 255;
constexpr double kFadeStepSeconds = 0.01;

QByteArray encodePicture(const QImage &picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG", 100); // 100: no compression, the picture is gone in a moment
    return bytes;
}

} // namespace

BookPrinting::BookPrinting(const StudentContext &context, FlowScope &flows, QWidget *screen,
                           NoticePanel *notice)
    : m_context(context)
    , m_flows(flows)
    , m_screen(screen)
    , m_notice(notice) {}

QColor BookPrinting::screenColour() const {
    return m_screen->palette().color(QPalette::Window);
}

void BookPrinting::setScreenColour(const QColor &colour) {
    setBackground(m_screen, colour);
}

QCoro::Task<> BookPrinting::showNotice() {
    m_notice->present(QPixmap(), {m_context.text(Literal::Printing)});
    co_await m_flows(m_context.services.sound->play(QStringLiteral("aobj_printing.wav")));
    m_notice->hide();
}

QCoro::Task<> BookPrinting::send(const PrintJob &job) {
    const auto printed = m_context.services.printer->print(job);
    if (!printed)
        co_await m_flows(m_context.services.messages->inform(printed.error().text()));
}

QCoro::Task<> BookPrinting::printScreenShot() {
    const QColor remembered = screenColour();
    // The dark page background would cost a cartridge of ink; it fades to white first.
    int red = 0;
    int green = 64;
    int blue = 64;
    for (int step = 0; step < kFadeSteps; ++step) {
        red = std::min(255, red + 2);
        green = std::min(255, green + 1);
        blue = std::min(255, blue + 1);
        co_await m_flows(waitSeconds(*m_context.services.clock, kFadeStepSeconds));
        setScreenColour(QColor(red, green, blue));
    }
    setScreenColour(Qt::white);
    // The form fills the whole screen, so its picture is the screen as the child sees it.
    const QImage shot = m_screen->window()->grab().toImage();
    const QByteArray encoded = encodePicture(shot);
    co_await showNotice();
    const PrintJob job = screenShotPrintJob(encoded);
    co_await send(job);
    setScreenColour(remembered);
}

QCoro::Task<> BookPrinting::printLaidOut(PrintJob job) {
    co_await showNotice();
    co_await send(job);
}

} // namespace quillora
