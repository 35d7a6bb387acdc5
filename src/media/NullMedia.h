#pragma once

#include "core/services/ComputerVoice.h"
#include "core/services/MusicChannel.h"
#include "core/services/Recorder.h"
#include "media/VoicePlayer.h"

#include <QObject>
#include <QPointer>

#include <optional>

class QTimer;

namespace quillora {

// For a machine where no sound driver opens at all. Each sound still takes as long as its
// file says, so spoken screens keep their rhythm for a child watching the highlight.
class NullSoundPlayer : public QObject, public VoicePlayer {
    Q_OBJECT
public:
    NullSoundPlayer(const AppFolder &folder, Messages &messages, QObject *parent = nullptr);
    ~NullSoundPlayer() override;

protected:
    AsyncOp<SoundEnd> startVoice(const QString &path, LoopMode mode) override;
    void silenceVoice() override;

private:
    void end(SoundEnd how);
    QPointer<QTimer> m_timer;
    std::optional<Promise<SoundEnd>> m_current;
    quint64 m_generation = 0;
};

// Remembers the piece and closes the recorder; plays nothing and reports nothing, since the
// machine's silence is not the teacher's or the child's mistake.
class NullMusicChannel : public MusicChannel {
public:
    explicit NullMusicChannel(Recorder &recorder)
        : m_recorder(recorder) {}

    QString currentMusicFile() const override { return m_current; }
    void setCurrentMusicFile(const QString &path) override { m_current = path; }
    void startBackgroundMusic() override {}
    void closeAllMedia() override { m_recorder.close(); }
    void checkMusicLoop(int) override {}

private:
    Recorder &m_recorder;
    QString m_current;
};

// No microphone: nothing starts and nothing is saved.
class NullRecorder : public Recorder {
public:
    bool start() override { return false; }
    Result<void> save(const QString &path) override;
    void close() override {}
    bool isCapturing() const override { return false; }
};

// No speech data: every text is refused with the reason, and the old file stays.
class NullComputerVoice : public ComputerVoice {
public:
    explicit NullComputerVoice(QString reason)
        : m_reason(std::move(reason)) {}

    bool isAvailable() const override { return false; }
    Result<void> speakToFile(const QString &text, const QString &language,
                             const QString &path) override;

private:
    QString m_reason;
};

} // namespace quillora
