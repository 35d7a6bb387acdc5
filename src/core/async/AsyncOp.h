#pragma once

#include <QCoreApplication>
#include <QMetaObject>

#include <coroutine>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace quillora {

class FlowScope;

// Thrown into a flow whose screen went away or cancelled it; flows let it pass so the
// whole chain of awaits unwinds and frees its frames.
struct Cancelled : std::exception {
    const char *what() const noexcept override { return "the flow was cancelled"; }
};

// Thrown into an awaiter whose producer forgot it: better an error than a child stuck on
// a screen that never moves on.
struct BrokenPromise : std::exception {
    const char *what() const noexcept override { return "an awaited operation was abandoned"; }
};

namespace detail {

class OpStateBase : public std::enable_shared_from_this<OpStateBase> {
public:
    virtual ~OpStateBase() = default;

    bool settled() const { return m_settled; }
    bool failed() const { return m_error != nullptr; }
    void rethrowIfFailed() const {
        if (m_error)
            std::rethrow_exception(m_error);
    }

    void setWaiter(std::coroutine_handle<> waiter) { m_waiter = waiter; }
    void setCancelHandler(std::function<void()> handler) { m_onCancel = std::move(handler); }

    void fail(std::exception_ptr error) {
        if (!markSettled())
            return;
        m_error = std::move(error);
        scheduleResume();
    }

    // Used by FlowScope. The producer hears of it first so it can stop its timer or sound;
    // the waiter resumes either later from the event loop or, while the scope's owner is
    // being destroyed, at once so the flow unwinds while its screen still exists.
    void cancel(bool resumeNow) {
        if (!markSettled())
            return;
        m_error = std::make_exception_ptr(Cancelled{});
        if (auto handler = std::exchange(m_onCancel, {}))
            handler();
        if (resumeNow)
            resume();
        else
            scheduleResume();
    }

    void attachScope(FlowScope *scope) { m_scope = scope; }
    void detachScope() { m_scope = nullptr; }

    // The operation completed and its flow waits for the event loop to resume it, but the
    // scope that owns the flow is going away: the flow unwinds now, as cancelled, while its
    // screen still exists, instead of resuming later into a freed one.
    void abandonPendingResume() {
        if (!m_waiter)
            return;
        m_error = std::make_exception_ptr(Cancelled{});
        resume();
    }

protected:
    bool markSettled();
    void scheduleResume() {
        if (!m_waiter)
            return;
        auto self = shared_from_this();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [self] { self->resume(); }, Qt::QueuedConnection);
    }
    // The scope lets go of an operation only when its flow actually resumes: until then a
    // scope that goes away must still be able to turn the pending resume into a cancellation.
    void resume();

private:
    bool m_settled = false;
    std::exception_ptr m_error;
    std::coroutine_handle<> m_waiter;
    std::function<void()> m_onCancel;
    FlowScope *m_scope = nullptr;
};

template <typename T>
class OpState : public OpStateBase {
public:
    void resolve(T value) {
        if (!markSettled())
            return;
        m_value.emplace(std::move(value));
        scheduleResume();
    }
    T take() {
        rethrowIfFailed();
        return std::move(*m_value);
    }

private:
    std::optional<T> m_value;
};

template <>
class OpState<void> : public OpStateBase {
public:
    void resolve() {
        if (!markSettled())
            return;
        scheduleResume();
    }
    void take() { rethrowIfFailed(); }
};

// Shared by all copies of a Promise; when the last copy dies unsettled the awaiter is told.
template <typename T>
struct PromiseCore {
    explicit PromiseCore(std::shared_ptr<OpState<T>> s)
        : state(std::move(s)) {}
    PromiseCore(const PromiseCore &) = delete;
    PromiseCore &operator=(const PromiseCore &) = delete;
    ~PromiseCore() {
        if (!state->settled())
            state->fail(std::make_exception_ptr(BrokenPromise{}));
    }
    std::shared_ptr<OpState<T>> state;
};

} // namespace detail

template <typename T>
class Promise;

// The consumer side of an asynchronous operation: awaited once, with co_await std::move(op).
// Completion always reaches the awaiting coroutine through the event loop, never from inside
// the producer's call, so a producer may resolve while it is still on the stack.
template <typename T = void>
class [[nodiscard]] AsyncOp {
public:
    AsyncOp(AsyncOp &&) noexcept = default;
    AsyncOp &operator=(AsyncOp &&) noexcept = default;
    AsyncOp(const AsyncOp &) = delete;
    AsyncOp &operator=(const AsyncOp &) = delete;

    bool isSettled() const { return m_state->settled(); }

    bool await_ready() const noexcept { return m_state->settled(); }
    void await_suspend(std::coroutine_handle<> waiter) { m_state->setWaiter(waiter); }
    T await_resume() { return m_state->take(); }

    // An operation that has already completed, for producers with nothing to wait for.
    static AsyncOp ready() requires std::is_void_v<T> {
        auto state = std::make_shared<detail::OpState<void>>();
        state->resolve();
        return AsyncOp(std::move(state));
    }
    template <typename U = T>
    requires(!std::is_void_v<U>) static AsyncOp ready(U value) {
        auto state = std::make_shared<detail::OpState<U>>();
        state->resolve(std::move(value));
        return AsyncOp(std::move(state));
    }

private:
    friend class Promise<T>;
    friend class FlowScope;
    explicit AsyncOp(std::shared_ptr<detail::OpState<T>> state)
        : m_state(std::move(state)) {}
    std::shared_ptr<detail::OpState<T>> m_state;
};

// The producer side. Copies share one operation; the first resolve wins.
template <typename T = void>
class Promise {
public:
    Promise()
        : m_core(std::make_shared<detail::PromiseCore<T>>(std::make_shared<detail::OpState<T>>())) {
    }

    AsyncOp<T> op() const { return AsyncOp<T>(m_core->state); }

    template <typename... Args>
    void resolve(Args &&...args) const {
        m_core->state->resolve(std::forward<Args>(args)...);
    }
    void fail(std::exception_ptr error) const { m_core->state->fail(std::move(error)); }
    bool isSettled() const { return m_core->state->settled(); }

    // Called when the flow that awaits this operation is cancelled, so the producer can
    // release what it holds (stop a timer, cut a sound off).
    void onCancel(std::function<void()> handler) const {
        m_core->state->setCancelHandler(std::move(handler));
    }

private:
    std::shared_ptr<detail::PromiseCore<T>> m_core;
};

} // namespace quillora
