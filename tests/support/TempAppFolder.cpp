#include "TempAppFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace quillora::test {

QString installedAppDir() {
    return QStringLiteral(QUILLORA_INSTALLED_APP_DIR);
}

TempAppFolder::TempAppFolder(Contents contents)
    : m_folder(m_dir.path()) {
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
    if (contents == Empty)
        return;
    const QDir source(installedAppDir());
    QDirIterator it(source.path(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString relative = source.relativeFilePath(info.filePath());
        if (relative == QLatin1String("quillora") || relative.endsWith(QLatin1String(".lock")))
            continue;
        const QString target = m_dir.filePath(relative);
        if (info.isDir())
            QDir().mkpath(target);
        else if (!QFile::copy(info.filePath(), target))
            throw std::runtime_error("cannot copy the installed application folder");
    }
}

void TempAppFolder::write(const QString &name, const QByteArray &bytes) const {
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a test file");
}

QByteArray TempAppFolder::read(const QString &name) const {
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool TempAppFolder::exists(const QString &name) const {
    return QFileInfo::exists(path(name));
}

} // namespace quillora::test
