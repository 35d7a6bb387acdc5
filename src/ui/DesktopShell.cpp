#include "ui/DesktopShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace quillora {

bool DesktopShell::openDocument(const QString &path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool DesktopShell::openAddress(const QString &address) {
    // A bare host name ("www.example.org") is a web address too.
    return QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

} // namespace quillora
