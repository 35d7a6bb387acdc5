#include "core/async/FlowScope.h"

#include <QDebug>

namespace quillora {

bool detail::OpStateBase::markSettled() {
    if (m_settled)
        return false;
    m_settled = true;
    return true;
}

void detail::OpStateBase::resume() {
    if (auto *scope = std::exchange(m_scope, nullptr))
        scope->untrack(this);
    if (auto waiter = std::exchange(m_waiter, {}))
        waiter.resume();
}

namespace {

QCoro::Task<> guard(QCoro::Task<> flow) {
    try {
        co_await std::move(flow);
    } catch (const Cancelled &) {
    } catch (const std::exception &error) {
        qCritical("A flow ended with an error: %s", error.what());
    }
}

} // namespace

FlowScope::~FlowScope() {
    m_dying = true;
    auto awaits = std::exchange(m_awaits, {});
    for (auto &weak : awaits) {
        if (auto state = weak.lock()) {
            state->detachScope();
            if (state->settled())
                state->abandonPendingResume();
            else
                state->cancel(true);
        }
    }
}

void FlowScope::start(QCoro::Task<> flow) {
    guard(std::move(flow));
}

void FlowScope::cancel() {
    // Cancelled operations stay registered until their flows resume, so a scope destroyed in
    // between still unwinds them in time.
    const auto awaits = m_awaits;
    for (const auto &weak : awaits) {
        if (auto state = weak.lock())
            state->cancel(false);
    }
}

void FlowScope::track(std::shared_ptr<detail::OpStateBase> state) {
    if (state->settled())
        return;
    if (m_dying) {
        state->cancel(false);
        return;
    }
    state->attachScope(this);
    m_awaits.push_back(state);
}

void FlowScope::untrack(const detail::OpStateBase *state) {
    std::erase_if(m_awaits, [state](const auto &weak) {
        auto locked = weak.lock();
        return !locked || locked.get() == state;
    });
}

} // namespace quillora
