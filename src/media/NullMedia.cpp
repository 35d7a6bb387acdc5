#include "media/NullMedia.h"

#include "core/WavFile.h"

#include <QFileInfo>
#include <QTimer>

#include <cmath>

namespace quillora {

NullSoundPlayer::NullSoundPlayer(const AppFolder &folder, Messages &messages, QObject *parent)
    : QObject(parent)
    , VoicePlayer(folder, messages) {}

NullSoundPlayer::~NullSoundPlayer() {
    end(SoundEnd::CutOff);
}

AsyncOp<SoundEnd> NullSoundPlayer::startVoice(const QString &path, LoopMode mode) {
    silenceVoice();
    const auto info = readWavInfo(path);
    if (!info)
        return AsyncOp<SoundEnd>::ready(SoundEnd::Finished);
    Promise<SoundEnd> promise;
    m_current = promise;
    const quint64 generation = ++m_generation;
    QPointer<NullSoundPlayer> self(this);
    promise.onCancel([self, generation] {
        if (self && self->m_generation == generation)
            self->end(SoundEnd::CutOff);
    });
    // A looping sound lasts until something cuts it off.
    if (mode == LoopMode::Once) {
        m_timer = new QTimer(this);
        m_timer->setTimerType(Qt::PreciseTimer);
        m_timer->setSingleShot(true);
        connect(m_timer, &QTimer::timeout, this, [this] { end(SoundEnd::Finished); });
        m_timer->start(static_cast<int>(std::lround(info->durationSeconds() * 1000.0)));
    }
    return promise.op();
}

void NullSoundPlayer::silenceVoice() {
    end(SoundEnd::CutOff);
}

void NullSoundPlayer::end(SoundEnd how) {
    if (m_timer) {
        m_timer->stop();
        m_timer->deleteLater();
    }
    m_timer = nullptr;
    if (auto promise = std::exchange(m_current, std::nullopt))
        promise->resolve(how);
}

Result<void> NullRecorder::save(const QString &path) {
    return FileError{QStringLiteral("Nothing was recorded"), QFileInfo(path).fileName()};
}

Result<void> NullComputerVoice::speakToFile(const QString &, const QString &, const QString &path) {
    return FileError{m_reason, QFileInfo(path).fileName()};
}

} // namespace quillora
