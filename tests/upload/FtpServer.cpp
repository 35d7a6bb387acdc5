#include "FtpServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace quillora::test {

FtpServer::FtpServer() {
    setPassword(QString::fromLatin1(kPassword));
}

FtpServer::~FtpServer() {
    stopServer();
}

bool FtpServer::start(const Options &options) {
    stopServer();
    QStringList args{QStringLiteral(QUILLORA_FTP_SERVER_SCRIPT),
                     QStringLiteral("--port"),
                     QString::number(options.port),
                     QStringLiteral("--root"),
                     m_root.path(),
                     QStringLiteral("--user"),
                     QString::fromLatin1(kUser),
                     QStringLiteral("--password-file"),
                     m_config.filePath(QStringLiteral("password"))};
    if (!options.certificate.isEmpty())
        args << QStringLiteral("--cert") << options.certificate;
    if (options.dropAfterBytes > 0)
        args << QStringLiteral("--drop-after") << QString::number(options.dropAfterBytes);
    if (options.readLimitBytesPerSecond > 0)
        args << QStringLiteral("--read-limit") << QString::number(options.readLimitBytesPerSecond);
    // Debian's python3, which has pyftpdlib; the first one on PATH may be another.
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral("/usr/bin/python3"), args);
    if (!m_process.waitForStarted(10000))
        return false;
    QElapsedTimer timer;
    timer.start();
    QByteArray out;
    while (!out.contains('\n') && timer.elapsed() < 15000) {
        m_process.waitForReadyRead(500);
        out += m_process.readAllStandardOutput();
        if (m_process.state() == QProcess::NotRunning)
            return false;
    }
    if (!out.startsWith("PORT "))
        return false;
    m_port = out.mid(5).trimmed().toInt();
    return m_port > 0;
}

void FtpServer::stopServer() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

void FtpServer::setPassword(const QString &password) {
    QFile file(m_config.filePath(QStringLiteral("password")));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(password.toUtf8());
}

QByteArray FtpServer::received(const QString &name) const {
    QFile file(m_root.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList FtpServer::receivedNames() const {
    return QDir(m_root.path()).entryList(QDir::Files, QDir::Name);
}

int freePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

QString makeCertificate(const QString &dir, QString *serverPem) {
    const QString key = dir + QStringLiteral("/key.pem");
    const QString cert = dir + QStringLiteral("/cert.pem");
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                   QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-keyout"),
                   key, QStringLiteral("-out"), cert, QStringLiteral("-days"), QStringLiteral("2"),
                   QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                   QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1")});
    if (!openssl.waitForFinished(60000) || openssl.exitCode() != 0)
        return {};
    QFile k(key), c(cert), both(dir + QStringLiteral("/server.pem"));
    if (!k.open(QIODevice::ReadOnly) || !c.open(QIODevice::ReadOnly) ||
        !both.open(QIODevice::WriteOnly))
        return {};
    both.write(k.readAll() + c.readAll());
    *serverPem = both.fileName();
    return cert;
}

bool runUntil(const std::function<bool()> &done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(2);
    }
    return true;
}

} // namespace quillora::test
