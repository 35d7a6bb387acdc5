#include "app/LaunchOptions.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace quillora {

namespace {

// The value of "--name VALUE" or "--name=VALUE" at arguments[i]; i moves past what it took.
// Nothing when the argument is another one; the empty text when the value is missing.
std::optional<QString> optionValue(const QStringList &arguments, qsizetype &i, QLatin1String name) {
    const QString &argument = arguments[i];
    if (argument == name)
        return i + 1 < arguments.size() ? arguments[++i] : QString();
    if (argument.startsWith(name + QLatin1Char('=')))
        return argument.mid(name.size() + 1);
    return std::nullopt;
}

} // namespace

LaunchOptions parseLaunchOptions(const QStringList &arguments,
                                 const LaunchEnvironment &environment) {
    LaunchOptions options;
    options.appFolder =
        environment.appFolder.isEmpty() ? environment.programFolder : environment.appFolder;
    options.printToPdf = environment.printToPdf;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (auto folder = optionValue(arguments, i, QLatin1String("--app-folder"))) {
            if (folder->isEmpty()) {
                options.problem = QStringLiteral("--app-folder needs the folder to use.");
                return options;
            }
            options.appFolder = *folder;
        } else if (auto pdf = optionValue(arguments, i, QLatin1String("--print-to-pdf"))) {
            if (pdf->isEmpty()) {
                options.problem =
                    QStringLiteral("--print-to-pdf needs the PDF file to print into.");
                return options;
            }
            options.printToPdf = QFileInfo(*pdf).absoluteFilePath();
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
