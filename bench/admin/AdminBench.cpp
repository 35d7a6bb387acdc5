// Timings of the student management form against its goals: the student list of 500
// students fills in at most 100 ms, the assignment panel of 500 templates opens in at most
// 200 ms, and 5,000 statistics records are read and drawn as charts in at most 300 ms.
// Each benchmark reports "goal_ms" beside its time, so a run reads at a glance.

#include "admin/AssignmentPanel.h"
#include "admin/ProgressPanel.h"
#include "admin/StudentListPanel.h"
#include "core/AppFolder.h"
#include "core/TextFile.h"
#include "core/profiles/Assignments.h"
#include "core/profiles/StudentProfile.h"
#include "core/statistics/ProgressSummary.h"
#include "core/statistics/StatisticsLog.h"
#include "core/statistics/UsageStatistics.h"
#include "core/template/TemplateFile.h"

#include <QApplication>
#include <QDateTime>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace quillora;
using namespace Qt::StringLiterals;

namespace {

QTemporaryDir &folderDir() {
    static QTemporaryDir dir;
    return dir;
}

const AppFolder &folder() {
    static const AppFolder appFolder(folderDir().path());
    return appFolder;
}

void makeStudents() {
    for (int i = 0; i < 500; ++i) {
        StudentProfile profile;
        profile.studentNumber = kFirstStudentNumber + i;
        profile.studentName = u"Student %1"_s.arg(i);
        (void)writeTextLines(folder().filePath(profileFileName(profile.studentNumber)),
                             profileLines(profile));
    }
}

// Template heads are all the panel reads; each file is a head and one page group.
void makeTemplates() {
    for (int id = 1; id <= 500; ++id) {
        QStringList lines = {u" %1 "_s.arg(id), u"Story number %1"_s.arg(id),
                             u"None"_s,         u"None"_s,
                             u" 1 "_s,          u"None"_s,
                             u"Arial"_s,        u" 0 "_s,
                             u" 0 "_s};
        (void)writeTextLines(folder().filePath(templateFileName(id)), lines);
    }
    QList<int> assigned;
    for (int id = 1; id <= 500; id += 2)
        assigned << id;
    (void)saveAssignments(folder(), kFirstStudentNumber, assigned);
}

// 5,000 records over about two years, writing and reading in turn, on three paths.
void makeStatistics() {
    QStringList lines;
    const QDateTime start(QDate(2025, 1, 6), QTime(9, 0));
    const QStringList paths = {u"The Garden"_s, u"The Roof"_s, u"Up the Tree"_s};
    for (int i = 4999; i >= 0; --i) { // newest first, as the log keeps them
        StatisticsRecord record;
        record.title = u"Milo the Cat ("_s + paths[i % 3] + u')';
        record.activity = i % 2 ? readingActivity() : u"0"_s;
        record.pagesForward = 3 + i % 7;
        record.taskCompleted = i % 5 != 0;
        const QDateTime when = start.addSecs(qint64(i) * 3 * 3600);
        lines += statisticsRecordLines(record, {u"Student 0"_s, 2, 3}, statisticsDateText(when),
                                       timeSpentText(60 + i % 600));
    }
    (void)writeTextLines(folder().filePath(statisticsFileName(kFirstStudentNumber, u".sta"_s)),
                         lines);
}

void StudentList500(benchmark::State &state) {
    StudentListPanel panel;
    panel.resize(960, 700);
    for (auto _ : state) {
        panel.setStudentNames(listStudents(folder()).names);
        benchmark::DoNotOptimize(panel.studentList());
    }
    state.counters["goal_ms"] = 100;
}

void AssignmentPanel500(benchmark::State &state) {
    AssignmentPanel panel;
    panel.resize(960, 700);
    for (auto _ : state) {
        const auto assignments = loadAssignments(folder(), kFirstStudentNumber);
        panel.fill(u"Student 0"_s, listTemplates(folder()),
                   assignments ? *assignments : Assignments());
        benchmark::DoNotOptimize(panel.tickedIds());
    }
    state.counters["goal_ms"] = 200;
}

void ProgressCharts5000(benchmark::State &state) {
    ProgressPanel panel;
    panel.resize(960, 700);
    qsizetype records = 0;
    for (auto _ : state) {
        const auto log = readStatisticsLog(folder(), kFirstStudentNumber);
        records = log->entries.size();
        panel.showProgress(u"Student 0"_s, summarizeProgress(log->entries));
        // Drawing the charts is part of what the teacher waits for.
        benchmark::DoNotOptimize(panel.chartsPicture());
    }
    state.counters["goal_ms"] = 300;
    state.counters["records"] = static_cast<double>(records);
}

BENCHMARK(StudentList500)->Unit(benchmark::kMillisecond);
BENCHMARK(AssignmentPanel500)->Unit(benchmark::kMillisecond);
BENCHMARK(ProgressCharts5000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    makeStudents();
    makeTemplates();
    makeStatistics();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
