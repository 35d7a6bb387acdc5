#pragma once

#include "core/services/Recorder.h"

#include <QStringList>

namespace quillora {
class Clock;
}

namespace quillora::test {

// A microphone that records silence. With a clock, a recording lasts as long as the time
// that passed on it between start and save; without one, recordingSeconds.
class FakeRecorder : public Recorder {
public:
    explicit FakeRecorder(const Clock *clock = nullptr)
        : m_clock(clock) {}

    bool start() override;
    Result<void> save(const QString &path) override;
    void close() override;
    bool isCapturing() const override { return m_capturing; }

    bool hasMicrophone = true;     // false: start() fails, as on a machine without one
    double recordingSeconds = 1.0; // length of a recording when there is no clock

    // Every call in order: "start", "save <path>", "close".
    QStringList calls;
    QStringList saved; // the files written
    int discarded = 0; // captures ended by close() (or a new start) without being saved

private:
    const Clock *m_clock;
    bool m_capturing = false;
    double m_startedAt = 0;
};

} // namespace quillora::test
