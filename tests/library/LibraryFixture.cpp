#include "LibraryFixture.h"

#include "cabinets/CabinetFiles.h"
#include "core/template/TemplateFile.h"

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quillora::test {

QMap<QString, qint64> snapshot(const QString &root) {
    QMap<QString, qint64> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        files.insert(it.filePath(), it.fileInfo().isDir() ? -1 : it.fileInfo().size());
    }
    return files;
}

StoryTemplate smallTemplate(int storyId, const QString &title, const QString &picture) {
    StoryTemplate story;
    story.storyId = storyId;
    story.storyTitle = title;
    story.colorScheme = 4;
    TemplatePage &page = story.page(1);
    page.inUse = true;
    page.pageId = 102;
    page.layout = kLayoutSimple;
    page.choice(1).picture = picture;
    page.choice(1).text = QStringLiteral("The end.");
    page.pathSubtitle = QStringLiteral("Home");
    return story;
}

void writeTemplate(const TempAppFolder &folder, const StoryTemplate &story) {
    QByteArray bytes;
    for (const QString &line : templateLines(story))
        bytes += line.toUtf8() + "\r\n";
    folder.write(templateFileName(story.storyId), bytes);
}

void writeRawCabinet(const QString &cabinetPath, const QMap<QString, QByteArray> &members) {
    QTemporaryDir sources;
    QList<CabinetInput> inputs;
    int i = 0;
    for (auto it = members.begin(); it != members.end(); ++it) {
        const QString path = sources.filePath(QString::number(++i));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(it.value());
        file.close();
        inputs.append(CabinetInput{path, it.key()});
    }
    auto written = writeCabinetFile(cabinetPath, inputs, {}, {});
    ASSERT_TRUE(written.ok()) << written.error().text().toStdString();
}

int runTool(const QString &program, const QStringList &arguments, QString *output,
            const QString &workingFolder) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return -1;
    if (output)
        *output = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace quillora::test
