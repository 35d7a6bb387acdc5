#include "media/VoicePlayer.h"

#include "core/services/Messages.h"

#include <QDir>
#include <QFileInfo>

namespace quillora {

QString locateSoundFile(const AppFolder &folder, const QString &name) {
    QString path = folder.resolve(name);
    if (path.isEmpty())
        return {};
    if (QDir::isRelativePath(path) && folder.isValid())
        path = QDir(folder.root()).filePath(path);
    return QFileInfo(path).isFile() ? path : QString();
}

VoicePlayer::VoicePlayer(const AppFolder &folder, Messages &messages)
    : m_folder(folder)
    , m_messages(messages) {}

AsyncOp<SoundEnd> VoicePlayer::play(const QString &name, LoopMode mode) {
    return request(name, name, mode);
}

void VoicePlayer::playAsync(const QString &name, LoopMode mode) {
    const QString resolved = m_folder.resolve(name);
    // Nobody waits for it; the voice keeps what it needs.
    static_cast<void>(request(resolved, resolved, mode));
}

AsyncOp<SoundEnd> VoicePlayer::stop() {
    // The stop itself must not depend on the click being there: a missing "com_stop.wav"
    // would otherwise leave the old sound talking over the next screen.
    silenceVoice();
    const QString click = m_folder.resolve(QStringLiteral("com_stop.wav"));
    return request(click, click, LoopMode::Once);
}

AsyncOp<SoundEnd> VoicePlayer::request(const QString &name, const QString &shownName,
                                       LoopMode mode) {
    // Callers pass the empty name for "no sound here"; that is silence, not an error.
    if (name.isEmpty())
        return AsyncOp<SoundEnd>::ready(SoundEnd::Finished);
    const QString path = locateSoundFile(m_folder, name);
    if (path.isEmpty()) {
        static_cast<void>(m_messages.inform(QStringLiteral("Couldn't find file ") + shownName));
        return AsyncOp<SoundEnd>::ready(SoundEnd::Missing);
    }
    return startVoice(path, mode);
}

} // namespace quillora
