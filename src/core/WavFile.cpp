#include "core/WavFile.h"

#include "core/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace quillora {

namespace {

quint32 le32(QByteArrayView bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

quint16 le16(QByteArrayView bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

void put32(QByteArray &out, quint32 value) {
    char buffer[4];
    qToLittleEndian(value, buffer);
    out.append(buffer, 4);
}

void put16(QByteArray &out, quint16 value) {
    char buffer[2];
    qToLittleEndian(value, buffer);
    out.append(buffer, 2);
}

} // namespace

double WavInfo::durationSeconds() const {
    const qint64 frameBytes = static_cast<qint64>(channels) * (bitsPerSample / 8);
    if (sampleRate <= 0 || frameBytes <= 0)
        return 0.0;
    return static_cast<double>(dataBytes / frameBytes) / sampleRate;
}

Result<WavInfo> parseWav(QByteArrayView bytes, const QString &name) {
    auto fail = [&name](const QString &why) {
        return FileError{QStringLiteral("Not a usable WAV file: ") + why, name};
    };
    if (bytes.size() < 12 || bytes.first(4) != "RIFF" || bytes.sliced(8, 4) != "WAVE")
        return fail(QStringLiteral("no RIFF/WAVE header"));

    WavInfo info;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArrayView id = bytes.sliced(at, 4);
        const qint64 size = le32(bytes, at + 4);
        const qsizetype body = at + 8;
        const qint64 available = bytes.size() - body;
        if (id == "fmt ") {
            if (size < 16 || size > available)
                return fail(QStringLiteral("a broken format block"));
            info.audioFormat = le16(bytes, body);
            info.channels = le16(bytes, body + 2);
            info.sampleRate = static_cast<int>(le32(bytes, body + 4));
            info.bitsPerSample = le16(bytes, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return fail(QStringLiteral("sound data before its format"));
            info.dataOffset = body;
            // Writers that stream (and crash) leave a size larger than the file; take what
            // is there.
            info.dataBytes = std::min(size, available);
            if (info.channels <= 0 || info.sampleRate <= 0 || info.bitsPerSample <= 0)
                return fail(QStringLiteral("an impossible format"));
            return info;
        }
        // Blocks are padded to an even size.
        const qint64 next = static_cast<qint64>(body) + size + (size & 1);
        if (next > bytes.size())
            break;
        at = static_cast<qsizetype>(next);
    }
    return fail(QStringLiteral("no sound data"));
}

Result<WavInfo> readWavInfo(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileError{QStringLiteral("The sound file cannot be read"),
                         QFileInfo(path).fileName()};
    // Headers are small, but some writers put long metadata blocks before the samples.
    const qint64 total = file.size();
    QByteArray head = file.read(std::min<qint64>(total, 1 << 20));
    auto info = parseWav(head, QFileInfo(path).fileName());
    if (info && total > head.size()) {
        // The data block runs past what we read; its true size is bounded by the file.
        WavInfo whole = *info;
        whole.dataBytes = std::min<qint64>(le32(head, static_cast<qsizetype>(whole.dataOffset) - 4),
                                           total - whole.dataOffset);
        return whole;
    }
    return info;
}

QByteArray makeWav(std::span<const std::int16_t> samples, int sampleRate, int channels) {
    const auto dataBytes = static_cast<quint32>(samples.size() * sizeof(std::int16_t));
    QByteArray out;
    out.reserve(static_cast<qsizetype>(44 + dataBytes));
    out.append("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.append("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);
    put16(out, static_cast<quint16>(channels));
    put32(out, static_cast<quint32>(sampleRate));
    put32(out, static_cast<quint32>(sampleRate * channels * 2));
    put16(out, static_cast<quint16>(channels * 2));
    put16(out, 16);
    out.append("data", 4);
    put32(out, dataBytes);
    for (const std::int16_t sample : samples)
        put16(out, static_cast<quint16>(sample));
    return out;
}

Result<void> writeWav(const QString &path, std::span<const std::int16_t> samples, int sampleRate,
                      int channels) {
    return writeFileAtomically(path, makeWav(samples, sampleRate, channels));
}

} // namespace quillora
