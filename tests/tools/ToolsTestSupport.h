#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>

namespace quillora::test {

// Runs the built generator into `folder` with the project's assets; returns its exit code
// (-1 when it could not be run) and leaves its output in `log`.
int runGenerator(const QString &folder, QString *log = nullptr);

// A folder the generator wrote from scratch, shared by the tests of one build: made once
// (under a lock, as tests run in parallel) and again whenever the generator or an asset
// changes. Tests must only read it. Empty when the generator failed; `log` says why.
QString freshlyGeneratedFolder(QString *log);

QByteArray readBytes(const QString &path);

// The lines of a text file split at CR LF; false in `crlf` when a line ends otherwise.
QStringList crlfLines(const QByteArray &bytes, bool *crlf);

// True for " 5 " and "-5 ": the number form of the data files.
bool isLinePrinterNumber(const QString &line);

// Contrast ratio of two colours by their relative luminance (1 to 21).
double contrastRatio(const QColor &a, const QColor &b);

} // namespace quillora::test
