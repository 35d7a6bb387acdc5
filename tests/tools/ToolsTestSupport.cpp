#include "ToolsTestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>

#include <cmath>

namespace quillora::test {

int runGenerator(const QString &folder, QString *log) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(QUILLORA_ASSETGEN),
                  {QStringLiteral("--assets"), QStringLiteral(QUILLORA_ASSETS_DIR),
                   QStringLiteral("--out"), folder});
    if (!process.waitForFinished(180000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    if (log)
        *log = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

namespace {

// What the generated folder depends on: the generator and every asset.
QByteArray generationKey() {
    QDateTime newest = QFileInfo(QStringLiteral(QUILLORA_ASSETGEN)).lastModified();
    QDirIterator it(QStringLiteral(QUILLORA_ASSETS_DIR), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        newest = std::max(newest, QFileInfo(it.next()).lastModified());
    return newest.toString(Qt::ISODateWithMs).toUtf8();
}

} // namespace

QString freshlyGeneratedFolder(QString *log) {
    const QDir work(QStringLiteral(QUILLORA_TOOLS_TEST_WORK_DIR));
    work.mkpath(QStringLiteral("."));
    QLockFile lock(work.filePath(QStringLiteral("generate.lock")));
    lock.setStaleLockTime(0);
    if (!lock.lock())
        return {};
    const QString folder = work.filePath(QStringLiteral("first_install"));
    const QString stamp = work.filePath(QStringLiteral("first_install.key"));
    const QByteArray key = generationKey();
    if (readBytes(stamp) == key)
        return folder;
    QFile::remove(stamp);
    QDir(folder).removeRecursively();
    if (runGenerator(folder, log) != 0)
        return {};
    QFile out(stamp);
    if (!out.open(QIODevice::WriteOnly) || out.write(key) != key.size())
        return {};
    return folder;
}

QByteArray readBytes(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList crlfLines(const QByteArray &bytes, bool *crlf) {
    *crlf = bytes.endsWith("\r\n");
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (const QString &line : lines)
        if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')))
            *crlf = false;
    return lines;
}

bool isLinePrinterNumber(const QString &line) {
    static const QRegularExpression form(QStringLiteral("^( |-)\\d+ $"));
    return form.match(line).hasMatch();
}

double contrastRatio(const QColor &a, const QColor &b) {
    const auto luminance = [](const QColor &c) {
        const auto channel = [](int value) {
            const double s = value / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace quillora::test
