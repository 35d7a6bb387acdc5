#include "student/QuittingStop.h"

#include "core/services/Messages.h"

#include <QCoreApplication>

namespace quillora {

QuittingStop::QuittingStop(Messages &messages)
    : m_messages(messages) {}

void QuittingStop::endProgram(const QString &message) {
    m_flows.start(tellThenQuit(message));
}

QCoro::Task<> QuittingStop::tellThenQuit(QString message) {
    co_await m_flows(m_messages.inform(message));
    QCoreApplication::quit();
}

} // namespace quillora
