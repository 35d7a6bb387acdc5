#include "FakeRecorder.h"

#include "core/WavFile.h"
#include "core/services/Clock.h"

#include <QFileInfo>

#include <cmath>
#include <vector>

namespace quillora::test {

bool FakeRecorder::start() {
    calls.append(QStringLiteral("start"));
    if (m_capturing)
        ++discarded;
    m_capturing = hasMicrophone;
    m_startedAt = m_clock ? m_clock->now() : 0.0;
    return m_capturing;
}

Result<void> FakeRecorder::save(const QString &path) {
    calls.append(QStringLiteral("save ") + path);
    if (!m_capturing)
        return FileError{QStringLiteral("Nothing was recorded"), QFileInfo(path).fileName()};
    m_capturing = false;
    const double seconds = m_clock ? m_clock->now() - m_startedAt : recordingSeconds;
    const std::vector<std::int16_t> silence(
        static_cast<std::size_t>(std::lround(std::max(0.0, seconds) * 22050)));
    auto written = writeWav(path, silence, 22050, 1);
    if (written)
        saved.append(path);
    return written;
}

void FakeRecorder::close() {
    calls.append(QStringLiteral("close"));
    if (m_capturing)
        ++discarded;
    m_capturing = false;
}

} // namespace quillora::test
