#include "core/statistics/ProgressSummary.h"

#include <QMap>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillora {

namespace {

QDate mondayOf(const QDate &date) {
    return date.addDays(1 - date.dayOfWeek());
}

void addToWeek(WeekTotals &week, const StatisticsEntry &entry) {
    const double minutes = static_cast<double>(entry.seconds) / 60.0;
    if (entry.reading) {
        week.pagesRead += entry.pagesForward;
        week.minutesReading += minutes;
    } else {
        week.pagesWritten += entry.pagesForward;
        week.minutesWriting += minutes;
    }
}

QList<WeekTotals> weeklyTotals(const QList<StatisticsEntry> &entries) {
    QMap<QDate, WeekTotals> byWeek;
    for (const StatisticsEntry &entry : entries) {
        const QDate monday = mondayOf(entry.when.date());
        WeekTotals &week = byWeek[monday];
        week.monday = monday;
        addToWeek(week, entry);
    }
    QList<WeekTotals> weeks;
    if (byWeek.isEmpty())
        return weeks;
    const QDate last = byWeek.lastKey();
    const QDate first = std::max(byWeek.firstKey(), last.addDays(-7 * (kProgressWeekLimit - 1)));
    for (QDate monday = first; monday <= last; monday = monday.addDays(7)) {
        WeekTotals week = byWeek.value(monday);
        week.monday = monday;
        weeks.append(week);
    }
    return weeks;
}

void countPath(QList<TemplatePaths> &templates, const TitleParts &parts) {
    auto story = std::find_if(templates.begin(), templates.end(),
                              [&](const TemplatePaths &t) { return t.title == parts.title; });
    if (story == templates.end()) {
        templates.append(TemplatePaths{parts.title, {}});
        story = templates.end() - 1;
    }
    auto path = std::find_if(story->paths.begin(), story->paths.end(),
                             [&](const PathCount &p) { return p.path == parts.path; });
    if (path == story->paths.end())
        story->paths.append(PathCount{parts.path, 1});
    else
        ++path->times;
}

} // namespace

TitleParts splitLoggedTitle(const QString &logged) {
    const qsizetype open = logged.lastIndexOf(u" ("_s);
    if (open <= 0 || !logged.endsWith(u')'))
        return {logged, {}};
    return {logged.left(open), logged.mid(open + 2, logged.size() - open - 3)};
}

ProgressSummary summarizeProgress(const QList<StatisticsEntry> &entries) {
    ProgressSummary summary;
    summary.weeks = weeklyTotals(entries);
    // The log keeps the newest first; paths are listed in the order they were first taken.
    for (auto entry = entries.crbegin(); entry != entries.crend(); ++entry) {
        if (!entry->reading && entry->completed)
            countPath(summary.templates, splitLoggedTitle(entry->title));
    }
    return summary;
}

} // namespace quillora
