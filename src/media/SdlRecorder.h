#pragma once

#include "core/services/Recorder.h"

#include <QtGlobal>

#include <memory>

namespace quillora {

// Captures from the default input device of the sound library's driver, converted by the
// library to 16-bit 22050 Hz mono.
class SdlRecorder : public Recorder {
public:
    // Without a microphone (captureAvailable false) every start fails softly.
    explicit SdlRecorder(bool captureAvailable);
    ~SdlRecorder() override;

    SdlRecorder(const SdlRecorder &) = delete;
    SdlRecorder &operator=(const SdlRecorder &) = delete;

    bool start() override;
    Result<void> save(const QString &path) override;
    void close() override;
    bool isCapturing() const override { return m_device != 0; }

    // A capture nobody stops ends here rather than filling the memory.
    static constexpr int maxSeconds = 600;

private:
    struct Buffer;
    bool m_captureAvailable;
    quint32 m_device = 0;
    std::unique_ptr<Buffer> m_buffer;
};

} // namespace quillora
