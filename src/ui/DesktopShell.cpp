#include "ui/DesktopShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace quillora {

bool DesktopShell::openDocument(const QString &path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace quillora
