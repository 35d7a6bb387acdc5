#include "media/SdlMusicChannel.h"

#include "core/services/Messages.h"
#include "core/services/Recorder.h"

#include <SDL_mixer.h>

#include <QFile>
#include <QFileInfo>

namespace quillora {

namespace {

bool isNoMusic(const QString &path) {
    return path.isEmpty() || path == QLatin1String("none");
}

// The synthesiser takes any bytes in a ".mid" file and "plays" them as silence; a teacher
// who picked a broken file should hear why nothing sounds.
bool isBrokenMidi(const QString &path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("mid") && suffix != QLatin1String("midi") &&
        suffix != QLatin1String("rmi"))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false; // the mixer will say it cannot open it
    const QByteArray head = file.read(12);
    const bool standard = head.startsWith("MThd");
    const bool riff = head.startsWith("RIFF") && head.mid(8, 4) == "RMID";
    return !standard && !riff;
}

} // namespace

QString SdlMusicChannel::soundFontPath() {
    // The package's own file first; the generic name is an alternatives link that another
    // font package may have taken over.
    for (const char *candidate :
         {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2"}) {
        const QString path = QString::fromLatin1(candidate);
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

SdlMusicChannel::SdlMusicChannel(Messages &messages, Recorder &recorder)
    : m_messages(messages)
    , m_recorder(recorder) {
    const QString font = soundFontPath();
    if (!font.isEmpty())
        Mix_SetSoundFonts(QFile::encodeName(font).constData());
}

SdlMusicChannel::~SdlMusicChannel() {
    if (m_music) {
        Mix_HaltMusic();
        Mix_FreeMusic(m_music);
    }
}

void SdlMusicChannel::startBackgroundMusic() {
    if (isNoMusic(m_current))
        return;
    closeAllMedia();
    if (!isBrokenMidi(m_current))
        m_music = Mix_LoadMUS(QFile::encodeName(m_current).constData());
    if (!m_music) {
        static_cast<void>(m_messages.inform(QStringLiteral("Error opening midi file!")));
        return;
    }
    // Plays once; the page turns restart it through checkMusicLoop.
    if (Mix_PlayMusic(m_music, 0) != 0) {
        static_cast<void>(m_messages.inform(QStringLiteral("Error playing midi file!")));
        return;
    }
    m_started = true;
}

void SdlMusicChannel::closeAllMedia() {
    if (m_music) {
        Mix_HaltMusic();
        Mix_FreeMusic(m_music);
        m_music = nullptr;
    }
    m_started = false;
    m_recorder.close();
}

bool SdlMusicChannel::isPlaying() const {
    return m_started && Mix_PlayingMusic() != 0;
}

void SdlMusicChannel::checkMusicLoop(int musicOption) {
    if (musicOption != 1)
        return;
    // A piece that opened but never played has not "reached its end"; restarting it at
    // every page would only repeat the error message.
    if (!m_started || Mix_PlayingMusic() != 0)
        return;
    closeAllMedia();
    startBackgroundMusic();
}

} // namespace quillora
