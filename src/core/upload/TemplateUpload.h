#pragma once

#include "core/Result.h"
#include "core/async/AsyncOp.h"
#include "core/services/Services.h"
#include "core/upload/UploadFiles.h"
#include "core/upload/UploadSettings.h"

#include <qcoro/qcorotask.h>

#include <QString>

#include <functional>
#include <memory>

namespace quillora {

class FlowScope;

// The template's cabinet, built in "disk1" from a fresh staging of the template: its full
// path and its CabinetName (the cabinet is "Template_" CabinetName ".cab").
struct PreparedCabinet {
    QString cabinetPath;
    QString cabinetName;
};

// Stages the template and builds its cabinet off the interface thread, reporting progress
// in percent on the interface thread. A failure carries the message for the teacher (a
// missing media file gives the export's message).
using PrepareCabinet =
    std::function<AsyncOp<Result<PreparedCabinet>>(int storyId, std::function<void(int)> percent)>;

enum class StatusColour { Green, Red };

// What the upload shows as it goes: the status line, the progress bar and whether a
// transfer is running (so it can be stopped).
class UploadView {
public:
    virtual ~UploadView() = default;
    virtual void showStatus(const QString &text, StatusColour colour) = 0;
    virtual void showProgress(int percent) = 0;
    virtual void hideProgress() = 0;
    virtual void setTransferRunning(bool running) = 0;
};

struct UploadRequest {
    int storyId = 0; // 0: no template chosen
    UploadDescription description;
};

// The first thing missing from the request, as the teacher is told, or the empty text.
QString checkUploadRequest(const UploadRequest &request);

enum class UploadEnd {
    Refused,  // a check failed, the settings are missing or the cabinet could not be made
    Declined, // the teacher answered No to a retry question
    Stopped,  // "Stop Sending": nothing more was sent
    Sent,
};

inline constexpr char kPreparingStatus[] =
    "Preparing the story for uploading.  This can take several minutes.  Please wait....";
inline constexpr char kStoppedStatus[] = "Sending stopped.  Nothing more will be sent.";

// Sends one template to the maker's server: checks, cabinet, description and notification
// files, then the three transfers, each retried as often as the teacher asks. "log.xml" is
// written however it ends once a connection was tried.
class TemplateUpload {
public:
    TemplateUpload(const Services &services, FlowScope &scope, PrepareCabinet prepare,
                   UploadView &view);
    ~TemplateUpload();

    QCoro::Task<UploadEnd> run(UploadRequest request);
    // Ends the transfer in progress; the upload then ends as Stopped.
    void stop();

private:
    struct Transfer;
    QCoro::Task<UploadEnd> stageFiles(const UploadRequest &request, PreparedCabinet &cabinet);
    QCoro::Task<UploadEnd> connectAndSend(const UploadSettings &settings,
                                          const PreparedCabinet &cabinet);
    QCoro::Task<UploadEnd> connectServer(const UploadSettings &settings);
    QCoro::Task<UploadEnd> sendFile(const Transfer &transfer);
    QCoro::Task<UploadEnd> endEarly(UploadEnd end);
    QCoro::Task<> closeQuietly();

    const Services &m_services;
    FlowScope &m_scope;
    PrepareCabinet m_prepare;
    UploadView &m_view;
    bool m_stopping = false;
    // The uploader forgets a conversation at each connect; the log keeps the failed tries.
    QList<UploadLogEntry> m_earlierTries;
    // Progress may arrive from a queued call after the view is gone.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

} // namespace quillora
