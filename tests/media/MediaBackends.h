#pragma once

#include "FakeMessages.h"
#include "FakeMusicChannel.h"
#include "FakeRecorder.h"
#include "FakeSoundPlayer.h"
#include "TempAppFolder.h"
#include "VirtualClock.h"
#include "core/services/Recorder.h"
#include "media/MediaServices.h"
#include "media/SdlMusicChannel.h"
#include "media/SdlSoundPlayer.h"

#include <QElapsedTimer>
#include <QTest>

#include <cmath>
#include <functional>
#include <memory>
#include <ostream>

// Readable failure output for the texts and lists these tests compare.
inline void PrintTo(const QString &text, std::ostream *out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList &texts, std::ostream *out) {
    *out << '{';
    for (const QString &text : texts) {
        PrintTo(text, out);
        *out << ' ';
    }
    *out << '}';
}

// The same behaviour tests run on the doubles the flow tests use and on the real sound
// library under its dummy driver, so the doubles cannot drift from what children hear.
namespace quillora::test {

// The doubles, on virtual time: exact.
struct FakeMedia {
    static constexpr double tolerance = 1e-9;

    TempAppFolder app;
    FakeMessages messages;
    VirtualClock clock;
    FakeRecorder recorderDouble{&clock};
    FakeSoundPlayer soundDouble{app.folder(), clock, messages};
    FakeMusicChannel musicDouble{messages, &recorderDouble};

    SoundPlayer &sound() { return soundDouble; }
    MusicChannel &music() { return musicDouble; }
    Recorder &recorder() { return recorderDouble; }
    double now() const { return clock.now(); }
    bool waitFor(const std::function<bool()> &condition, double seconds) {
        return runUntil(clock, condition, seconds);
    }
    void pass(double seconds) {
        clock.advanceBy(seconds);
        drainEvents();
    }
    bool isSounding() const { return soundDouble.isSounding(); }
    bool isMusicPlaying() const { return musicDouble.isPlaying(); }
    bool waitForPieceEnd() {
        musicDouble.finishPiece();
        return true;
    }
};

// The real services on the dummy driver, on real time: the mixer hands sounds over in
// buffers of about 23 ms, so times are good to a tenth of a second.
struct SdlMedia {
    static constexpr double tolerance = 0.1;

    TempAppFolder app;
    FakeMessages messages;
    std::unique_ptr<MediaServices> media = createMediaServices(app.folder(), messages);
    QElapsedTimer elapsed = started();

    SoundPlayer &sound() { return media->sound(); }
    MusicChannel &music() { return media->music(); }
    Recorder &recorder() { return media->recorder(); }
    double now() const { return static_cast<double>(elapsed.nsecsElapsed()) / 1e9; }
    bool waitFor(const std::function<bool()> &condition, double seconds) {
        return QTest::qWaitFor(condition, static_cast<int>(std::lround(seconds * 1000)));
    }
    void pass(double seconds) { QTest::qWait(static_cast<int>(std::lround(seconds * 1000))); }
    bool isSounding() { return dynamic_cast<SdlSoundPlayer &>(media->sound()).isSounding(); }
    bool isMusicPlaying() { return dynamic_cast<SdlMusicChannel &>(media->music()).isPlaying(); }
    // The synthesiser lets the last note ring and waits a moment more: about 3 s for the
    // short test tune.
    bool waitForPieceEnd() {
        return waitFor([this] { return !isMusicPlaying(); }, 8.0);
    }

private:
    static QElapsedTimer started() {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }
};

} // namespace quillora::test
