#include "media/VoicePlayer.h"

#include <QDir>
#include <QFileInfo>

namespace quillora {

QString soundFilePath(const AppFolder &folder, const QString &name) {
    QString path = folder.resolve(name);
    if (!path.isEmpty() && QDir::isRelativePath(path) && folder.isValid())
        path = QDir(folder.root()).filePath(path);
    return path;
}

QString locateSoundFile(const AppFolder &folder, const QString &name) {
    const QString path = soundFilePath(folder, name);
    return !path.isEmpty() && QFileInfo(path).isFile() ? path : QString();
}

VoicePlayer::VoicePlayer(const AppFolder &folder, Messages &messages)
    : m_folder(folder)
    , m_notices(messages) {}

AsyncOp<SoundEnd> VoicePlayer::play(const QString &name, LoopMode mode) {
    return request(name, name, mode, true);
}

void VoicePlayer::playAsync(const QString &name, LoopMode mode) {
    const QString resolved = m_folder.resolve(name);
    // Nobody waits for it; the voice keeps what it needs.
    static_cast<void>(request(resolved, resolved, mode, false));
}

AsyncOp<SoundEnd> VoicePlayer::stop() {
    // The stop itself must not depend on the click being there: a missing "com_stop.wav"
    // would otherwise leave the old sound talking over the next screen.
    silenceVoice();
    const QString click = m_folder.resolve(QStringLiteral("com_stop.wav"));
    return request(click, click, LoopMode::Once, true);
}

AsyncOp<SoundEnd> VoicePlayer::request(const QString &name, const QString &shownName, LoopMode mode,
                                       bool waiting) {
    // Callers pass the empty name for "no sound here"; that is silence, not an error.
    if (name.isEmpty())
        return AsyncOp<SoundEnd>::ready(SoundEnd::Finished);
    const QString path = locateSoundFile(m_folder, name);
    if (path.isEmpty())
        return m_notices.report(soundFilePath(m_folder, name),
                                QStringLiteral("Couldn't find file ") + shownName, waiting);
    m_notices.found(path);
    return startVoice(path, mode);
}

} // namespace quillora
