// A timing harness rather than Google Benchmark: each run takes seconds and the interesting
// figure besides the time is the longest gap of the event loop while the worker runs.
#include "cabinets/GcabCabinets.h"
#include "core/AppFolder.h"
#include "core/TextFile.h"
#include "core/library/TemplateExport.h"
#include "core/library/TemplateImport.h"
#include "core/template/TemplateFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <optional>

using namespace quillora;

namespace {

constexpr int kPages = 60;
constexpr int kPictureBytes = 1024 * 1024;
constexpr int kRecordingBytes = 256 * 1024;

void writeBytes(const QString &path, qsizetype size, bool random) {
    QByteArray bytes(size, '\0');
    if (random) {
        // Pictures are JPEG: as good as incompressible.
        QRandomGenerator generator(static_cast<quint32>(qHash(path)));
        for (qsizetype i = 0; i < size; ++i)
            bytes[i] = static_cast<char>(generator.bounded(256));
    } else {
        // Recordings are speech with pauses: a wave that MSZIP can shrink a little.
        for (qsizetype i = 0; i < size; ++i)
            bytes[i] = static_cast<char>((i * 7 / 13) % 64);
    }
    (void)writeFileAtomically(path, bytes);
}

void makeTemplate(const AppFolder &folder) {
    StoryTemplate story;
    story.storyId = 1;
    story.storyTitle = QStringLiteral("Sixty pages");
    story.coverPicture = QStringLiteral("cover_pic_1.jpg");
    writeBytes(folder.filePath(story.coverPicture), kPictureBytes, true);
    for (int slot = 1; slot <= kPages; ++slot) {
        TemplatePage &page = story.page(slot);
        page.inUse = true;
        page.pageId = 101 + slot;
        page.layout = kLayoutSimple;
        PageChoice &choice = page.choice(1);
        choice.picture = QStringLiteral("page_pic_1_%1_1.jpg").arg(page.pageId);
        choice.recording = QStringLiteral("recording_1_%1_1.wav").arg(page.pageId);
        choice.text = QStringLiteral("Page %1").arg(slot);
        choice.nextPageId = slot < kPages ? page.pageId + 1 : 0;
        for (PageChoice &each : page.choices)
            each.prevPageId = slot > 1 ? page.pageId - 1 : 0;
        if (slot == kPages)
            page.pathSubtitle = QStringLiteral("The end");
        writeBytes(folder.filePath(choice.picture), kPictureBytes, true);
        writeBytes(folder.filePath(choice.recording), kRecordingBytes, false);
    }
    (void)writeTextLines(folder.filePath(templateFileName(1)), templateLines(story));
}

// Measures the longest gap between ticks of a 1 ms timer while work runs.
class GapProbe {
public:
    GapProbe() {
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_longest = std::max(m_longest, now - m_last);
            m_last = now;
        });
        m_clock.start();
        m_timer.start();
    }
    double longestMs() const { return static_cast<double>(m_longest) / 1e6; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

template <typename T>
QCoro::Task<> keep(QCoro::Task<T> task, std::optional<T> *out) {
    T result = co_await std::move(task);
    out->emplace(std::move(result));
    QCoreApplication::exit(0);
}

template <typename T>
T runWithProbe(QCoro::Task<T> task, double *gapMs, double *seconds) {
    std::optional<T> result;
    GapProbe probe;
    QElapsedTimer clock;
    clock.start();
    QCoro::Task<> kept = keep(std::move(task), &result);
    if (!result)
        QCoreApplication::exec();
    *seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    *gapMs = probe.longestMs();
    return std::move(*result);
}

double timeTool(const QStringList &arguments, const QString &folder) {
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral("gcab"), arguments);
    process.waitForFinished(-1);
    if (process.exitCode() != 0)
        std::fprintf(stderr, "gcab failed: %s\n", process.readAllStandardError().constData());
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir school;
    QTemporaryDir lab;
    QTemporaryDir theirs;
    const AppFolder from(school.path());
    const AppFolder to(lab.path());
    makeTemplate(from);
    GcabCabinets cabinets;

    double exportGap = 0;
    double exportSeconds = 0;
    Result<QString> cabinet =
        runWithProbe(buildTemplateCabinet(from, cabinets, 1), &exportGap, &exportSeconds);
    if (!cabinet) {
        std::fprintf(stderr, "export failed: %s\n", qPrintable(cabinet.error().text()));
        return 1;
    }
    const QString exports = from.filePath(QStringLiteral("exports"));
    QStringList staged = QDir(exports).entryList(QDir::Files, QDir::Name);
    staged.removeAll(QStringLiteral("cabdef.ddf"));
    const QString gcabCabinet = theirs.filePath(QStringLiteral("theirs.cab"));
    const double gcabCreate = timeTool(
        QStringList{QStringLiteral("-c"), QStringLiteral("-z"), gcabCabinet} + staged, exports);

    double importGap = 0;
    double importSeconds = 0;
    Result<ImportedTemplate> imported = runWithProbe(
        importTemplateCabinet(to, cabinets, cabinet.value()), &importGap, &importSeconds);
    if (!imported) {
        std::fprintf(stderr, "import failed: %s\n", qPrintable(imported.error().text()));
        return 1;
    }
    const QString expandInto = theirs.filePath(QStringLiteral("x"));
    QDir().mkpath(expandInto);
    const double gcabExtract = timeTool(
        {QStringLiteral("-x"), QStringLiteral("-C"), expandInto, cabinet.value()}, expandInto);

    const bool exportOk = exportSeconds <= 1.5 * gcabCreate;
    const bool importOk = importSeconds <= 1.5 * gcabExtract;
    const bool gapsOk = exportGap <= 50 && importGap <= 50;
    std::printf("export  %.3f s  (gcab -c -z %.3f s, ratio %.2f, goal <= 1.5)  %s\n", exportSeconds,
                gcabCreate, exportSeconds / gcabCreate, exportOk ? "ok" : "SLOW");
    std::printf("import  %.3f s  (gcab -x    %.3f s, ratio %.2f, goal <= 1.5)  %s\n", importSeconds,
                gcabExtract, importSeconds / gcabExtract, importOk ? "ok" : "SLOW");
    std::printf("longest event-loop gap: export %.1f ms, import %.1f ms (goal <= 50)  %s\n",
                exportGap, importGap, gapsOk ? "ok" : "STALLS");
    return exportOk && importOk && gapsOk ? 0 : 1;
}
