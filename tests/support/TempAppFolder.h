#pragma once

#include "core/AppFolder.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace quillora::test {

// A fresh application folder for one test. Empty, or a copy of the installed folder the
// build generated (without the program itself), so a test may write freely.
class TempAppFolder {
public:
    enum Contents { Empty, InstalledCopy };
    explicit TempAppFolder(Contents contents = Empty);

    const AppFolder &folder() const { return m_folder; }
    QString path(const QString &name) const { return m_folder.filePath(name); }

    // Writes a file with the given bytes (text is written as is, so tests choose line ends).
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;
    bool exists(const QString &name) const;

private:
    QTemporaryDir m_dir;
    AppFolder m_folder;
};

// Lines joined with CR LF, as the program writes them.
inline QByteArray crlf(const QStringList &lines) {
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

// The folder the build generated.
QString installedAppDir();

} // namespace quillora::test
