#include "core/library/TemplateImport.h"

#include "core/AppFolder.h"
#include "core/TextFile.h"
#include "core/template/TemplateFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStorageInfo>
#include <QTemporaryDir>

namespace quillora {

namespace {

FileError refused(const QString &cabinetPath, const QString &why) {
    return FileError{
        QStringLiteral("%1 was not imported: %2").arg(QDir::toNativeSeparators(cabinetPath), why),
        QString(), 0};
}

QString someNames(const QStringList &names) {
    constexpr int kShown = 5;
    QStringList shown = names.mid(0, kShown);
    for (QString &name : shown)
        name = u'"' + name + u'"';
    QString text = shown.join(QStringLiteral(", "));
    if (names.size() > kShown)
        text += QStringLiteral(" and %1 more").arg(names.size() - kShown);
    return text;
}

// The template file's number, written as the program writes numbers (no leading zero).
const QRegularExpression &templateMemberPattern() {
    static const QRegularExpression pattern(QStringLiteral("^story_([1-9][0-9]{0,8})\\.sty$"));
    return pattern;
}

QRegularExpression mediaPattern(int storyId) {
    const QString n = QString::number(storyId);
    return QRegularExpression(
        QStringLiteral("^(?:(?:recording|page_wave|page_sfx)_%1_[A-Za-z0-9_]+\\.wav"
                       "|page_pic_%1_[A-Za-z0-9_]+\\.jpg|cover_pic_%1\\.jpg"
                       "|background_music_%1\\.mid|story_%1\\.sty)$")
            .arg(n));
}

QStringList namedFiles(const StoryTemplate &story) {
    QStringList names{story.coverRecording, story.backgroundMusic, story.coverPicture};
    for (int slot = 1; slot <= kTemplateSlots; ++slot) {
        const TemplatePage &page = story.page(slot);
        if (!page.inUse)
            continue;
        names << page.pathRecording;
        for (const PageChoice &choice : page.choices)
            names << choice.picture << choice.recording << choice.soundEffect;
    }
    names.removeAll(QString());
    names.removeAll(QStringLiteral("None"));
    return names;
}

Result<void> checkStaged(const QString &stagingPath, const QString &cabinetPath,
                         const ImportPlan &plan, ImportedTemplate &imported) {
    const QString templatePath = stagingPath + u'/' + templateFileName(plan.storyId);
    auto lines = readTextLines(templatePath);
    if (!lines)
        return refused(
            cabinetPath,
            QStringLiteral("its story template cannot be read: %1").arg(lines.error().message));
    const AppFolder staging(stagingPath);
    auto story = parseTemplate(templatePath, lines.value(), staging);
    if (!story)
        return refused(cabinetPath,
                       QStringLiteral("its story template cannot be read: %1 (line %2)")
                           .arg(story.error().message)
                           .arg(story.error().line));
    if (story->storyId != plan.storyId)
        return refused(cabinetPath, QStringLiteral("its story template has the number %1, not %2")
                                        .arg(story->storyId)
                                        .arg(plan.storyId));
    QStringList missing;
    for (const QString &stored : namedFiles(story.value())) {
        const QString path = staging.resolve(stored);
        if (hasFolderPart(stored) && !path.startsWith(stagingPath + u'/'))
            missing << stored;
        else if (!QFileInfo(path).isFile())
            missing << QFileInfo(path).fileName();
    }
    missing.removeDuplicates();
    if (!missing.isEmpty())
        return refused(
            cabinetPath,
            QStringLiteral("its story template names files the cabinet does not hold: %1")
                .arg(someNames(missing)));
    imported = ImportedTemplate{plan.storyId, story->storyTitle};
    return {};
}

} // namespace

bool hasCabinetExtension(const QString &fileName) {
    return fileName.endsWith(QLatin1String(".cab"), Qt::CaseSensitive);
}

QString notACabinetMessage(const QString &fileName) {
    return fileName +
           QStringLiteral(
               " is not a valid story template. \n\nValid story templates end with .cab");
}

Result<ImportPlan> planTemplateImport(const AppFolder &folder, const QString &cabinetPath,
                                      const QList<CabinetMember> &members) {
    ImportPlan plan;
    QStringList templates;
    for (const CabinetMember &member : members) {
        auto match = templateMemberPattern().match(member.name);
        if (match.hasMatch()) {
            templates << member.name;
            plan.storyId = match.captured(1).toInt();
        }
    }
    if (templates.isEmpty())
        return refused(cabinetPath, QStringLiteral("it holds no story template"));
    if (templates.size() > 1)
        return refused(
            cabinetPath,
            QStringLiteral("it holds more than one story template: %1").arg(someNames(templates)));

    const QRegularExpression allowed = mediaPattern(plan.storyId);
    QStringList foreign;
    QStringList present;
    QSet<QString> seen;
    for (const CabinetMember &member : members) {
        if (!allowed.match(member.name).hasMatch() || seen.contains(member.name)) {
            foreign << member.name;
            continue;
        }
        seen.insert(member.name);
        if (QFile::exists(folder.filePath(member.name)))
            present << member.name;
        plan.totalBytes += member.size;
        if (!templateMemberPattern().match(member.name).hasMatch())
            plan.members << member.name;
    }
    if (!foreign.isEmpty())
        return refused(cabinetPath,
                       QStringLiteral("it holds files that are not part of story template %1: %2")
                           .arg(plan.storyId)
                           .arg(someNames(foreign)));
    if (QFile::exists(folder.filePath(templateFileName(plan.storyId))))
        return refused(
            cabinetPath,
            QStringLiteral("story template %1 is already in the library").arg(plan.storyId));
    if (!present.isEmpty())
        return refused(
            cabinetPath,
            QStringLiteral("it would replace files already here: %1").arg(someNames(present)));
    if (plan.totalBytes >= kImportSizeLimit)
        return refused(cabinetPath, QStringLiteral("its files come to more than 1 GB"));
    const qint64 available = QStorageInfo(folder.root()).bytesAvailable();
    if (available >= 0 && plan.totalBytes >= available)
        return refused(cabinetPath, QStringLiteral("there is not enough free space for its files"));
    plan.members << templateFileName(plan.storyId);
    return plan;
}

Result<ImportedTemplate> placeStagedTemplate(const AppFolder &folder, const QString &stagingPath,
                                             const QString &cabinetPath, const ImportPlan &plan) {
    ImportedTemplate imported;
    for (const QString &name : plan.members) {
        if (!QFileInfo(stagingPath + u'/' + name).isFile())
            return refused(cabinetPath, QStringLiteral("\"%1\" could not be expanded").arg(name));
    }
    if (auto checked = checkStaged(stagingPath, cabinetPath, plan, imported); !checked)
        return checked.error();
    // Renames within one file system; the template file goes last, so the library never lists
    // a template whose media are not all there yet.
    QStringList placed;
    for (const QString &name : plan.members) {
        if (QFile::rename(stagingPath + u'/' + name, folder.filePath(name))) {
            placed << name;
            continue;
        }
        for (const QString &back : placed)
            QFile::rename(folder.filePath(back), stagingPath + u'/' + back);
        return refused(
            cabinetPath,
            QStringLiteral("\"%1\" could not be moved into the application folder").arg(name));
    }
    return imported;
}

QCoro::Task<Result<ImportedTemplate>> importTemplateCabinet(AppFolder folder, Cabinets &cabinets,
                                                            QString cabinetPath,
                                                            CabinetProgress progress) {
    // Each operation is a named local before it is awaited: GCC 12 destroys temporaries of a
    // co_await expression twice.
    AsyncOp<Result<QList<CabinetMember>>> listing = cabinets.list(cabinetPath);
    Result<QList<CabinetMember>> members = co_await std::move(listing);
    if (!members)
        co_return refused(cabinetPath, members.error().message);
    Result<ImportPlan> plan = planTemplateImport(folder, cabinetPath, members.value());
    if (!plan)
        co_return plan.error();

    // Inside the application folder, so placing the files is a rename on one file system.
    QTemporaryDir staging(folder.filePath(QStringLiteral("import_XXXXXX")));
    if (!staging.isValid())
        co_return refused(cabinetPath, QStringLiteral("no staging folder can be made in %1")
                                           .arg(QDir::toNativeSeparators(folder.root())));
    const QStringList wantedList = plan->members;
    const QSet<QString> wanted(wantedList.begin(), wantedList.end());
    AsyncOp<Result<int>> expanding =
        cabinets.extract(cabinetPath, staging.path(), wanted, std::move(progress));
    Result<int> expanded = co_await std::move(expanding);
    if (!expanded)
        co_return refused(cabinetPath, expanded.error().message);
    co_return placeStagedTemplate(folder, staging.path(), cabinetPath, plan.value());
}

} // namespace quillora
