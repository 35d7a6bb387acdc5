#include "upload/CurlUploader.h"

#include "core/async/Worker.h"
#include "core/upload/UploadSettings.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QUrl>

#include <curl/curl.h>

#include <atomic>
#include <cstdio>

namespace quillora {

namespace {

// Long enough for a slow school network, short enough that a teacher is asked whether to
// retry rather than left looking at a frozen status line.
constexpr long kConnectTimeoutSeconds = 15;
constexpr long kResponseTimeoutSeconds = 30;
constexpr long kLowSpeedBytesPerSecond = 1024;
constexpr long kLowSpeedSeconds = 30;
constexpr long kUploadBufferBytes = 512 * 1024;

struct CurlGlobal {
    CurlGlobal() { curl_global_init(CURL_GLOBAL_DEFAULT); }
    ~CurlGlobal() { curl_global_cleanup(); }
};

void initCurlOnce() {
    static CurlGlobal global;
}

} // namespace

// What the worker threads share with the interface thread. Only one call runs at a time, so
// the handle itself needs no lock; the conversation is read from the interface thread while
// a worker adds to it.
struct CurlUploader::Session {
    ~Session() {
        if (handle)
            curl_easy_cleanup(handle);
    }

    CURL *handle = nullptr;
    UploadSettings server;
    QByteArray baseUrl; // "ftp://host:port/folder/" with the folder percent-encoded
    std::atomic<bool> stopping{false};
    mutable QMutex logLock;
    QList<UploadLogEntry> log;

    void note(UploadLogEntry::Kind kind, QString text) {
        QMutexLocker locker(&logLock);
        log.append({kind, std::move(text)});
    }
};

namespace {

using Session = CurlUploader::Session;

int onDebug(CURL *, curl_infotype type, char *data, size_t size, void *user) {
    auto *session = static_cast<Session *>(user);
    UploadLogEntry::Kind kind;
    switch (type) {
    case CURLINFO_TEXT:
        kind = UploadLogEntry::Kind::Note;
        break;
    case CURLINFO_HEADER_OUT:
        kind = UploadLogEntry::Kind::Sent;
        break;
    case CURLINFO_HEADER_IN:
        kind = UploadLogEntry::Kind::Received;
        break;
    default:
        return 0; // file contents and TLS records are no part of the conversation
    }
    QString text = QString::fromUtf8(data, static_cast<qsizetype>(size)).trimmed();
    // The password never reaches the log, whatever the settings hold.
    if (kind == UploadLogEntry::Kind::Sent &&
        text.startsWith(QLatin1String("PASS "), Qt::CaseInsensitive))
        text = QStringLiteral("PASS ****");
    session->note(kind, text);
    return 0;
}

struct ProgressState {
    Session *session = nullptr;
    const WorkerControl *control = nullptr;
    int lastPercent = -1;
    bool reportPercent = false;
};

// libcurl calls this at least once a second, even while waiting for the server, so a stop
// ends any call within a second.
int onProgress(void *user, curl_off_t, curl_off_t, curl_off_t ultotal, curl_off_t ulnow) {
    auto *state = static_cast<ProgressState *>(user);
    if (state->session->stopping.load() || state->control->cancelled())
        return 1;
    if (state->reportPercent && ultotal > 0) {
        const int percent = static_cast<int>(ulnow * 100 / ultotal);
        if (percent != state->lastPercent) {
            state->lastPercent = percent;
            state->control->report(percent, 100);
        }
    }
    return 0;
}

QByteArray folderUrl(const UploadSettings &server) {
    QByteArray url = "ftp://" + QUrl::toAce(server.host);
    if (url == "ftp://")
        url += server.host.toUtf8(); // an address such as 127.0.0.1
    url += ':' + QByteArray::number(server.port) + '/';
    // Each folder level is encoded on its own, so a space or "#" in a name cannot change
    // the address. A leading "/" names the login folder, as the settings file describes.
    const QStringList parts = server.folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts)
        url += QUrl::toPercentEncoding(part) + '/';
    return url;
}

void setCommonOptions(Session &s, ProgressState &progress) {
    CURL *h = s.handle;
    curl_easy_reset(h);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_USERNAME, s.server.user.toUtf8().constData());
    curl_easy_setopt(h, CURLOPT_PASSWORD, s.server.password.toUtf8().constData());
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    curl_easy_setopt(h, CURLOPT_SERVER_RESPONSE_TIMEOUT, kResponseTimeoutSeconds);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, kLowSpeedBytesPerSecond);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, kLowSpeedSeconds);
    long ssl = CURLUSESSL_TRY;
    if (s.server.tls == UploadTls::Required)
        ssl = CURLUSESSL_ALL;
    else if (s.server.tls == UploadTls::Off)
        ssl = CURLUSESSL_NONE;
    curl_easy_setopt(h, CURLOPT_USE_SSL, ssl);
    if (!s.server.caFile.isEmpty())
        curl_easy_setopt(h, CURLOPT_CAINFO, QFile::encodeName(s.server.caFile).constData());
    curl_easy_setopt(h, CURLOPT_DEBUGFUNCTION, onDebug);
    curl_easy_setopt(h, CURLOPT_DEBUGDATA, &s);
    curl_easy_setopt(h, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &progress);
}

