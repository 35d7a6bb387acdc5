#include "core/AppFolder.h"

#include <QDir>

namespace quillora {

AppFolder::AppFolder(QString root)
    : m_root(QDir::cleanPath(std::move(root))) {}

QString AppFolder::filePath(const QString &name) const {
    return m_root + QLatin1Char('/') + name;
}

QString AppFolder::resolve(const QString &name) const {
    if (name.isEmpty() || name == QLatin1String("None") || hasFolderPart(name))
        return name;
    return filePath(name);
}

QString directoryPart(const QString &path) {
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return cut < 0 ? QString() : path.left(cut);
}

bool hasFolderPart(const QString &name) {
    return name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char('/'));
}

} // namespace quillora
