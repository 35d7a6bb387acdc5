#include "media/MediaServices.h"

#include "media/EspeakVoice.h"
#include "media/NullMedia.h"
#include "media/SdlAudio.h"
#include "media/SdlMusicChannel.h"
#include "media/SdlRecorder.h"
#include "media/SdlSoundPlayer.h"

namespace quillora {

namespace {

// Members are destroyed in reverse order: the players go before the device they play on.
class SdlMediaServices : public MediaServices {
public:
    SdlMediaServices(std::unique_ptr<SdlAudio> audio, const AppFolder &folder, Messages &messages)
        : m_audio(std::move(audio))
        , m_recorder(!m_audio->fellBack())
        , m_sound(folder, messages)
        , m_music(messages, m_recorder) {}

    SoundPlayer &sound() override { return m_sound; }
    MusicChannel &music() override { return m_music; }
    Recorder &recorder() override { return m_recorder; }
    ComputerVoice &voice() override { return *m_voice; }
    QString driverName() const override { return m_audio->driverName(); }

private:
    std::unique_ptr<SdlAudio> m_audio;
    SdlRecorder m_recorder;
    SdlSoundPlayer m_sound;
    SdlMusicChannel m_music;
    std::unique_ptr<ComputerVoice> m_voice = createComputerVoice();
};

class SilentMediaServices : public MediaServices {
public:
    SilentMediaServices(const AppFolder &folder, Messages &messages)
        : m_sound(folder, messages)
        , m_music(m_recorder) {}

    SoundPlayer &sound() override { return m_sound; }
    MusicChannel &music() override { return m_music; }
    Recorder &recorder() override { return m_recorder; }
    ComputerVoice &voice() override { return *m_voice; }
    QString driverName() const override { return {}; }

private:
    NullRecorder m_recorder;
    NullSoundPlayer m_sound;
    NullMusicChannel m_music;
    std::unique_ptr<ComputerVoice> m_voice = createComputerVoice();
};

} // namespace

std::unique_ptr<MediaServices> createMediaServices(const AppFolder &folder, Messages &messages) {
    if (auto audio = SdlAudio::open())
        return std::make_unique<SdlMediaServices>(std::move(audio), folder, messages);
    return std::make_unique<SilentMediaServices>(folder, messages);
}

} // namespace quillora
