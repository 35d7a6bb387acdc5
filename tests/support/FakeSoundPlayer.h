#pragma once

#include "core/AppFolder.h"
#include "core/services/SoundPlayer.h"

#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace quillora {
class Messages;
}

namespace quillora::test {

class VirtualClock;

// The one wave voice on a virtual clock: each sound lasts as long as its WAV header says,
// a new sound cuts off the one in progress, and every play and stop is recorded with its
// virtual time, so flow tests can assert what a child heard and when. A missing file is told
// of as the real players tell it: one box at a time, once per file while it stays missing,
// and a caller who waits is held until its box is answered. The clock and the messages must
// outlive the player (declare them first).
class FakeSoundPlayer : public SoundPlayer {
public:
    FakeSoundPlayer(const AppFolder &folder, VirtualClock &clock, Messages &messages);
    ~FakeSoundPlayer() override;

    AsyncOp<SoundEnd> play(const QString &name, LoopMode mode = LoopMode::Once) override;
    void playAsync(const QString &name, LoopMode mode = LoopMode::Once) override;
    AsyncOp<SoundEnd> stop() override;

    // One sound that started in the voice.
    struct Play {
        QString name; // as the caller passed it
        QString path; // the file that played
        LoopMode mode = LoopMode::Once;
        bool awaited = false;   // play() rather than playAsync()
        bool stopClick = false; // the "com_stop.wav" of a stop()
        double startedAt = 0;
        double duration = 0; // from the WAV header; 0 for a file that cannot be played
        std::optional<SoundEnd> end;
        double endedAt = -1;
    };
    std::vector<Play> plays;   // every sound that started, in order, stop clicks included
    std::vector<double> stops; // the moment of every stop()

    // File names (no folder) of the sounds the callers asked for, stop clicks left out.
    QStringList played() const;
    // The file name of the sound in the voice, or the empty text in silence.
    QString sounding() const;
    bool isSounding() const { return m_current.has_value(); }

private:
    AsyncOp<SoundEnd> request(const QString &name, const QString &shownName, Play play);
    void end(SoundEnd how);

    class Notices;

    struct Current {
        std::size_t index;
        Promise<SoundEnd> promise;
        std::uint64_t ticket;
        bool scheduled;
    };
    AppFolder m_folder;
    VirtualClock &m_clock;
    std::unique_ptr<Notices> m_notices;
    std::optional<Current> m_current;
    std::uint64_t m_generation = 0;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

} // namespace quillora::test
