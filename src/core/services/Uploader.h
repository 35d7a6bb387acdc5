#pragma once

#include "core/async/AsyncOp.h"

#include <QList>
#include <QString>

#include <functional>

namespace quillora {

struct UploadSettings;

// One line of the conversation with the server, for "log.xml".
struct UploadLogEntry {
    enum class Kind { Note, Sent, Received };
    Kind kind = Kind::Note;
    QString text;
};

enum class TransferStatus {
    Done,
    Failed,  // refused, unreachable, timed out or cut off; reason says which
    Stopped, // ended by stop(): nothing more was sent
};

struct TransferResult {
    TransferStatus status = TransferStatus::Failed;
    QString reason;
    bool done() const { return status == TransferStatus::Done; }
};

// Sends files to the upload server. Each call returns at once; the network work runs off
// the interface thread and the operation completes on it. One call runs at a time: a caller
// awaits each before making the next.
class Uploader {
public:
    virtual ~Uploader() = default;

    // Begins a fresh conversation (the previous one and its log are forgotten) and logs on,
    // using TLS as the settings ask, then makes sure the server's folder is there.
    virtual AsyncOp<TransferResult> connect(const UploadSettings &server) = 0;

    // Sends a local file under a name in the server's folder. progress(percent) is called on
    // the interface thread as the file goes out, 0 to 100.
    virtual AsyncOp<TransferResult> send(const QString &localPath, const QString &remoteName,
                                         std::function<void(int)> progress) = 0;

    // The closing call: logs off and lets the connection go.
    virtual AsyncOp<TransferResult> close() = 0;

    // Ends the call in progress within a second, which then completes as Stopped. The
    // uploader stays usable: the next connect starts afresh.
    virtual void stop() = 0;

    // What was said with the server since the last connect.
    virtual QList<UploadLogEntry> conversation() const = 0;
};

} // namespace quillora
