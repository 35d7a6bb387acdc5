#include "app/LaunchOptions.h"

#include <QDir>
#include <QFileInfo>

namespace quillora {

LaunchOptions parseLaunchOptions(const QStringList &arguments, const QString &environmentFolder,
                                 const QString &programFolder) {
    LaunchOptions options;
    options.appFolder = environmentFolder.isEmpty() ? programFolder : environmentFolder;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--app-folder")) {
            if (i + 1 >= arguments.size()) {
                options.problem = QStringLiteral("--app-folder needs the folder to use.");
                return options;
            }
            options.appFolder = arguments[++i];
        } else if (argument.startsWith(QLatin1String("--app-folder="))) {
            options.appFolder = argument.section(QLatin1Char('='), 1);
        }
    }
    const QFileInfo folder(options.appFolder);
    if (!folder.isDir())
        options.problem = QStringLiteral("The application folder %1 does not exist.")
                              .arg(QDir::toNativeSeparators(options.appFolder));
    else
        options.appFolder = folder.absoluteFilePath();
    return options;
}

} // namespace quillora
