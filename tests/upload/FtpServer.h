#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

namespace quillora::test {

// A real FTP server on 127.0.0.1 (Debian's pyftpdlib), for one test. Its account is "teacher"
// with the password kept in a file the test may change while it runs.
class FtpServer {
public:
    struct Options {
        int port = 0; // 0: any free port
        QString certificate;
        qint64 dropAfterBytes = 0;
        qint64 readLimitBytesPerSecond = 0;
    };
    FtpServer();
    ~FtpServer();

    bool start(const Options &options);
    bool start() { return start(Options{}); }
    void stopServer();
    int port() const { return m_port; }

    void setPassword(const QString &password);
    QString root() const { return m_root.path(); }
    QByteArray received(const QString &name) const;
    QStringList receivedNames() const;

    static constexpr char kUser[] = "teacher";
    static constexpr char kPassword[] = "Sh4re!t";

private:
    QTemporaryDir m_root;
    QTemporaryDir m_config;
    QProcess m_process;
    int m_port = 0;
};

// A port nothing listens on, for a while at least.
int freePort();

// A self-signed certificate for 127.0.0.1 in dir: returns the path of the certificate (the
// file to trust) and sets serverPem to a file with the key and certificate for the server.
QString makeCertificate(const QString &dir, QString *serverPem);

// Runs the event loop until done() or the time is up; false when the time ran out.
bool runUntil(const std::function<bool()> &done, int timeoutMs = 20000);

} // namespace quillora::test
