#include "core/upload/TemplateUpload.h"

#include "core/AppFolder.h"
#include "core/async/FlowScope.h"
#include "core/services/Messages.h"
#include "core/services/Uploader.h"

#include <QDir>

#include <array>

namespace quillora {

struct TemplateUpload::Transfer {
    QString localPath;
    QString remoteName;
    QString sending;
    QString failed;
    QString question;
    QString done;
};

namespace {

const QString kSiteQuestion =
    QStringLiteral("Failed to connect to the Brindlemoor website.  Retry?");

QString thankYou() {
    return QStringLiteral("Thank you contributing your story.\n\nIf your story is added to the "
                          "Brindlemoor website, you will be notified by email");
}

} // namespace

QString checkUploadRequest(const UploadRequest &request) {
    const UploadDescription &d = request.description;
    if (request.storyId == 0)
        return QStringLiteral("Click on one of the stories to submit");
    if (d.contributor.isEmpty())
        return QStringLiteral("Contributor is required");
    if (d.email.isEmpty())
        return QStringLiteral("Email is required");
    if (d.language.isEmpty())
        return QStringLiteral("Language is required, ie. English");
    if (d.description.isEmpty())
        return QStringLiteral("Story description is required");
    return {};
}

TemplateUpload::TemplateUpload(const Services &services, FlowScope &scope, PrepareCabinet prepare,
                               UploadView &view)
    : m_services(services)
    , m_scope(scope)
    , m_prepare(std::move(prepare))
    , m_view(view) {}

TemplateUpload::~TemplateUpload() {
    *m_alive = false;
}

void TemplateUpload::stop() {
    m_stopping = true;
    if (m_services.uploader)
        m_services.uploader->stop();
}

QCoro::Task<UploadEnd> TemplateUpload::run(UploadRequest request) {
    m_stopping = false;
    m_earlierTries.clear();
    const QString problem = checkUploadRequest(request);
    if (!problem.isEmpty()) {
        co_await m_scope(m_services.messages->inform(problem));
        co_return UploadEnd::Refused;
    }
    // Settings first: without a server there is no point in building a cabinet.
    auto settings = readUploadSettings(*m_services.folder);
    if (!settings || !m_services.uploader) {
        const FileError error =
            settings ? FileError{QStringLiteral("No uploader"), {}} : settings.error();
        co_await m_scope(
            m_services.messages->inform(uploadSettingsMissingMessage(*m_services.folder, error)));
        co_return UploadEnd::Refused;
    }
    PreparedCabinet cabinet;
    const UploadEnd staged = co_await stageFiles(request, cabinet);
    if (staged != UploadEnd::Sent)
        co_return staged;
    const UploadEnd end = co_await connectAndSend(*settings, cabinet);
    // The log helps whoever looks into a failed upload, so it is written however it ended.
    (void)writeUploadLog(*m_services.folder, m_earlierTries + m_services.uploader->conversation(),
                         settings->password);
    co_return end;
}

QCoro::Task<UploadEnd> TemplateUpload::stageFiles(const UploadRequest &request,
                                                  PreparedCabinet &cabinet) {
    m_view.showStatus(QString::fromLatin1(kPreparingStatus), StatusColour::Green);
    m_view.showProgress(0);
    QDir(m_services.folder->root()).mkpath(QStringLiteral("disk1"));
    std::weak_ptr<bool> alive = m_alive;
    auto percent = [this, alive](int value) {
        if (auto living = alive.lock(); living && *living)
            m_view.showProgress(value);
    };
    auto prepared = co_await m_scope(m_prepare(request.storyId, percent));
    m_view.hideProgress();
    if (!prepared) {
        co_await m_scope(m_services.messages->inform(prepared.error().text()));
        co_return UploadEnd::Refused;
    }
    cabinet = *prepared;
    Result<void> written =
        writeDescriptionFile(*m_services.folder, cabinet.cabinetName, request.description);
    if (written)
        written = writeNotificationFile(*m_services.folder);
    if (!written) {
        co_await m_scope(m_services.messages->inform(written.error().text()));
        co_return UploadEnd::Refused;
    }
    co_return UploadEnd::Sent;
}

QCoro::Task<UploadEnd> TemplateUpload::connectAndSend(const UploadSettings &settings,
                                                      const PreparedCabinet &cabinet) {
    const UploadEnd connected = co_await connectServer(settings);
    if (connected != UploadEnd::Sent)
        co_return connected;
    m_view.showProgress(0);
    const std::array<Transfer, 3> transfers{{
        {notificationFilePath(*m_services.folder), QLatin1String(kUploadFlagFile),
         QStringLiteral("Uploading Notification File"),
         QStringLiteral("Failed to Upload File Notification File"),
         QStringLiteral("Failed to Upload File Notification File.  Retry?"),
         QStringLiteral("Successfully Uploaded Notification File")},
        {descriptionFilePath(*m_services.folder, cabinet.cabinetName),
         cabinet.cabinetName + QLatin1String(".txt"), QStringLiteral("Uploading Story Description"),
         QStringLiteral("Failed to Upload Story Description"),
         QStringLiteral("Failed to Upload Story Description.  Retry?"),
         QStringLiteral("Successfully Uploaded Story Description")},
        {cabinet.cabinetPath, cabinet.cabinetName + QLatin1String(".cab"),
         QStringLiteral("Uploading Story Contents"),
         QStringLiteral("Failed to Upload Story Contents"),
         QStringLiteral("Failed to Upload Story Contents.  Retry?"),
         QStringLiteral("Successfully Uploaded Story Contents")},
    }};
    for (const Transfer &transfer : transfers) {
        const UploadEnd end = co_await sendFile(transfer);
        if (end != UploadEnd::Sent) {
            const UploadEnd reported = co_await endEarly(end);
            co_return reported;
        }
    }
    m_view.hideProgress();
    co_await m_scope(m_services.messages->inform(thankYou()));
    co_await closeQuietly();
    co_return UploadEnd::Sent;
}

QCoro::Task<UploadEnd> TemplateUpload::connectServer(const UploadSettings &settings) {
    for (;;) {
        m_view.showStatus(QStringLiteral("Connecting..."), StatusColour::Green);
        m_view.setTransferRunning(true);
        const TransferResult result = co_await m_scope(m_services.uploader->connect(settings));
        m_view.setTransferRunning(false);
        if (result.done())
            break;
        if (result.status == TransferStatus::Stopped || m_stopping) {
            const UploadEnd reported = co_await endEarly(UploadEnd::Stopped);
            co_return reported;
        }
        m_earlierTries += m_services.uploader->conversation();
        m_view.showStatus(QStringLiteral("Failed to connect"), StatusColour::Red);
        const bool again = co_await m_scope(m_services.messages->askYesNo(kSiteQuestion));
        if (!again) {
            const UploadEnd reported = co_await endEarly(UploadEnd::Declined);
            co_return reported;
        }
    }
    m_view.showStatus(QStringLiteral("Successfully Connected"), StatusColour::Green);
    co_return UploadEnd::Sent;
}

QCoro::Task<UploadEnd> TemplateUpload::sendFile(const Transfer &transfer) {
    std::weak_ptr<bool> alive = m_alive;
    auto progress = [this, alive](int percent) {
        if (auto living = alive.lock(); living && *living)
            m_view.showProgress(percent);
    };
    for (;;) {
        m_view.showStatus(transfer.sending, StatusColour::Green);
        m_view.setTransferRunning(true);
        const TransferResult result = co_await m_scope(
            m_services.uploader->send(transfer.localPath, transfer.remoteName, progress));
        m_view.setTransferRunning(false);
        if (result.done()) {
            m_view.showStatus(transfer.done, StatusColour::Green);
            m_view.showProgress(0);
            co_return UploadEnd::Sent;
        }
        if (result.status == TransferStatus::Stopped || m_stopping)
            co_return UploadEnd::Stopped;
        m_view.showStatus(transfer.failed, StatusColour::Red);
        const bool again = co_await m_scope(m_services.messages->askYesNo(transfer.question));
        if (!again)
            co_return UploadEnd::Declined;
    }
}

QCoro::Task<UploadEnd> TemplateUpload::endEarly(UploadEnd end) {
    m_view.hideProgress();
    if (end == UploadEnd::Stopped)
        m_view.showStatus(QString::fromLatin1(kStoppedStatus), StatusColour::Red);
    // The connection is let go whatever the answer, so the server does not keep a half
    // conversation open until it times out.
    co_await closeQuietly();
    co_return end;
}

QCoro::Task<> TemplateUpload::closeQuietly() {
    const TransferResult closed = co_await m_scope(m_services.uploader->close());
    (void)closed;
}

} // namespace quillora
