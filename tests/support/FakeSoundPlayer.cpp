#include "FakeSoundPlayer.h"

#include "VirtualClock.h"
#include "core/WavFile.h"
#include "core/async/FlowScope.h"
#include "core/services/Messages.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <deque>

namespace quillora::test {

namespace {

QString lookupPath(const AppFolder &folder, const QString &name) {
    QString path = folder.resolve(name);
    if (QDir::isRelativePath(path) && folder.isValid())
        path = QDir(folder.root()).filePath(path);
    return path;
}

FakeSoundPlayer::Play newPlay(const QString &name, LoopMode mode, bool awaited) {
    FakeSoundPlayer::Play play;
    play.name = name;
    play.mode = mode;
    play.awaited = awaited;
    return play;
}

} // namespace

// The real players' missing-file rules, restated for the double (the media tests run the
// same bodies on both): one box at a time; a file reported once stays quiet while it is
// missing; a waiting caller is held until the box naming its file is answered, queueing
// behind a box on show; a caller who does not wait is not queued.
class FakeSoundPlayer::Notices {
public:
    explicit Notices(Messages &messages)
        : m_messages(messages) {}
    ~Notices() {
        for (const Promise<SoundEnd> &held : m_held)
            held.resolve(SoundEnd::Missing);
        for (const Waiter &waiter : m_queued)
            waiter.promise.resolve(SoundEnd::Missing);
    }

    AsyncOp<SoundEnd> report(const QString &path, const QString &text, bool waiting) {
        if (m_open && path == m_shownPath)
            return waiting ? hold() : missing();
        if (m_reported.contains(path) || (m_open && !waiting))
            return missing();
        if (m_open) {
            m_queued.push_back({path, text, {}});
            return m_queued.back().promise.op();
        }
        show(path, text);
        return m_open && waiting ? hold() : missing();
    }
    void found(const QString &path) { m_reported.remove(path); }

private:
    struct Waiter {
        QString path;
        QString text;
        Promise<SoundEnd> promise;
    };
    static AsyncOp<SoundEnd> missing() { return AsyncOp<SoundEnd>::ready(SoundEnd::Missing); }
    AsyncOp<SoundEnd> hold() {
        m_held.emplace_back();
        return m_held.back().op();
    }
    void show(const QString &path, const QString &text) {
        m_reported.insert(path);
        m_shownPath = path;
        AsyncOp<void> box = m_messages.inform(text);
        if (box.isSettled())
            return;
        m_open = true;
        m_scope.start(awaitAnswer(std::move(box)));
    }
    QCoro::Task<> awaitAnswer(AsyncOp<void> box) {
        try {
            co_await m_scope(std::move(box));
        } catch (const Cancelled &) {
            throw;
        } catch (const std::exception &) {
        }
        answered();
    }
    void answered() {
        m_open = false;
        for (const Promise<SoundEnd> &held : std::exchange(m_held, {}))
            held.resolve(SoundEnd::Missing);
        while (!m_queued.empty()) {
            Waiter next = std::move(m_queued.front());
            m_queued.pop_front();
            if (next.promise.isSettled())
                continue;
            if (!m_reported.contains(next.path))
                show(next.path, next.text);
            if (m_open) {
                m_held.push_back(next.promise);
                return;
            }
            next.promise.resolve(SoundEnd::Missing);
        }
    }

    Messages &m_messages;
    QSet<QString> m_reported;
    bool m_open = false;
    QString m_shownPath;
    std::vector<Promise<SoundEnd>> m_held;
    std::deque<Waiter> m_queued;
    FlowScope m_scope;
};

FakeSoundPlayer::FakeSoundPlayer(const AppFolder &folder, VirtualClock &clock, Messages &messages)
    : m_folder(folder)
    , m_clock(clock)
    , m_notices(std::make_unique<Notices>(messages)) {}

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
    const QString path = lookupPath(m_folder, name);
    if (!QFileInfo(path).isFile())
        return m_notices->report(path, QStringLiteral("Couldn't find file ") + shownName,
                                 play.awaited);
    m_notices->found(path);
    play.path = path;
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
