#pragma once

#include "core/async/FlowScope.h"
#include "core/services/ProgramStop.h"

namespace quillora {

class Messages;

// The program's end after a condition it cannot go on from: the one message, and once the
// user has closed it, the program quits.
class QuittingStop : public ProgramStop {
public:
    explicit QuittingStop(Messages &messages);

protected:
    void endProgram(const QString &message) override;

private:
    QCoro::Task<> tellThenQuit(QString message);

    Messages &m_messages;
    FlowScope m_flows;
};

} // namespace quillora
