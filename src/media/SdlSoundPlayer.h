#pragma once

#include "media/VoicePlayer.h"

#include <QObject>

#include <deque>

struct Mix_Chunk;

namespace quillora {

// The wave voice on the sound library's mixer: one mixer channel, so a new sound cuts off
// the one in progress. Needs an open SdlAudio for its whole life.
class SdlSoundPlayer : public QObject, public VoicePlayer {
    Q_OBJECT
public:
    SdlSoundPlayer(const AppFolder &folder, Messages &messages, QObject *parent = nullptr);
    ~SdlSoundPlayer() override;

    // True while a sound is in the voice (for diagnostics and tests).
    bool isSounding() const;

protected:
    AsyncOp<SoundEnd> startVoice(const QString &path, LoopMode mode) override;
    void silenceVoice() override;

private:
    struct Voice {
        quint64 generation = 0;
        Mix_Chunk *chunk = nullptr;
        Promise<SoundEnd> promise;
    };

    void voiceEnded();
    void cancelled(quint64 generation);
    static void channelFinished(int channel);

    // Sounds started whose end the mixer has not reported yet, oldest first. The mixer ends
    // sounds in the order they started, once each, so each report belongs to the front one.
    std::deque<Voice> m_voices;
    quint64 m_generation = 0;
};

} // namespace quillora
