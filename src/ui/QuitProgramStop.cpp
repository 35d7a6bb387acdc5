#include "QuitProgramStop.h"

#include "services/Messages.h"

#include <QCoreApplication>

namespace quillora {

void QuitProgramStop::endProgram(const QString &message) {
    m_flows.start(tellThenQuit(message));
}

QCoro::Task<> QuitProgramStop::tellThenQuit(QString message) {
    co_await m_flows(m_messages.inform(message));
    QCoreApplication::quit();
}

} // namespace quillora
