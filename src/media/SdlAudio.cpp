#include "media/SdlAudio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QDebug>

namespace quillora {

namespace {

bool s_open = false;

bool openMixer() {
    // 44.1 kHz stereo suits both the 22050 Hz announcements and the synthesised music;
    // 1024 frames keep the start of a sound within about 25 ms.
    return Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, AUDIO_S16SYS, 2, SdlAudio::bufferFrames) == 0;
}

} // namespace

std::unique_ptr<SdlAudio> SdlAudio::open() {
    if (s_open)
        return nullptr;
    std::unique_ptr<SdlAudio> audio(new SdlAudio);
    audio->m_initialisedSubsystem = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (!audio->m_initialisedSubsystem || !openMixer()) {
        // Without a sound card the first driver fails fast; the dummy driver keeps the
        // program's timing (announcements still take as long as they last).
        qInfo("No sound device (%s); playing silently", SDL_GetError());
        SDL_AudioQuit();
        if (SDL_AudioInit("dummy") != 0 || !openMixer()) {
            qWarning("No sound at all: %s", SDL_GetError());
            SDL_AudioQuit();
            if (audio->m_initialisedSubsystem)
                SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return nullptr;
        }
        audio->m_fellBack = true;
    }
    Mix_Init(MIX_INIT_MID);
    audio->m_driver = QString::fromUtf8(SDL_GetCurrentAudioDriver());
    s_open = true;
    return audio;
}

SdlAudio::~SdlAudio() {
    Mix_CloseAudio();
    Mix_Quit();
    // The fallback initialised the driver outside the subsystem count, so quit it directly.
    if (m_fellBack || !m_initialisedSubsystem)
        SDL_AudioQuit();
    if (m_initialisedSubsystem)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    s_open = false;
}

} // namespace quillora
