#pragma once

#include "core/services/Clock.h"

#include <cstdint>
#include <functional>
#include <map>
#include <utility>

namespace quillora::test {

// Time that only moves when the test driver lets it: sleepers wait in a deadline queue and
// the driver jumps to the earliest deadline once nothing else is pending. A whole book is
// then written in milliseconds, the same way every run.
class VirtualClock : public Clock {
public:
    double now() const override { return m_now; }
    // A fixed moment (7 March 2013, 2:05 PM) unless a test sets another, so logs compare
    // as text.
    QDateTime dateTime() const override { return m_dateTime; }
    void setDateTime(const QDateTime &when) { m_dateTime = when; }
    AsyncOp<void> sleep(double seconds) override;

    // Schedules a callback at a moment on this clock (for doubles such as a sound player).
    void at(double when, std::function<void()> action);

    // Like at(), but the callback can be withdrawn: a sound that was cut off must leave no
    // deadline behind for the driver to jump to.
    using Ticket = std::uint64_t;
    Ticket schedule(double when, std::function<void()> action);
    void cancel(Ticket ticket);

    bool hasPending() const { return !m_queue.empty(); }
    // Moves to the earliest deadline and runs what is due there. False when nothing waits.
    bool advanceToNext();
    // Moves time forward by the given seconds, running everything due on the way.
    void advanceBy(double seconds);

private:
    double m_now = 1000.0;
    QDateTime m_dateTime{QDate(2013, 3, 7), QTime(14, 5)};
    using Key = std::pair<double, std::uint64_t>; // deadline, then order of arrival
    Key push(double when, std::function<void()> action);

    std::map<Key, std::function<void()>> m_queue;
    std::uint64_t m_sequence = 0;
};

// Runs the application's events and the virtual clock until the condition holds. Returns
// false when it still does not hold once everything has run or the time limit is reached.
bool runUntil(VirtualClock &clock, const std::function<bool()> &condition,
              double virtualSecondsLimit = 3600.0);

// Delivers every pending event, deferred deletes included, until none is left.
void drainEvents();

} // namespace quillora::test
