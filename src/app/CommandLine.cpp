#include "app/CommandLine.h"

#include "app/LaunchOptions.h"
#include "cabinets/GcabCabinets.h"
#include "core/AppFolder.h"
#include "core/StrayFiles.h"
#include "core/async/FlowScope.h"
#include "core/library/LibraryCheck.h"
#include "core/library/TemplateExport.h"
#include "core/library/TemplateImport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QTimer>

#include <cstdio>
#include <optional>

namespace quillora {

namespace {

constexpr int kDone = 0;
constexpr int kRefused = 1;
constexpr int kBadUsage = 2;

void out(const QString &text) {
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fputc('\n', stdout);
}
void err(const QString &text) {
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

QString usage() {
    return QStringLiteral("Usage:\n"
                          "  quillora [--app-folder DIR] --export-template ID --to FILE.cab\n"
                          "  quillora [--app-folder DIR] --import-template FILE.cab\n"
                          "  quillora [--app-folder DIR] --check");
}

enum class Job { Export, Import, Check };

struct JobRequest {
    Job job = Job::Check;
    int storyId = 0;
    QString file;
};

// Only the options of the jobs and the folder are accepted: a typing mistake in a lab script
// must stop the script, not run something else.
std::optional<JobRequest> parseJob(const QStringList &arguments) {
    std::optional<JobRequest> request;
    QString to;
    bool export_ = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--app-folder") && hasValue) {
            ++i;
        } else if (argument == QLatin1String("--export-template") && hasValue && !request) {
            bool number = false;
            const int id = arguments[++i].toInt(&number);
            if (!number || id <= 0)
                return std::nullopt;
            request = JobRequest{Job::Export, id, {}};
            export_ = true;
        } else if (argument == QLatin1String("--to") && hasValue && to.isEmpty()) {
            to = arguments[++i];
        } else if (argument == QLatin1String("--import-template") && hasValue && !request) {
            request = JobRequest{Job::Import, 0, arguments[++i]};
        } else if (argument == QLatin1String("--check") && !request) {
            request = JobRequest{Job::Check, 0, {}};
        } else {
            return std::nullopt;
        }
    }
    if (!request || export_ != !to.isEmpty())
        return std::nullopt;
    if (export_)
        request->file = to;
    return request;
}

QCoro::Task<int> exportJob(AppFolder folder, Cabinets &cabinets, JobRequest request) {
    QCoro::Task<Result<QString>> building = buildTemplateCabinet(folder, cabinets, request.storyId);
    Result<QString> built = co_await std::move(building);
    if (!built) {
        err(built.error().text());
        co_return kRefused;
    }
    const QString target = QFileInfo(request.file).absoluteFilePath();
    if (auto moved = keepCabinetAs(built.value(), target); !moved) {
        err(moved.error().text());
        co_return kRefused;
    }
    out(QDir::toNativeSeparators(target));
    co_return kDone;
}

QCoro::Task<int> importJob(AppFolder folder, Cabinets &cabinets, JobRequest request) {
    const QString cabinet = QFileInfo(request.file).absoluteFilePath();
    if (!hasCabinetExtension(cabinet)) {
        err(notACabinetMessage(request.file));
        co_return kRefused;
    }
    QCoro::Task<Result<ImportedTemplate>> importing =
        importTemplateCabinet(folder, cabinets, cabinet);
    Result<ImportedTemplate> imported = co_await std::move(importing);
    if (!imported) {
        err(imported.error().text());
        co_return kRefused;
    }
    out(QStringLiteral("Imported template %1: %2").arg(imported->storyId).arg(imported->title));
    co_return kDone;
}

// Ends the program's loop with the job's exit code, also when the job failed unexpectedly.
QCoro::Task<> endWith(QCoro::Task<int> job) {
    int code = kRefused;
    try {
        code = co_await std::move(job);
    } catch (const std::exception &error) {
        err(QString::fromLocal8Bit(error.what()));
    }
    QCoreApplication::exit(code);
}

int checkJob(const AppFolder &folder) {
    const QList<LibraryProblem> problems = checkLibrary(folder);
    for (const LibraryProblem &problem : problems)
        out(problemLine(problem));
    out(checkSummary(problems));
    return problems.isEmpty() ? kDone : kRefused;
}

} // namespace

bool isCommandLineJob(const QStringList &arguments) {
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--export-template") ||
            argument == QLatin1String("--import-template") ||
            argument == QLatin1String("--check") || argument == QLatin1String("--to"))
            return true;
    }
    return false;
}

int runCommandLine(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const std::optional<JobRequest> request = parseJob(arguments);
    if (!request) {
        err(usage());
        return kBadUsage;
    }
    const LaunchOptions options =
        parseLaunchOptions(arguments, {qEnvironmentVariable("QUILLORA_APP_FOLDER"), QString(),
                                       QCoreApplication::applicationDirPath()});
    if (!options.problem.isEmpty()) {
        err(options.problem);
        return kRefused;
    }
    const AppFolder folder(options.appFolder);
    // The same lock the program takes: a job must not change a library a teacher has open.
    QLockFile lock(folder.filePath(QStringLiteral("quillora.lock")));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0)) {
        err(lock.error() == QLockFile::LockFailedError
                ? QStringLiteral("Quillora is running with the application folder %1; close it "
                                 "first.")
                      .arg(QDir::toNativeSeparators(folder.root()))
                : QStringLiteral("The application folder %1 cannot be written.")
                      .arg(QDir::toNativeSeparators(folder.root())));
        return kRefused;
    }
    removeStrayTemporaryFiles(folder);
    if (request->job == Job::Check)
        return checkJob(folder);

    GcabCabinets cabinets;
    FlowScope scope;
    QTimer::singleShot(0, &app, [&] {
        QCoro::Task<int> job = request->job == Job::Export ? exportJob(folder, cabinets, *request)
                                                           : importJob(folder, cabinets, *request);
        scope.start(endWith(std::move(job)));
    });
    return QCoreApplication::exec();
}

} // namespace quillora
