#include "app/TerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace quillora {

namespace {

// Written by the handler, so it must be a plain value set once before the handlers exist.
volatile std::sig_atomic_t g_writeEnd = -1;

extern "C" void onTerminationSignal(int) {
    const int savedErrno = errno; // the interrupted code may be about to look at it
    const char byte = 1;
    // A full pipe already holds a wake-up; losing this one changes nothing.
    [[maybe_unused]] const ssize_t written = ::write(g_writeEnd, &byte, 1);
    errno = savedErrno;
}

void restoreDefaultHandlers() {
    ::signal(SIGTERM, SIG_DFL);
    ::signal(SIGINT, SIG_DFL);
}

} // namespace

std::unique_ptr<TerminationSignals> TerminationSignals::install() {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return nullptr;
    g_writeEnd = ends[1];
    std::unique_ptr<TerminationSignals> installed(new TerminationSignals(ends[0], ends[1]));

    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    return installed;
}

TerminationSignals::TerminationSignals(int readEnd, int writeEnd)
    : m_notifier(new QSocketNotifier(readEnd, QSocketNotifier::Read, this))
    , m_readEnd(readEnd)
    , m_writeEnd(writeEnd) {
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::onSignal);
}

TerminationSignals::~TerminationSignals() {
    // The handler must never write into a descriptor number that gets reused.
    restoreDefaultHandlers();
    g_writeEnd = -1;
    delete m_notifier;
    ::close(m_readEnd);
    ::close(m_writeEnd);
}

void TerminationSignals::onSignal() {
    char bytes[16];
    while (::read(m_readEnd, bytes, sizeof bytes) > 0) {
    }
    // A second signal while the program winds down ends it at once, as a stuck program
    // should be endable.
    restoreDefaultHandlers();
    // The exit button's own way out.
    QCoreApplication::quit();
}

} // namespace quillora
