#pragma once

#include "core/Result.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace quillora {

class AppFolder;

// One record of a student's ".sta" log, read back for the progress charts.
struct StatisticsEntry {
    QDateTime when; // to the minute, as logged
    QString title;  // the book title, with the path's subtitle in brackets when it had one
    bool reading = false;
    bool completed = false;
    int pagesForward = 0; // writing: pages written; reading: pages turned forward
    int pagesBack = 0;
    long long seconds = 0; // time spent
};

// The records that could be read, newest first as the log keeps them, and the records that
// could not, each naming the file and the line. A broken record is skipped whole: the next
// one begins at the next row of equals signs.
struct StatisticsLog {
    QList<StatisticsEntry> entries;
    QList<FileError> problems;
};

StatisticsLog parseStatisticsLog(const QString &path, const QStringList &lines);

// Reads "stats_" n ".sta". A missing log is an error too: no data was collected yet.
Result<StatisticsLog> readStatisticsLog(const AppFolder &folder, int studentNumber);

// "3/7/13 02:05 PM" back into a date and time; years are of this century.
QDateTime parseStatisticsDate(const QString &text);
// "0 Hours, 4 Minutes, 31 Seconds " back into seconds; -1 when it does not read so.
long long parseTimeSpent(const QString &text);

} // namespace quillora
