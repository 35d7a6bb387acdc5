#pragma once

#include <QString>
#include <QStringList>

namespace quillora {

// Which application folder to use: --app-folder DIR, else QUILLORA_APP_FOLDER, else the
// folder that holds the program.
struct LaunchOptions {
    QString appFolder;
    QString problem; // why the command line cannot be followed, for the user
};

LaunchOptions parseLaunchOptions(const QStringList &arguments, const QString &environmentFolder,
                                 const QString &programFolder);

} // namespace quillora
