#include "core/TextFile.h"

#include "core/NumberText.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace quillora {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeCp1252(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte < 0xA0)
            text.append(QChar(kCp1252High[byte - 0x80]));
        else
            text.append(QChar(static_cast<char16_t>(byte)));
    }
    return text;
}

QString displayName(const QString &path) {
    return QFileInfo(path).fileName();
}

} // namespace

QString decodeLine(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeCp1252(bytes);
}

namespace {

// Splits text already decoded; line ends are the same characters in either form.
QStringList splitDecoded(const QString &text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.sliced(start));
    return lines;
}

} // namespace

QStringList splitLines(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    // Files this program wrote are UTF-8 throughout: decode them in one go. Only older files
    // need the line-by-line fallback.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString whole = utf8.decode(bytes);
    if (!utf8.hasError())
        return splitDecoded(whole);

    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(decodeLine(bytes.sliced(start, i - start)));
        if (c == '\r' && i + 1 < size && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(decodeLine(bytes.sliced(start)));
    return lines;
}

Result<QStringList> readTextLines(const QString &path) {
    QFile file(path);
    if (!file.exists())
        return FileError{QStringLiteral("The file is missing"), displayName(path)};
    if (!file.open(QIODevice::ReadOnly))
        return FileError{QStringLiteral("The file cannot be read: ") + file.errorString(),
                         displayName(path)};
    if (file.size() > kMaxTextFileBytes)
        return FileError{QStringLiteral("The file is too large to be one of ours"),
                         displayName(path)};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return FileError{QStringLiteral("The file cannot be read: ") + file.errorString(),
                         displayName(path)};
    QStringList lines = splitLines(bytes);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].size() > kMaxTextLineLength)
            return FileError{QStringLiteral("A line is too long"), displayName(path),
                             static_cast<int>(i + 1)};
    }
    return lines;
}

Result<void> writeFileAtomically(const QString &path, QByteArrayView bytes) {
    const auto failed = [&path](const QString &reason) {
        return FileError{QStringLiteral("The file cannot be written: ") + reason,
                         displayName(path)};
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    // A write smaller than the buffer "succeeds" on a full disk and only the flush fails;
    // commit() would then still replace the old file with a cut one. So the flush is checked
    // here, and any failure leaves the temporary file to be thrown away.
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failed(reason);
    }
    if (!file.commit())
        return failed(file.errorString());
    return {};
}

Result<void> writeTextLines(const QString &path, const QStringList &lines) {
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return writeFileAtomically(path, bytes);
}

LineReader::LineReader(QString path, QStringList lines)
    : m_path(std::move(path))
    , m_lines(std::move(lines)) {}

FileError LineReader::errorAt(const QString &message, int line) const {
    return FileError{message, displayName(m_path), line};
}

Result<QString> LineReader::text() {
    if (atEnd())
        return errorAt(QStringLiteral("The file ends too early"), lineNumber() + 1);
    return m_lines[m_next++];
}

Result<long long> LineReader::number() {
    auto line = text();
    if (!line)
        return line.error();
    if (auto value = parseNumber(*line))
        return *value;
    return errorAt(QStringLiteral("A number was expected"), lineNumber());
}

Result<long long> LineReader::number(long long min, long long max) {
    auto value = number();
    if (value && (*value < min || *value > max))
        return errorAt(QStringLiteral("The number %1 is out of range").arg(*value), lineNumber());
    return value;
}

} // namespace quillora
