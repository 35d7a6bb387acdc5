#include "VirtualClock.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>

namespace quillora::test {

AsyncOp<void> VirtualClock::sleep(double seconds) {
    Promise<void> promise;
    if (seconds <= 0) {
        promise.resolve();
        return promise.op();
    }
    const Key key = push(m_now + seconds, [promise] { promise.resolve(); });
    promise.onCancel([this, key] { m_queue.erase(key); });
    return promise.op();
}

void VirtualClock::at(double when, std::function<void()> action) {
    push(std::max(when, m_now), std::move(action));
}

VirtualClock::Ticket VirtualClock::schedule(double when, std::function<void()> action) {
    return push(std::max(when, m_now), std::move(action)).second;
}

void VirtualClock::cancel(Ticket ticket) {
    std::erase_if(m_queue, [ticket](const auto &entry) { return entry.first.second == ticket; });
}

VirtualClock::Key VirtualClock::push(double when, std::function<void()> action) {
    const Key key{when, m_sequence++};
    m_queue.emplace(key, std::move(action));
    return key;
}

bool VirtualClock::advanceToNext() {
    if (m_queue.empty())
        return false;
    auto first = m_queue.begin();
    m_now = first->first.first;
    auto action = std::move(first->second);
    m_queue.erase(first);
    action();
    return true;
}

void VirtualClock::advanceBy(double seconds) {
    const double target = m_now + seconds;
    while (!m_queue.empty() && m_queue.begin()->first.first <= target) {
        advanceToNext();
        drainEvents();
    }
    m_now = target;
}

namespace {

// Counts delivered events: processEvents' own return value does not say whether any ran.
class EventCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *) override {
        ++count;
        return false;
    }
};

} // namespace

void drainEvents() {
    EventCounter counter;
    QCoreApplication::instance()->installEventFilter(&counter);
    for (int round = 0; round < 10000; ++round) {
        counter.count = 0;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (counter.count == 0)
            break;
    }
    QCoreApplication::instance()->removeEventFilter(&counter);
}

bool runUntil(VirtualClock &clock, const std::function<bool()> &condition,
              double virtualSecondsLimit) {
    const double limit = clock.now() + virtualSecondsLimit;
    for (;;) {
        drainEvents();
        if (condition())
            return true;
        if (!clock.hasPending() || clock.now() > limit)
            return false;
        clock.advanceToNext();
    }
}

} // namespace quillora::test
