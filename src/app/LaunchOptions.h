#pragma once

#include <QString>
#include <QStringList>

namespace quillora {

// What the command line asks for. The application folder: --app-folder DIR, else
// QUILLORA_APP_FOLDER, else the folder that holds the program. Printing goes into the PDF
// file named by --print-to-pdf FILE (or QUILLORA_PRINT_TO_PDF) instead of the printer, so a
// classroom without a printer can still print.
struct LaunchOptions {
    QString appFolder;
    QString printToPdf;
    QString problem; // why the command line cannot be followed, for the user
};

// The environment's say, overridden by the command line.
struct LaunchEnvironment {
    QString appFolder;
    QString printToPdf;
    QString programFolder;
};

LaunchOptions parseLaunchOptions(const QStringList &arguments,
                                 const LaunchEnvironment &environment);

} // namespace quillora
