#pragma once

#include "core/services/MusicChannel.h"

struct _Mix_Music;

namespace quillora {

class Messages;
class Recorder;

// Background music as the mixer's one music stream; MIDI is synthesised with a General MIDI
// SoundFont. Needs an open SdlAudio for its whole life.
class SdlMusicChannel : public MusicChannel {
public:
    // The recorder is closed along with the music by closeAllMedia.
    SdlMusicChannel(Messages &messages, Recorder &recorder);
    ~SdlMusicChannel() override;

    SdlMusicChannel(const SdlMusicChannel &) = delete;
    SdlMusicChannel &operator=(const SdlMusicChannel &) = delete;

    QString currentMusicFile() const override { return m_current; }
    void setCurrentMusicFile(const QString &path) override { m_current = path; }
    void startBackgroundMusic() override;
    void closeAllMedia() override;
    void checkMusicLoop(int musicOption) override;

    // Open and still sounding (for diagnostics and tests).
    bool isPlaying() const;
    bool isOpen() const { return m_music != nullptr; }

    // The SoundFont MIDI is played with: Debian's General MIDI font.
    static QString soundFontPath();

private:
    Messages &m_messages;
    Recorder &m_recorder;
    QString m_current;
    _Mix_Music *m_music = nullptr;
    bool m_started = false; // open and "play" succeeded
};

} // namespace quillora
