#include "FakeSoundPlayer.h"

#include "VirtualClock.h"
#include "core/WavFile.h"
#include "core/services/Messages.h"

#include <QDir>
#include <QFileInfo>

namespace quillora::test {

namespace {

QString locate(const AppFolder &folder, const QString &name) {
    QString path = folder.resolve(name);
    if (QDir::isRelativePath(path) && folder.isValid())
        path = QDir(folder.root()).filePath(path);
    return QFileInfo(path).isFile() ? path : QString();
}

FakeSoundPlayer::Play newPlay(const QString &name, LoopMode mode, bool awaited) {
    FakeSoundPlayer::Play play;
    play.name = name;
    play.mode = mode;
    play.awaited = awaited;
    return play;
}

} // namespace

FakeSoundPlayer::FakeSoundPlayer(const AppFolder &folder, VirtualClock &clock, Messages &messages)
    : m_folder(folder)
    , m_clock(clock)
    , m_messages(messages) {}

FakeSoundPlayer::~FakeSoundPlayer() {
    end(SoundEnd::CutOff);
}

AsyncOp<SoundEnd> FakeSoundPlayer::play(const QString &name, LoopMode mode) {
    return request(name, name, newPlay(name, mode, true));
}

void FakeSoundPlayer::playAsync(const QString &name, LoopMode mode) {
    const QString resolved = m_folder.resolve(name);
    static_cast<void>(request(resolved, resolved, newPlay(name, mode, false)));
}

AsyncOp<SoundEnd> FakeSoundPlayer::stop() {
    stops.push_back(m_clock.now());
    end(SoundEnd::CutOff);
    const QString click = m_folder.resolve(QStringLiteral("com_stop.wav"));
    Play play = newPlay(click, LoopMode::Once, true);
    play.stopClick = true;
    return request(click, click, std::move(play));
}

AsyncOp<SoundEnd> FakeSoundPlayer::request(const QString &name, const QString &shownName,
                                           Play play) {
    if (name.isEmpty())
        return AsyncOp<SoundEnd>::ready(SoundEnd::Finished);
    play.path = locate(m_folder, name);
    if (play.path.isEmpty()) {
        static_cast<void>(m_messages.inform(QStringLiteral("Couldn't find file ") + shownName));
        return AsyncOp<SoundEnd>::ready(SoundEnd::Missing);
    }
    end(SoundEnd::CutOff);
    play.startedAt = m_clock.now();
    const auto info = readWavInfo(play.path);
    if (!info) {
        // A file that exists but is no sound: silence, at once, like the real voice.
        play.end = SoundEnd::Finished;
        play.endedAt = play.startedAt;
        plays.push_back(std::move(play));
        return AsyncOp<SoundEnd>::ready(SoundEnd::Finished);
    }
    play.duration = info->durationSeconds();
    const bool once = play.mode == LoopMode::Once;
    const double endsAt = play.startedAt + play.duration;
    plays.push_back(std::move(play));

    Promise<SoundEnd> promise;
    const std::uint64_t generation = ++m_generation;
    std::weak_ptr<bool> alive = m_alive;
    promise.onCancel([this, alive, generation] {
        if (!alive.expired() && m_generation == generation)
            end(SoundEnd::CutOff);
    });
    std::uint64_t ticket = 0;
    if (once)
        ticket = m_clock.schedule(endsAt, [this] { end(SoundEnd::Finished); });
    m_current = Current{plays.size() - 1, promise, ticket, once};
    return promise.op();
}

void FakeSoundPlayer::end(SoundEnd how) {
    auto current = std::exchange(m_current, std::nullopt);
    if (!current)
        return;
    if (current->scheduled && how != SoundEnd::Finished)
        m_clock.cancel(current->ticket);
    Play &play = plays[current->index];
    play.end = how;
    play.endedAt = m_clock.now();
    current->promise.resolve(how);
}

QStringList FakeSoundPlayer::played() const {
    QStringList names;
    for (const Play &play : plays) {
        if (!play.stopClick)
            names.append(QFileInfo(play.path).fileName());
    }
    return names;
}

QString FakeSoundPlayer::sounding() const {
    return m_current ? QFileInfo(plays[m_current->index].path).fileName() : QString();
}

} // namespace quillora::test
