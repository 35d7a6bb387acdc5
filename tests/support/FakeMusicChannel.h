#pragma once

#include "core/services/MusicChannel.h"

#include <QStringList>

namespace quillora {
class Messages;
class Recorder;
} // namespace quillora

namespace quillora::test {

// A music channel that plays nothing but keeps the channel's states and records every call.
// A piece "opens" when its file exists; the test decides when it has played to its end.
class FakeMusicChannel : public MusicChannel {
public:
    enum class State { Closed, Playing, Finished, OpenNotPlaying };

    // closeAllMedia also closes the recorder when one is given.
    explicit FakeMusicChannel(Messages &messages, Recorder *recorder = nullptr);

    QString currentMusicFile() const override { return m_current; }
    void setCurrentMusicFile(const QString &path) override;
    void startBackgroundMusic() override;
    void closeAllMedia() override;
    void checkMusicLoop(int musicOption) override;

    // The piece has played to its end.
    void finishPiece();

    State state() const { return m_state; }
    bool isPlaying() const { return m_state == State::Playing; }

    // Every call in order: "setCurrentMusicFile <path>", "startBackgroundMusic",
    // "closeAllMedia", "checkMusicLoop <option>".
    QStringList calls;
    // Every piece that began playing, restarts included.
    QStringList started;
    // The next start opens its piece but cannot play it.
    bool failNextPlay = false;

private:
    Messages &m_messages;
    Recorder *m_recorder;
    QString m_current;
    State m_state = State::Closed;
};

} // namespace quillora::test
