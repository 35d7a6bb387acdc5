#pragma once

#include <QString>

#include <memory>

namespace quillora {

// Owns the sound library's output device for the whole run. Only one can be open at a time,
// because the mixer behind it is process-wide.
class SdlAudio {
public:
    // Opens the output device. When no real device opens (a machine without a sound card),
    // falls back by itself to the silent "dummy" driver, which still keeps real time and
    // reports the ends of sounds. Null when even that fails or a device is already open.
    static std::unique_ptr<SdlAudio> open();
    ~SdlAudio();

    SdlAudio(const SdlAudio &) = delete;
    SdlAudio &operator=(const SdlAudio &) = delete;

    // The driver in use, e.g. "pulseaudio", "alsa" or "dummy".
    QString driverName() const { return m_driver; }

    // True when we had to fall back to the silent driver. Such a machine has no microphone
    // either: recording there would save silence and look like success.
    bool fellBack() const { return m_fellBack; }

    // Frames the mixer hands the device at a time; the latency of starting a sound.
    static constexpr int bufferFrames = 1024;

private:
    SdlAudio() = default;
    QString m_driver;
    bool m_fellBack = false;
    bool m_initialisedSubsystem = false;
};

} // namespace quillora
