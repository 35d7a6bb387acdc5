#pragma once

#include "core/async/AsyncOp.h"

#include <QDateTime>

namespace quillora {

// Time as the flows see it: monotonic, so a wait is right across midnight and clock changes.
class Clock {
public:
    virtual ~Clock() = default;

    // Seconds since an arbitrary fixed moment.
    virtual double now() const = 0;

    // The date and time of day, for what is written down for people to read (the usage
    // statistics); never for measuring how long something took.
    virtual QDateTime dateTime() const = 0;

    // Completes after the given seconds; at once for zero or less. The interface keeps
    // painting meanwhile; input is handled by the rules of the screen that waits.
    virtual AsyncOp<void> sleep(double seconds) = 0;
};

// The pause between spoken announcements.
inline AsyncOp<void> waitSeconds(Clock &clock, double seconds) {
    return clock.sleep(seconds);
}

} // namespace quillora
