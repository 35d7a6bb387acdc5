#pragma once

#include "core/async/FlowScope.h"
#include "core/services/ProgramStop.h"

#include <functional>

namespace quillora {

class Messages;

// The program's end after a condition it cannot go on from. Everything goes quiet first (no
// screen scans, speaks or plays music behind the message), then the one message, and once
// the user has closed it, the program quits.
class ProgramEnd : public ProgramStop {
public:
    ProgramEnd(Messages &messages, std::function<void()> silenceEverything);

    void setMessages(Messages &messages) { m_messages = &messages; }

protected:
    void endProgram(const QString &message) override;

private:
    QCoro::Task<> tellThenQuit(QString message);

    Messages *m_messages;
    std::function<void()> m_silenceEverything;
    FlowScope m_flows;
};

} // namespace quillora
