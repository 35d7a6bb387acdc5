#pragma once

#include "core/async/FlowScope.h"
#include "core/services/SoundPlayer.h"

#include <QSet>
#include <QString>

#include <deque>
#include <vector>

namespace quillora {

class Messages;

// Tells the teacher about sound files that are not there without burying the screen in
// boxes: one box at a time, and one per missing file for as long as it stays missing.
//
// A caller that waits for its sound is held until the box naming its file is answered, as
// a blocking message box would hold it: then a child's narration does not run on under the
// box. A waiting caller whose file is reported while another box is open queues for its own
// box. A caller that does not wait (a scan's announcement) is never queued: while a box is
// open its file goes unreported and is told of at a later request. A file already reported
// completes at once in silence, so a scan passing a missing announcement at every step
// opens one box, not one per step.
class MissingSoundNotices {
public:
    explicit MissingSoundNotices(Messages &messages);
    ~MissingSoundNotices();
    MissingSoundNotices(const MissingSoundNotices &) = delete;
    MissingSoundNotices &operator=(const MissingSoundNotices &) = delete;

    // The file at path (the one looked up) is missing; text is what its box says. Completes
    // as Missing once the caller may go on.
    AsyncOp<SoundEnd> report(const QString &path, const QString &text, bool waiting);
    // The file at path is there (again): should it go missing later, that is news again.
    void found(const QString &path);

private:
    struct Waiter {
        QString path;
        QString text;
        Promise<SoundEnd> promise;
    };

    void show(const QString &path, const QString &text);
    QCoro::Task<> awaitAnswer(AsyncOp<void> box);
    void answered();

    Messages &m_messages;
    QSet<QString> m_reported;
    bool m_boxOpen = false;
    QString m_shownPath;
    std::vector<Promise<SoundEnd>> m_heldByBox; // waiting for the box on show
    std::deque<Waiter> m_queued;                // waiting for a box of their own
    FlowScope m_scope;                          // last: it ends the wait for the box first
};

} // namespace quillora
