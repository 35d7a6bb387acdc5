#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

namespace quillora {

// Ends the program as its exit button does when the desktop logs out (SIGTERM) or someone
// presses Ctrl+C (SIGINT): the event loop ends, the forms close their media, the folder lock
// is released, and a save in progress finishes first, since the signal only ever reaches the
// program between two events. The signal handler itself does nothing but write a byte to a
// pipe, the one thing that is safe inside a handler; the interface thread reads it.
class TerminationSignals : public QObject {
public:
    // Installs the handlers for as long as the returned object lives; nothing (and the
    // signals keep their default) when the pipe cannot be made.
    static std::unique_ptr<TerminationSignals> install();
    ~TerminationSignals() override;

private:
    TerminationSignals(int readEnd, int writeEnd);
    void onSignal();

    QSocketNotifier *m_notifier = nullptr;
    int m_readEnd = -1;
    int m_writeEnd = -1;
};

} // namespace quillora
