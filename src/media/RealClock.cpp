#include "media/RealClock.h"

#include <QPointer>
#include <QTimer>

#include <cmath>

namespace quillora {

RealClock::RealClock(QObject *parent)
    : QObject(parent) {
    m_elapsed.start(); // QElapsedTimer is monotonic on every platform we run on
}

double RealClock::now() const {
    return static_cast<double>(m_elapsed.nsecsElapsed()) / 1e9;
}

AsyncOp<void> RealClock::sleep(double seconds) {
    Promise<void> promise;
    if (!(seconds > 0)) {
        promise.resolve();
        return promise.op();
    }
    // The coarse default timer fired a 2-second wait 100 ms early; children hear the gap.
    auto *timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, timer, [timer, promise] {
        promise.resolve();
        timer->deleteLater();
    });
    QPointer<QTimer> guard(timer);
    promise.onCancel([guard] {
        if (guard)
            guard->deleteLater();
    });
    timer->start(static_cast<int>(std::lround(seconds * 1000.0)));
    return promise.op();
}

} // namespace quillora
