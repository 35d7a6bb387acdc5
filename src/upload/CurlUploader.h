#pragma once

#include "core/services/Uploader.h"

#include <memory>

namespace quillora {

// The upload server reached with libcurl. Every call runs on a worker thread of its own; the
// one libcurl handle is kept between calls so the transfers share the logged-on connection.
class CurlUploader : public Uploader {
public:
    CurlUploader();
    ~CurlUploader() override;

    AsyncOp<TransferResult> connect(const UploadSettings &server) override;
    AsyncOp<TransferResult> send(const QString &localPath, const QString &remoteName,
                                 std::function<void(int)> progress) override;
    AsyncOp<TransferResult> close() override;
    void stop() override;
    QList<UploadLogEntry> conversation() const override;

    struct Session;

private:
    std::shared_ptr<Session> m_session;
};

} // namespace quillora
