#include "media/SdlSoundPlayer.h"

#include <SDL_mixer.h>

#include <QFile>
#include <QPointer>

#include <atomic>

namespace quillora {

namespace {

constexpr int voiceChannel = 0;

// The mixer's callback carries no user data; there is only one mixer, so one player.
std::atomic<SdlSoundPlayer *> s_player{nullptr};

} // namespace

SdlSoundPlayer::SdlSoundPlayer(const AppFolder &folder, Messages &messages, QObject *parent)
    : QObject(parent)
    , VoicePlayer(folder, messages) {
    Mix_AllocateChannels(1);
    s_player = this;
    Mix_ChannelFinished(&SdlSoundPlayer::channelFinished);
}

SdlSoundPlayer::~SdlSoundPlayer() {
    // Unhooking takes the mixer's lock, so no callback is running once it returns.
    Mix_ChannelFinished(nullptr);
    s_player = nullptr;
    Mix_HaltChannel(-1);
    for (Voice &voice : m_voices) {
        voice.promise.resolve(SoundEnd::CutOff);
        Mix_FreeChunk(voice.chunk);
    }
}

void SdlSoundPlayer::channelFinished(int) {
    // Runs on the audio thread for a natural end, or inside Mix_HaltChannel on ours; the
    // mixer must not be called from here, so the news goes to the interface thread. Queued
    // events to one object keep their order, which the end-in-order rule above needs.
    if (SdlSoundPlayer *player = s_player.load())
        QMetaObject::invokeMethod(player, &SdlSoundPlayer::voiceEnded, Qt::QueuedConnection);
}

bool SdlSoundPlayer::isSounding() const {
    return Mix_Playing(voiceChannel) != 0;
}

AsyncOp<SoundEnd> SdlSoundPlayer::startVoice(const QString &path, LoopMode mode) {
    silenceVoice();
    Mix_Chunk *chunk = Mix_LoadWAV(QFile::encodeName(path).constData());
    if (!chunk)
        return AsyncOp<SoundEnd>::ready(SoundEnd::Finished);
    const int loops = mode == LoopMode::Loop ? -1 : 0;
    if (Mix_PlayChannel(voiceChannel, chunk, loops) < 0) {
        Mix_FreeChunk(chunk);
        return AsyncOp<SoundEnd>::ready(SoundEnd::Finished);
    }
    Voice voice{++m_generation, chunk, {}};
    // A flow that gives up waiting (its screen closed) takes its sound with it.
    QPointer<SdlSoundPlayer> self(this);
    voice.promise.onCancel([self, generation = voice.generation] {
        if (self)
            self->cancelled(generation);
    });
    AsyncOp<SoundEnd> op = voice.promise.op();
    m_voices.push_back(std::move(voice));
    return op;
}

void SdlSoundPlayer::silenceVoice() {
    // The wait of the sound that plays completes now, not when the mixer's report arrives.
    if (!m_voices.empty())
        m_voices.back().promise.resolve(SoundEnd::CutOff);
    Mix_HaltChannel(voiceChannel);
}

void SdlSoundPlayer::cancelled(quint64 generation) {
    if (!m_voices.empty() && m_voices.back().generation == generation)
        Mix_HaltChannel(voiceChannel);
}

void SdlSoundPlayer::voiceEnded() {
    if (m_voices.empty())
        return;
    Voice voice = std::move(m_voices.front());
    m_voices.pop_front();
    voice.promise.resolve(SoundEnd::Finished); // no effect when it was cut off
    Mix_FreeChunk(voice.chunk);
}

} // namespace quillora
