#pragma once

#include "core/statistics/StatisticsLog.h"

#include <QDate>
#include <QList>
#include <QString>

namespace quillora {

// The charts show at most this many weeks, the latest ones: a school year and a bit.
inline constexpr int kProgressWeekLimit = 52;

// One week, Monday to Sunday, of a student's activity.
struct WeekTotals {
    QDate monday;
    int pagesWritten = 0;
    int pagesRead = 0; // pages turned forward while reading
    double minutesWriting = 0;
    double minutesReading = 0;
};

// How often the student finished writing down one path of a template.
struct PathCount {
    QString path; // the path's subtitle; empty for a template without subtitles
    int times = 0;
};

struct TemplatePaths {
    QString title;
    QList<PathCount> paths; // in the order first written
};

// What the progress charts draw: every week from the first record to the last (weeks
// without activity too, so a gap shows as a gap), and the paths of every template written.
struct ProgressSummary {
    QList<WeekTotals> weeks; // oldest first
    QList<TemplatePaths> templates;
};

ProgressSummary summarizeProgress(const QList<StatisticsEntry> &entries);

// "Title (Subtitle)" as the log writes a book with a path subtitle, split again.
struct TitleParts {
    QString title;
    QString path;
};
TitleParts splitLoggedTitle(const QString &logged);

} // namespace quillora
