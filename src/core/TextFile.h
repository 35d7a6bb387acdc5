#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quillora {

// Data files are read whole. Anything larger than this is not one of ours.
inline constexpr qint64 kMaxTextFileBytes = 64 * 1024 * 1024;
inline constexpr qsizetype kMaxTextLineLength = 1024 * 1024;

// Bytes that are valid UTF-8 are read as UTF-8; anything else is taken as Windows-1252,
// the code page older files were written in. Decided line by line.
QString decodeLine(QByteArrayView bytes);

// Splits text into lines ended by CR LF, LF or CR; a final terminator adds no empty line.
// A leading UTF-8 byte-order mark is skipped.
QStringList splitLines(QByteArrayView bytes);

// Reads a whole text file as lines. Fails for a missing or unreadable file, a file over
// kMaxTextFileBytes and a line over kMaxTextLineLength, naming the file (and line).
Result<QStringList> readTextLines(const QString &path);

// Writes lines as UTF-8, each followed by CR LF, replacing the file in one step: after a
// failure (a full disk, say) the old file is still there, whole.
Result<void> writeTextLines(const QString &path, const QStringList &lines);

// Same for raw bytes.
Result<void> writeFileAtomically(const QString &path, QByteArrayView bytes);

// Walks the lines of a data file one at a time, keeping the line number for error
// messages. Readers use it so every parse error names the file and the line.
class LineReader {
public:
    LineReader(QString path, QStringList lines);

    bool atEnd() const { return m_next >= m_lines.size(); }
    int lineNumber() const { return static_cast<int>(m_next); }
    const QString &path() const { return m_path; }

    // The next line, or an error when the file has ended.
    Result<QString> text();
    // The next line as a number in the line-printer form.
    Result<long long> number();
    // Same, limited to a range (values outside it are refused).
    Result<long long> number(long long min, long long max);

    FileError errorAt(const QString &message, int line) const;

private:
    QString m_path;
    QStringList m_lines;
    qsizetype m_next = 0;
};

} // namespace quillora
