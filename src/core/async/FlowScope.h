#pragma once

#include "core/async/AsyncOp.h"

#include <qcoro/qcorotask.h>

#include <memory>
#include <vector>

namespace quillora {

// Owns the flows of one screen. Declare it as the screen's last member so it is destroyed
// first: its destructor cancels every await still registered, and the flows unwind while
// the rest of the screen is intact. Without it a flow would resume into a freed screen.
class FlowScope {
public:
    FlowScope() = default;
    FlowScope(const FlowScope &) = delete;
    FlowScope &operator=(const FlowScope &) = delete;
    ~FlowScope();

    // Registers an operation a flow is about to await: co_await scope(sound.play(...)).
    template <typename T>
    AsyncOp<T> operator()(AsyncOp<T> &&op) {
        track(op.m_state);
        return std::move(op);
    }

    // Starts a flow. Cancellation ends it quietly; any other error is reported, since an
    // exception in a task nobody awaits would otherwise vanish.
    void start(QCoro::Task<> flow);

    // Cancels every operation awaited at this moment; flows started later run normally.
    void cancel();

private:
    friend class detail::OpStateBase;
    void track(std::shared_ptr<detail::OpStateBase> state);
    void untrack(const detail::OpStateBase *state);

    std::vector<std::weak_ptr<detail::OpStateBase>> m_awaits;
    bool m_dying = false;
};

} // namespace quillora
