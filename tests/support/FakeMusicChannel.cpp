#include "FakeMusicChannel.h"

#include "core/services/Messages.h"
#include "core/services/Recorder.h"

#include <QFileInfo>

namespace quillora::test {

FakeMusicChannel::FakeMusicChannel(Messages &messages, Recorder *recorder)
    : m_messages(messages)
    , m_recorder(recorder) {}

void FakeMusicChannel::setCurrentMusicFile(const QString &path) {
    calls.append(QStringLiteral("setCurrentMusicFile ") + path);
    m_current = path;
}

void FakeMusicChannel::startBackgroundMusic() {
    calls.append(QStringLiteral("startBackgroundMusic"));
    if (m_current.isEmpty() || m_current == QLatin1String("none"))
        return;
    closeAllMedia();
    if (!QFileInfo(m_current).isFile()) {
        static_cast<void>(m_messages.inform(QStringLiteral("Error opening midi file!")));
        return;
    }
    if (std::exchange(failNextPlay, false)) {
        static_cast<void>(m_messages.inform(QStringLiteral("Error playing midi file!")));
        m_state = State::OpenNotPlaying;
        return;
    }
    m_state = State::Playing;
    started.append(m_current);
}

void FakeMusicChannel::closeAllMedia() {
    calls.append(QStringLiteral("closeAllMedia"));
    m_state = State::Closed;
    if (m_recorder)
        m_recorder->close();
}

void FakeMusicChannel::checkMusicLoop(int musicOption) {
    calls.append(QStringLiteral("checkMusicLoop %1").arg(musicOption));
    if (musicOption != 1 || m_state != State::Finished)
        return;
    closeAllMedia();
    startBackgroundMusic();
}

void FakeMusicChannel::finishPiece() {
    if (m_state == State::Playing)
        m_state = State::Finished;
}

} // namespace quillora::test
