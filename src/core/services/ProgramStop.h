#pragma once

#include <QString>

namespace quillora {

// A few conditions end the program after one message: a book that no longer fits its
// template, a template without a first page, no free student number. Core code does not end
// the process itself; it calls stop() here and then abandons what it was doing, writing
// nothing further. The composition root supplies the real ending (show the message, then
// quit the application); tests supply one that only records the message, so the stop can
// be observed without ending the test run.
class ProgramStop {
public:
    virtual ~ProgramStop() = default;

    void stop(const QString &message) {
        m_stopped = true;
        m_message = message;
        endProgram(message);
    }

    // Once stopped, callers report nothing more: the one message is all the user sees.
    bool hasStopped() const { return m_stopped; }
    const QString &message() const { return m_message; }

protected:
    virtual void endProgram(const QString &message) = 0;

private:
    bool m_stopped = false;
    QString m_message;
};

} // namespace quillora
