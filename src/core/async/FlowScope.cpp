#include "FlowScope.h"

#include <QDebug>

#include <algorithm>

namespace quillora {

bool detail::OpStateBase::markSettled() {
    if (m_settled)
        return false;
    m_settled = true;
    if (auto *scope = std::exchange(m_scope, nullptr))
        scope->untrack(this);
    return true;
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
            state->cancel(true);
        }
    }
}

void FlowScope::start(QCoro::Task<> flow) {
    guard(std::move(flow));
}

void FlowScope::cancel() {
    auto awaits = std::exchange(m_awaits, {});
    for (auto &weak : awaits) {
        if (auto state = weak.lock()) {
            state->detachScope();
            state->cancel(false);
        }
    }
}

bool FlowScope::hasPendingAwaits() const {
    return std::any_of(m_awaits.begin(), m_awaits.end(),
                       [](const auto &weak) { return !weak.expired(); });
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
