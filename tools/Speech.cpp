#include "Speech.h"

#include "core/WavFile.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace quillora::assets {

namespace {

constexpr int kTimeoutMs = 60000;

FileError speechError(const QString &why, const QString &name) {
    return FileError{QStringLiteral("espeak-ng could not speak the phrase: ") + why, name};
}

} // namespace

Speaker::Speaker()
    : m_program(QStandardPaths::findExecutable(QStringLiteral("espeak-ng"))) {}

Result<QByteArray> Speaker::speak(const QString &phrase, const QString &name) const {
    if (m_program.isEmpty())
        return speechError(QStringLiteral("the program is not installed"), name);
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return speechError(QStringLiteral("no temporary folder"), name);
    const QString wave = scratch.filePath(QStringLiteral("speech.wav"));

    // The phrase goes in on standard input, so no text is ever taken for an option. The
    // file is written with -w: the header of --stdout carries placeholder sizes.
    QProcess process;
    process.setProgram(m_program);
    process.setArguments({QStringLiteral("-v"), QStringLiteral("en-us"), QStringLiteral("-s"),
                          QStringLiteral("150"), QStringLiteral("-w"), wave,
                          QStringLiteral("--stdin")});
    process.start();
    if (!process.waitForStarted(kTimeoutMs))
        return speechError(process.errorString(), name);
    process.write(phrase.toUtf8() + '\n');
    process.closeWriteChannel();
    if (!process.waitForFinished(kTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return speechError(QStringLiteral("it did not finish"), name);
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return speechError(QString::fromLocal8Bit(process.readAllStandardError()).trimmed(), name);

    QFile file(wave);
    if (!file.open(QIODevice::ReadOnly))
        return speechError(QStringLiteral("it wrote no file"), name);
    const QByteArray bytes = file.readAll();
    auto info = parseWav(bytes, name);
    if (!info)
        return info.error();
    if (info->channels != 1 || info->sampleRate != 22050 || info->bitsPerSample != 16 ||
        info->dataBytes == 0)
        return speechError(QStringLiteral("unexpected sound format"), name);
    return bytes;
}

} // namespace quillora::assets
