#include "core/template/FolderListing.h"

#include "core/AppFolder.h"

#include <QDir>

namespace quillora {

QStringList listFolder(const AppFolder &folder, const QString &pattern) {
    // Sorted by name (case counts), not in the order the file system happens to return.
    return QDir(folder.root()).entryList({pattern}, QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace quillora
