#include "app/CommandLine.h"
#include "app/FirstPaintProbe.h"
#include "app/LaunchOptions.h"
#include "app/Quillora.h"
#include "app/TerminationSignals.h"
#include "student/StudentForm.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

using namespace quillora;

namespace {

int refuse(const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quillora"), text, QMessageBox::Ok);
    box.exec();
    return 1;
}

} // namespace

int main(int argc, char **argv) {
    // The scripted jobs need no display: they must run before QApplication looks for one.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (isCommandLineJob(arguments))
        return runCommandLine(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillora"));
    // No display name: the window system would append it to every form's own title.

    const LaunchOptions options = parseLaunchOptions(QApplication::arguments(),
                                                     {qEnvironmentVariable("QUILLORA_APP_FOLDER"),
                                                      qEnvironmentVariable("QUILLORA_PRINT_TO_PDF"),
                                                      QApplication::applicationDirPath()});
    if (!options.problem.isEmpty())
        return refuse(options.problem);

    Quillora quillora{AppFolder(options.appFolder)};
    quillora.setPrintToPdf(options.printToPdf);
    QString problem;
    if (!quillora.lockFolder(&problem))
        return refuse(problem);
    // Logging out ends the program as its exit button does. Installed before the sound
    // starts: SDL leaves handlers it finds in place, but would otherwise take these signals
    // for an event queue nobody reads.
    const auto endOnSignal = TerminationSignals::install();

    const QScreen *screen = QApplication::primaryScreen();
    if (!quillora.start(screen ? screen->size() : QSize())) {
        QApplication::exec(); // until the message about the screen is closed
        return 1;
    }
    FirstPaintProbe::installIfAsked(quillora.studentForm());
    return QApplication::exec();
}
