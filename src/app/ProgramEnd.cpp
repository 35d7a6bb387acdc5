#include "app/ProgramEnd.h"

#include "core/services/Messages.h"

#include <QCoreApplication>

namespace quillora {

ProgramEnd::ProgramEnd(Messages &messages, std::function<void()> silenceEverything)
    : m_messages(&messages)
    , m_silenceEverything(std::move(silenceEverything)) {}

void ProgramEnd::endProgram(const QString &message) {
    if (m_silenceEverything)
        m_silenceEverything();
    m_flows.start(tellThenQuit(message));
}

QCoro::Task<> ProgramEnd::tellThenQuit(QString message) {
    co_await m_flows(m_messages->inform(message));
    QCoreApplication::quit();
}

} // namespace quillora
