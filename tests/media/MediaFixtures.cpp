#include "MediaFixtures.h"

#include "core/WavFile.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace quillora::test {

namespace {

QString writeSamples(const TempAppFolder &app, const QString &name,
                     const std::vector<std::int16_t> &samples) {
    const QString path = app.path(name);
    if (!writeWav(path, samples))
        throw std::runtime_error("cannot write a test sound");
    return path;
}

std::size_t frames(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * 22050));
}

} // namespace

QString writeTone(const TempAppFolder &app, const QString &name, double seconds) {
    std::vector<std::int16_t> samples(frames(seconds));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = (i / 25) % 2 ? -8000 : 8000; // about 440 Hz
    return writeSamples(app, name, samples);
}

QString writeSilence(const TempAppFolder &app, const QString &name, double seconds) {
    return writeSamples(app, name, std::vector<std::int16_t>(frames(seconds)));
}

QByteArray shortMidiTune() {
    // Format 0, one track, 96 ticks a quarter note at the default 120 beats a minute: a
    // middle C of 5 ticks (26 ms), then the end of the track.
    static const char bytes[] = "MThd\0\0\0\x06\0\0\0\x01\0\x60"
                                "MTrk\0\0\0\x0c"
                                "\0\x90\x3c\x64"
                                "\x05\x80\x3c\0"
                                "\0\xff\x2f\0";
    return QByteArray(bytes, sizeof bytes - 1);
}

} // namespace quillora::test
