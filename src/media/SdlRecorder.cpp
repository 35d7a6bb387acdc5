#include "media/SdlRecorder.h"

#include "core/WavFile.h"

#include <SDL.h>

#include <QFileInfo>

#include <cstdint>
#include <cstring>
#include <mutex>
#include <vector>

namespace quillora {

namespace {

constexpr int captureRate = 22050;
constexpr std::size_t maxSamples = std::size_t{captureRate} * SdlRecorder::maxSeconds;

} // namespace

// Filled on the audio thread, read on ours after the device has been closed.
struct SdlRecorder::Buffer {
    std::mutex mutex;
    std::vector<std::int16_t> samples;

    static void SDLCALL captured(void *self, Uint8 *stream, int length) {
        auto *buffer = static_cast<Buffer *>(self);
        const std::lock_guard lock(buffer->mutex);
        auto &samples = buffer->samples;
        const std::size_t count = std::min(static_cast<std::size_t>(length) / sizeof(std::int16_t),
                                           maxSamples - std::min(maxSamples, samples.size()));
        const std::size_t at = samples.size();
        samples.resize(at + count);
        std::memcpy(samples.data() + at, stream, count * sizeof(std::int16_t));
    }
};

SdlRecorder::SdlRecorder(bool captureAvailable)
    : m_captureAvailable(captureAvailable)
    , m_buffer(std::make_unique<Buffer>()) {}

SdlRecorder::~SdlRecorder() {
    close();
}

bool SdlRecorder::start() {
    close();
    if (!m_captureAvailable)
        return false;
    m_buffer->samples.clear();
    m_buffer->samples.reserve(std::size_t{captureRate} * 30);
    SDL_AudioSpec wanted{};
    wanted.freq = captureRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = 1024;
    wanted.callback = &Buffer::captured;
    wanted.userdata = m_buffer.get();
    // No changes allowed: the library converts whatever the microphone gives to our format.
    m_device = SDL_OpenAudioDevice(nullptr, 1, &wanted, nullptr, 0);
    if (m_device == 0) {
        qInfo("No microphone: %s", SDL_GetError());
        return false;
    }
    SDL_PauseAudioDevice(m_device, 0);
    return true;
}

Result<void> SdlRecorder::save(const QString &path) {
    if (m_device == 0)
        return FileError{QStringLiteral("Nothing was recorded"), QFileInfo(path).fileName()};
    // Closing waits for a callback in progress, so the buffer is ours afterwards.
    SDL_CloseAudioDevice(m_device);
    m_device = 0;
    std::vector<std::int16_t> samples;
    samples.swap(m_buffer->samples);
    return writeWav(path, samples, captureRate, 1);
}

void SdlRecorder::close() {
    if (m_device == 0)
        return;
    SDL_CloseAudioDevice(m_device);
    m_device = 0;
    m_buffer->samples.clear();
}

} // namespace quillora
