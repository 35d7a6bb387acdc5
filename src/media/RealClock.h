#pragma once

#include "core/services/Clock.h"

#include <QElapsedTimer>
#include <QObject>

namespace quillora {

class RealClock : public QObject, public Clock {
    Q_OBJECT
public:
    explicit RealClock(QObject *parent = nullptr);

    double now() const override;
    QDateTime dateTime() const override { return QDateTime::currentDateTime(); }
    AsyncOp<void> sleep(double seconds) override;

private:
    QElapsedTimer m_elapsed;
};

} // namespace quillora
