// Throughput of the upload against curl's own command line, side by side: a 50 MB cabinet
// sent three times each to one pyftpdlib server on 127.0.0.1. Prints MB/s for both and their
// ratio; exits 1 when ours is below half of curl's (the goal).

#include "core/upload/UploadSettings.h"
#include "upload/CurlUploader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <qcoro/qcorotask.h>

#include <algorithm>
#include <cstdio>
#include <optional>

using namespace quillora;
using namespace Qt::StringLiterals;

namespace {

constexpr qint64 kCabinetBytes = 50LL * 1024 * 1024;
constexpr int kRounds = 3;

template <typename T>
QCoro::Task<> awaitInto(AsyncOp<T> op, std::optional<T> &out) {
    out = co_await std::move(op);
}

template <typename T>
T waitFor(AsyncOp<T> op) {
    std::optional<T> result;
    auto task = awaitInto(std::move(op), result);
    while (!result)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return *result;
}

double megabytesPerSecond(qint64 elapsedMs) {
    return (static_cast<double>(kCabinetBytes) / (1024.0 * 1024.0)) /
           (static_cast<double>(std::max<qint64>(elapsedMs, 1)) / 1000.0);
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir root, work;
    const QString cabinet = work.filePath(u"bench.cab"_s);
    {
        QFile file(cabinet);
        if (!file.open(QIODevice::WriteOnly))
            return 2;
        QByteArray block(1024 * 1024, '\0');
        for (qsizetype i = 0; i < block.size(); ++i)
            block[i] = static_cast<char>((i * 2654435761u) >> 13);
        for (qint64 written = 0; written < kCabinetBytes; written += block.size())
            file.write(block);
    }
    QFile passwordFile(work.filePath(u"password"_s));
    if (!passwordFile.open(QIODevice::WriteOnly))
        return 2;
    passwordFile.write("bench");
    passwordFile.close();

    QProcess server;
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start(u"/usr/bin/python3"_s,
                 {QStringLiteral(QUILLORA_FTP_SERVER_SCRIPT), u"--root"_s, root.path(), u"--user"_s,
                  u"teacher"_s, u"--password-file"_s, passwordFile.fileName()});
    if (!server.waitForReadyRead(15000))
        return 2;
    const int port = server.readLine().mid(5).trimmed().toInt();

    UploadSettings settings;
    settings.host = u"127.0.0.1"_s;
    settings.port = port;
    settings.user = u"teacher"_s;
    settings.password = u"bench"_s;
    settings.tls = UploadTls::Off;

    double ours = 0, theirs = 0;
    for (int round = 0; round < kRounds; ++round) {
        CurlUploader uploader;
        QElapsedTimer timer;
        timer.start();
        if (!waitFor(uploader.connect(settings)).done())
            return 2;
        if (!waitFor(uploader.send(cabinet, u"ours.cab"_s, [](int) {})).done())
            return 2;
        (void)waitFor(uploader.close());
        ours = std::max(ours, megabytesPerSecond(timer.elapsed()));

        QProcess curl;
        timer.restart();
        curl.start(u"curl"_s, {u"-sS"_s, u"-T"_s, cabinet, u"-u"_s, u"teacher:bench"_s,
                               u"ftp://127.0.0.1:%1/curl.cab"_s.arg(port)});
        if (!curl.waitForFinished(120000) || curl.exitCode() != 0)
            return 2;
        theirs = std::max(theirs, megabytesPerSecond(timer.elapsed()));
    }
    server.kill();
    server.waitForFinished();
    const double ratio = ours / theirs;
    std::printf("upload 50 MB: ours %.1f MB/s, curl -T %.1f MB/s, ratio %.2f (goal >= 0.50)\n",
                ours, theirs, ratio);
    return ratio >= 0.5 ? 0 : 1;
}
