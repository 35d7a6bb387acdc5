#include "Generator.h"

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>

// Builds the installed application folder: quillora_assetgen --assets DIR --out DIR
int main(int argc, char **argv) {
    // Drawing needs fonts but no display; the build machine may have none, nor a session.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes the artwork, sounds, tunes, user guide and first data files of "
                       "the application folder."));
    parser.addHelpOption();
    const QCommandLineOption assets(QStringLiteral("assets"),
                                    QStringLiteral("The folder of text sources."),
                                    QStringLiteral("dir"));
    const QCommandLineOption out(QStringLiteral("out"),
                                 QStringLiteral("The application folder to write."),
                                 QStringLiteral("dir"));
    parser.addOption(assets);
    parser.addOption(out);
    parser.process(app);
    if (!parser.isSet(assets) || !parser.isSet(out)) {
        std::fputs("quillora_assetgen: --assets and --out are required\n", stderr);
        return 2;
    }

    quillora::assets::Generator generator(parser.value(assets), parser.value(out));
    const auto result = generator.run();
    if (!result) {
        std::fprintf(stderr, "quillora_assetgen: %s\n", qPrintable(result.error().text()));
        return 1;
    }
    std::printf("quillora_assetgen: %d files written, %d data files kept as they were\n",
                generator.writtenCount(), generator.keptCount());
    return 0;
}