TransferResult finish(Session &s, CURLcode code, const char *errorBuffer) {
    if (code == CURLE_OK)
        return {TransferStatus::Done, {}};
    if (code == CURLE_ABORTED_BY_CALLBACK) {
        s.note(UploadLogEntry::Kind::Note, QStringLiteral("Stopped by the teacher"));
        return {TransferStatus::Stopped, QStringLiteral("Stopped")};
    }
    QString reason = QString::fromUtf8(errorBuffer);
    if (reason.isEmpty())
        reason = QString::fromUtf8(curl_easy_strerror(code));
    s.note(UploadLogEntry::Kind::Note, QStringLiteral("Failed: ") + reason);
    return {TransferStatus::Failed, reason};
}

TransferResult connectOn(Session &s, const WorkerControl &control) {
    if (!s.handle)
        s.handle = curl_easy_init();
    if (!s.handle)
        return {TransferStatus::Failed, QStringLiteral("The network library could not start")};
    ProgressState progress{&s, &control};
    setCommonOptions(s, progress);
    char error[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(s.handle, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(s.handle, CURLOPT_URL, s.baseUrl.constData());
    // Logging on and changing to the folder, without listing it.
    curl_easy_setopt(s.handle, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(s.handle, CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_RETRY));
    const CURLcode code = curl_easy_perform(s.handle);
    curl_easy_setopt(s.handle, CURLOPT_ERRORBUFFER, nullptr);
    return finish(s, code, error);
}

TransferResult sendOn(Session &s, const QString &localPath, const QString &remoteName,
                      const WorkerControl &control) {
    if (!s.handle)
        return {TransferStatus::Failed, QStringLiteral("Not connected")};
    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString reason =
            QStringLiteral("Cannot read %1: %2").arg(localPath, file.errorString());
        s.note(UploadLogEntry::Kind::Note, reason);
        return {TransferStatus::Failed, reason};
    }
    ProgressState progress{&s, &control};
    progress.reportPercent = true;
    setCommonOptions(s, progress);
    char error[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(s.handle, CURLOPT_ERRORBUFFER, error);
    const QByteArray url = s.baseUrl + QUrl::toPercentEncoding(remoteName);
    curl_easy_setopt(s.handle, CURLOPT_URL, url.constData());
    curl_easy_setopt(s.handle, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(s.handle, CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_RETRY));
    curl_easy_setopt(s.handle, CURLOPT_UPLOAD_BUFFERSIZE, kUploadBufferBytes);
    curl_easy_setopt(s.handle, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(file.size()));
    curl_easy_setopt(s.handle, CURLOPT_READDATA, &file);
    curl_easy_setopt(
        s.handle, CURLOPT_READFUNCTION, +[](char *buffer, size_t size, size_t count, void *user) {
            auto *source = static_cast<QFile *>(user);
            const qint64 read = source->read(buffer, static_cast<qint64>(size * count));
            return read < 0 ? size_t(CURL_READFUNC_ABORT) : static_cast<size_t>(read);
        });
    const CURLcode code = curl_easy_perform(s.handle);
    curl_easy_setopt(s.handle, CURLOPT_ERRORBUFFER, nullptr);
    curl_easy_setopt(s.handle, CURLOPT_READDATA, nullptr);
    TransferResult result = finish(s, code, error);
    if (result.done())
        progress.control->report(100, 100);
    return result;
}

AsyncOp<TransferResult>
onWorker(std::shared_ptr<Session> session,
         std::function<TransferResult(Session &, const WorkerControl &)> work,
         std::function<void(int)> progress = {}) {
    std::function<void(int, int)> report;
    if (progress)
        report = [progress = std::move(progress)](int done, int) { progress(done); };
    return runOnWorker<TransferResult>(
        [session, work = std::move(work)](const WorkerControl &control) {
            return work(*session, control);
        },
        std::move(report));
}

} // namespace

CurlUploader::CurlUploader()
    : m_session(std::make_shared<Session>()) {
    initCurlOnce();
}

CurlUploader::~CurlUploader() {
    // A worker still running holds the session and ends within a second.
    m_session->stopping = true;
}

AsyncOp<TransferResult> CurlUploader::connect(const UploadSettings &server) {
    // A fresh conversation each time: a worker of the old one, stopped, keeps its own session.
    m_session->stopping = true;
    m_session = std::make_shared<Session>();
    m_session->server = server;
    m_session->baseUrl = folderUrl(server);
    return onWorker(m_session, connectOn);
}

AsyncOp<TransferResult> CurlUploader::send(const QString &localPath, const QString &remoteName,
                                           std::function<void(int)> progress) {
    m_session->stopping = false;
    return onWorker(
        m_session,
        [localPath, remoteName](Session &s, const WorkerControl &control) {
            return sendOn(s, localPath, remoteName, control);
        },
        std::move(progress));
}

AsyncOp<TransferResult> CurlUploader::close() {
    m_session->stopping = false;
    return onWorker(m_session, [](Session &s, const WorkerControl &) {
        if (s.handle) {
            // Cleaning up the handle sends QUIT on a connection still open.
            curl_easy_cleanup(s.handle);
            s.handle = nullptr;
        }
        return TransferResult{TransferStatus::Done, {}};
    });
}

void CurlUploader::stop() {
    m_session->stopping = true;
}

QList<UploadLogEntry> CurlUploader::conversation() const {
    QMutexLocker locker(&m_session->logLock);
    return m_session->log;
}

} // namespace quillora
