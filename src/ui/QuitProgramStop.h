#pragma once

#include "async/FlowScope.h"
#include "services/ProgramStop.h"

namespace quillora {

class Messages;

// The consistency stop as the user meets it: one message, and once it is closed the program
// ends. Nothing else happens in between, since the caller abandons what it was doing.
class QuitProgramStop : public ProgramStop {
public:
    explicit QuitProgramStop(Messages &messages)
        : m_messages(messages) {}

protected:
    void endProgram(const QString &message) override;

private:
    QCoro::Task<> tellThenQuit(QString message);

    Messages &m_messages;
    FlowScope m_flows; // last
};

} // namespace quillora
