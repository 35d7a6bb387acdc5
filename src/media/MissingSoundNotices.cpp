#include "media/MissingSoundNotices.h"

#include "core/services/Messages.h"

namespace quillora {

MissingSoundNotices::MissingSoundNotices(Messages &messages)
    : m_messages(messages) {}

MissingSoundNotices::~MissingSoundNotices() {
    // Nobody is left to answer for: the flows still held go on.
    for (const Promise<SoundEnd> &held : m_heldByBox)
        held.resolve(SoundEnd::Missing);
    for (const Waiter &waiter : m_queued)
        waiter.promise.resolve(SoundEnd::Missing);
}

AsyncOp<SoundEnd> MissingSoundNotices::report(const QString &path, const QString &text,
                                              bool waiting) {
    const auto held = [this](std::vector<Promise<SoundEnd>> &into) {
        into.emplace_back();
        return into.back().op();
    };
    if (m_boxOpen && path == m_shownPath)
        return waiting ? held(m_heldByBox) : AsyncOp<SoundEnd>::ready(SoundEnd::Missing);
    if (m_reported.contains(path))
        return AsyncOp<SoundEnd>::ready(SoundEnd::Missing);
    if (m_boxOpen) {
        if (!waiting)
            return AsyncOp<SoundEnd>::ready(SoundEnd::Missing);
        m_queued.push_back({path, text, {}});
        return m_queued.back().promise.op();
    }
    show(path, text);
    if (!m_boxOpen || !waiting)
        return AsyncOp<SoundEnd>::ready(SoundEnd::Missing);
    return held(m_heldByBox);
}

void MissingSoundNotices::found(const QString &path) {
    m_reported.remove(path);
}

void MissingSoundNotices::show(const QString &path, const QString &text) {
    m_reported.insert(path);
    m_shownPath = path;
    AsyncOp<void> box = m_messages.inform(text);
    if (box.isSettled())
        return; // answered already
    m_boxOpen = true;
    m_scope.start(awaitAnswer(std::move(box)));
}

QCoro::Task<> MissingSoundNotices::awaitAnswer(AsyncOp<void> box) {
    try {
        co_await m_scope(std::move(box));
    } catch (const Cancelled &) {
        throw; // this object is going away: touch nothing
    } catch (const std::exception &) {
        // A box that went away unanswered lets its callers go on all the same.
    }
    answered();
}

void MissingSoundNotices::answered() {
    m_boxOpen = false;
    for (const Promise<SoundEnd> &held : std::exchange(m_heldByBox, {}))
        held.resolve(SoundEnd::Missing);
    while (!m_queued.empty()) {
        Waiter next = std::move(m_queued.front());
        m_queued.pop_front();
        if (next.promise.isSettled())
            continue; // its flow has gone
        if (!m_reported.contains(next.path))
            show(next.path, next.text);
        if (m_boxOpen) {
            m_heldByBox.push_back(next.promise);
            return;
        }
        next.promise.resolve(SoundEnd::Missing);
    }
}

} // namespace quillora
