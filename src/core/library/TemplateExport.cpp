#include "core/library/TemplateExport.h"

#include "core/AppFolder.h"
#include "core/TextFile.h"
#include "core/async/Worker.h"
#include "core/template/TemplateFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>

#include <filesystem>

namespace quillora {

namespace {

bool namesFile(const QString &stored) {
    return !stored.isEmpty() && stored != QLatin1String("None");
}

// Hard links where the file system allows it: a template with sixty large pictures is then
// staged at once instead of copied byte by byte, and "exports" is discarded anyway.
bool stageFile(const QString &source, const QString &destination) {
    const auto from = std::filesystem::path(QFile::encodeName(source).constData());
    const auto to = std::filesystem::path(QFile::encodeName(destination).constData());
    std::error_code error;
    std::filesystem::remove(to, error);
    std::filesystem::create_hard_link(from, to, error);
    if (!error)
        return true;
    error.clear();
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, error);
    return !error;
}

// Copies one named file of the template into "exports" and renames the field after it.
class Stager {
public:
    Stager(const AppFolder &folder, QString exportsPath)
        : m_folder(folder)
        , m_exports(std::move(exportsPath)) {}

    Result<void> stage(QString &field, const QString &exportedName) {
        if (!namesFile(field)) {
            field.clear();
            return {};
        }
        const QString source = m_folder.resolve(field);
        if (!QFileInfo(source).isFile())
            return FileError{QStringLiteral("Error: %1 Not Found, Export Cancelled")
                                 .arg(QDir::toNativeSeparators(source)),
                             QString(), 0};
        if (!stageFile(source, m_exports + u'/' + exportedName))
            return FileError{
                QStringLiteral("%1 could not be copied into %2, Export Cancelled")
                    .arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(m_exports)),
                QString(), 0};
        field = exportedName;
        return {};
    }

private:
    const AppFolder &m_folder;
    QString m_exports;
};

Result<void> stagePages(Stager &stager, StoryTemplate &copy, const QString &n) {
    for (int slot = 1; slot <= kTemplateSlots; ++slot) {
        TemplatePage &page = copy.page(slot);
        if (!page.inUse)
            continue;
        const QString p = QString::number(page.pageId);
        // A missing path recording would leave the copy naming a file it does not carry,
        // which import refuses; so it stops the export like any other missing file.
        if (auto staged = stager.stage(page.pathRecording,
                                       QStringLiteral("recording_%1_%2_path.wav").arg(n, p));
            !staged)
            return staged;
        for (int k = 1; k <= kChoicesPerPage; ++k) {
            PageChoice &choice = page.choice(k);
            const QString suffix = QStringLiteral("%1_%2_%3").arg(n, p).arg(k);
            if (auto staged =
                    stager.stage(choice.picture, QStringLiteral("page_pic_%1.jpg").arg(suffix));
                !staged)
                return staged;
            if (auto staged =
                    stager.stage(choice.recording, QStringLiteral("recording_%1.wav").arg(suffix));
                !staged)
                return staged;
            if (auto staged =
                    stager.stage(choice.soundEffect, QStringLiteral("page_sfx_%1.wav").arg(suffix));
                !staged)
                return staged;
        }
    }
    return {};
}

Result<void> emptyFolder(const QString &path) {
    QDir dir(path);
    if (!dir.exists() && !QDir().mkpath(path))
        return FileError{QStringLiteral("The folder cannot be made"),
                         QDir::toNativeSeparators(path)};
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (!dir.remove(name))
            return FileError{QStringLiteral("An old export file cannot be removed"),
                             QDir::toNativeSeparators(dir.filePath(name))};
    }
    return {};
}

Result<void> writeDirectives(const QString &exportsPath, const QString &cabinet,
                             QList<CabinetInput> &files) {
    QStringList lines{QStringLiteral(".Set CabinetNameTemplate=") + cabinetFileName(cabinet),
                      QStringLiteral(".Set Cabinet=on"), QStringLiteral(".Set Compress=on"),
                      QStringLiteral(".Set maxdiskSize=CDROM")};
    const QDir dir(exportsPath);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (name.endsWith(QLatin1String(".ddf")))
            continue;
        const QString path = dir.filePath(name);
        lines << u'"' + QDir::toNativeSeparators(path) + u'"';
        files.append(CabinetInput{path, name});
    }
    return writeTextLines(dir.filePath(QString::fromLatin1(kDirectiveFile)), lines);
}

Result<StoryTemplate> readTemplate(const AppFolder &folder, int storyId) {
    const QString path = folder.filePath(templateFileName(storyId));
    auto lines = readTextLines(path);
    if (!lines)
        return lines.error();
    return parseTemplate(path, lines.value(), folder);
}

} // namespace

QString exportTitle(const QString &storedTitle, const QDateTime &when) {
    return storedTitle + u' ' + QLocale::system().toString(when, QLocale::ShortFormat);
}

