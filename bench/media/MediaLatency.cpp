// Latency of the wave voice: from playAsync to the first mixer buffer that carries the new
// sound, and from stop to the first silent buffer. A child who presses a switch should hear
// the answer at once; the goal is under 50 ms each on the dummy driver.
//
// Usage: quillora_media_latency [rounds]   (uses SDL's dummy driver unless told otherwise)

#include "core/AppFolder.h"
#include "core/WavFile.h"
#include "core/services/Messages.h"
#include "core/services/SoundPlayer.h"
#include "media/MediaServices.h"

#include <SDL_mixer.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// What the mixer handed the device, buffer by buffer, seen from the audio thread.
struct Buffer {
    Clock::time_point at;
    int peak;
};
std::mutex s_mutex;
std::vector<Buffer> s_buffers;

void onMix(void *, Uint8 *stream, int length) {
    const auto now = Clock::now();
    const auto *samples = reinterpret_cast<const Sint16 *>(stream);
    int peak = 0;
    for (int i = 0; i < length / 2; ++i)
        peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
    const std::lock_guard lock(s_mutex);
    s_buffers.push_back({now, peak});
}

// The first buffer mixed after a moment that is loud (or silent).
bool firstBufferAfter(Clock::time_point since, bool loud, Clock::time_point &at) {
    const std::lock_guard lock(s_mutex);
    for (const Buffer &buffer : s_buffers) {
        if (buffer.at >= since && (buffer.peak > 0) == loud) {
            at = buffer.at;
            return true;
        }
    }
    return false;
}

template <typename Condition>
bool runUntil(Condition condition, int milliseconds = 2000) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    while (!condition()) {
        if (Clock::now() > deadline)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        QThread::usleep(200);
    }
    return true;
}

void pause(int milliseconds) {
    const auto until = Clock::now() + std::chrono::milliseconds(milliseconds);
    runUntil([until] { return Clock::now() >= until; }, milliseconds + 100);
}

class SilentMessages : public quillora::Messages {
public:
    quillora::AsyncOp<void> inform(const QString &text) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return quillora::AsyncOp<void>::ready();
    }
    quillora::AsyncOp<bool> askYesNo(const QString &) override {
        return quillora::AsyncOp<bool>::ready(true);
    }
    quillora::AsyncOp<bool> askOkCancel(const QString &) override {
        return quillora::AsyncOp<bool>::ready(true);
    }
};

double millis(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void report(const char *what, std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const auto at = [&values](double q) {
        return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1))];
    };
    std::printf("%-18s n=%zu  min %.1f  median %.1f  p95 %.1f  max %.1f ms  (goal < 50 ms: %s)\n",
                what, values.size(), values.front(), at(0.5), at(0.95), values.back(),
                at(0.95) < 50.0 ? "met" : "MISSED");
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;

    QTemporaryDir dir;
    const quillora::AppFolder folder(dir.path());
    std::vector<std::int16_t> tone(22050 * 2);
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = (i / 25) % 2 ? -8000 : 8000;
    const std::vector<std::int16_t> click(2205); // the stop click, silent here
    if (!quillora::writeWav(folder.filePath(QStringLiteral("tone.wav")), tone) ||
        !quillora::writeWav(folder.filePath(QStringLiteral("com_stop.wav")), click)) {
        std::fprintf(stderr, "cannot write the test sounds\n");
        return 1;
    }

    SilentMessages messages;
    auto media = quillora::createMediaServices(folder, messages);
    std::printf("driver: %s\n", qPrintable(media->driverName()));
    Mix_SetPostMix(&onMix, nullptr);

    std::vector<double> starts, stops;
    for (int round = 0; round < rounds; ++round) {
        pause(5 + (round * 7) % 23); // land at every phase of the device's buffer

        const auto played = Clock::now();
        media->sound().playAsync(QStringLiteral("tone.wav"));
        Clock::time_point heard;
        if (runUntil([&] { return firstBufferAfter(played, true, heard); }))
            starts.push_back(millis(heard - played));

        pause(60);
        const auto stopped = Clock::now();
        auto stop = media->sound().stop();
        Clock::time_point quiet;
        if (runUntil([&] { return firstBufferAfter(stopped, false, quiet); }))
            stops.push_back(millis(quiet - stopped));
        runUntil([&stop] { return stop.isSettled(); });
    }
    Mix_SetPostMix(nullptr, nullptr);

    if (starts.empty() || stops.empty()) {
        std::fprintf(stderr, "the mixer never carried the sound\n");
        return 1;
    }
    report("play to sound:", starts);
    report("stop to silence:", stops);
    return 0;
}