QString cabinetName(const QString &exportTitle) {
    QString name = exportTitle.left(20).trimmed();
    for (QChar &c : name) {
        if (c == u' ' || c == u'/' || c == u'\\' || c == u':')
            c = u'_';
    }
    return name;
}

QString cabinetFileName(const QString &cabinetName) {
    return QStringLiteral("Template_") + cabinetName + QStringLiteral(".cab");
}

int drawExportNumber(const AppFolder &folder) {
    for (;;) {
        const int n =
            QRandomGenerator::global()->bounded(kFirstExportNumber, kLastExportNumber + 1);
        if (!QFile::exists(folder.filePath(templateFileName(n))))
            return n;
    }
}

Result<StagedTemplate> stageTemplateForCabinet(const AppFolder &folder, const StoryTemplate &story,
                                               int exportNumber, const QDateTime &when) {
    const QString exportsPath = folder.filePath(QString::fromLatin1(kExportsFolder));
    if (auto emptied = emptyFolder(exportsPath); !emptied)
        return emptied.error();

    StagedTemplate staged;
    staged.exportNumber = exportNumber;
    staged.exportTitle = exportTitle(encodeLineBreaks(story.storyTitle), when);
    staged.cabinetName = cabinetName(staged.exportTitle);

    StoryTemplate copy = story;
    copy.storyId = exportNumber;
    copy.storyTitle = staged.exportTitle;
    const QString n = QString::number(exportNumber);
    Stager stager(folder, exportsPath);
    if (auto done =
            stager.stage(copy.coverRecording, QStringLiteral("recording_%1_title.wav").arg(n));
        !done)
        return done.error();
    if (auto done =
            stager.stage(copy.backgroundMusic, QStringLiteral("background_music_%1.mid").arg(n));
        !done)
        return done.error();
    if (auto done = stager.stage(copy.coverPicture, QStringLiteral("cover_pic_%1.jpg").arg(n));
        !done)
        return done.error();
    if (auto done = stagePages(stager, copy, n); !done)
        return done.error();

    const QString templatePath = exportsPath + u'/' + templateFileName(exportNumber);
    if (auto written = writeTextLines(templatePath, templateLines(copy)); !written)
        return written.error();
    if (auto written = writeDirectives(exportsPath, staged.cabinetName, staged.files); !written)
        return written.error();
    return staged;
}

Result<void> keepCabinetAs(const QString &cabinetPath, const QString &chosenPath) {
    if (QFileInfo(cabinetPath).absoluteFilePath() == QFileInfo(chosenPath).absoluteFilePath())
        return {};
    const QString part = chosenPath + QStringLiteral(".part");
    const FileError failed{QStringLiteral("The cabinet cannot be written there"),
                           QDir::toNativeSeparators(chosenPath), 0};
    QFile::remove(part);
    if (!QFile::copy(cabinetPath, part))
        return failed;
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(part).constData(),
                            QFile::encodeName(chosenPath).constData(), error);
    if (error) {
        QFile::remove(part);
        return failed;
    }
    QFile::remove(cabinetPath);
    return {};
}

QCoro::Task<Result<QString>> buildTemplateCabinet(AppFolder folder, Cabinets &cabinets, int storyId,
                                                  CabinetProgress progress) {
    const int exportNumber = drawExportNumber(folder);
    const QDateTime now = QDateTime::currentDateTime();
    // GCC 12 destroys temporaries of a co_await expression twice, so every operation is
    // made into a named local first and then awaited.
    std::function<Result<StagedTemplate>(const WorkerControl &)> stage =
        [folder, storyId, exportNumber, now](const WorkerControl &) -> Result<StagedTemplate> {
        auto story = readTemplate(folder, storyId);
        if (!story)
            return story.error();
        return stageTemplateForCabinet(folder, story.value(), exportNumber, now);
    };
    AsyncOp<Result<StagedTemplate>> staging = runOnWorker<Result<StagedTemplate>>(std::move(stage));
    Result<StagedTemplate> staged = co_await std::move(staging);
    if (!staged)
        co_return staged.error();

    const QString cabinetDir = folder.filePath(QString::fromLatin1(kCabinetFolder));
    if (!QDir().mkpath(cabinetDir))
        co_return FileError{QStringLiteral("The folder cannot be made"),
                            QDir::toNativeSeparators(cabinetDir)};
    const QString cabinetPath = cabinetDir + u'/' + cabinetFileName(staged->cabinetName);
    AsyncOp<Result<void>> building =
        cabinets.build(cabinetPath, staged->files, std::move(progress));
    Result<void> built = co_await std::move(building);
    if (!built) {
        QFile::remove(cabinetPath);
        co_return built.error();
    }
    co_return cabinetPath;
}

} // namespace quillora
