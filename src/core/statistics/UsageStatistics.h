#pragma once

#include "core/Result.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace quillora {

class AppFolder;
class Clock;
class Messages;

// What a record holds while a book is read; any other activity counts as writing.
QString readingActivity();

// One activity of a student, from the moment it began until it is written down.
struct StatisticsRecord {
    double startTime = 0; // on the monotonic clock, so a session across midnight is right
    QString title;
    QString activity = QStringLiteral("0");
    int pagesForward = 0; // writing: pages written; reading: pages turned forward
    int pagesBack = 0;    // writing: pages erased; reading: pages turned back
    bool taskCompleted = false;

    bool isReading() const { return activity == readingActivity(); }
};

// Who did it and how the screens were worked, as the log names them.
struct StatisticsAuthor {
    QString name;
    int accessMode = 3;
    int scanSeconds = 3;
};

// The text forms of the log. Dates read "m/d/yy hh:mm AM/PM" (3/7/13 02:05 PM) whatever the
// desktop's regional settings: teachers compare logs from different machines.
QString statisticsDateText(const QDateTime &when);
// "#,##0": digits in groups of three, separated by commas.
QString groupedNumber(long long value);
QString accessModeText(int accessMode, int scanSeconds);
// "h Hours, m Minutes, s Seconds " - the trailing space is part of the stored text.
QString timeSpentText(double elapsedSeconds);
QString statusText(const StatisticsRecord &record);

// The ten lines of one record of the ".sta" log.
QStringList statisticsRecordLines(const StatisticsRecord &record, const StatisticsAuthor &author,
                                  const QString &dateText, const QString &timeSpent);
// The four heading lines of the ".csv" file.
QStringList statisticsCsvHeadings(const QString &studentName);
// One data line: eight quoted fields, each followed by a comma.
QString statisticsCsvLine(const StatisticsRecord &record, const StatisticsAuthor &author,
                          const QString &dateText, const QString &timeSpent);
// A field in double quotes. Quotes inside it are doubled, so a spreadsheet reads a title such
// as Milo "the Cat" as one field.
QString csvField(const QString &text);

// "stats_" n and the ending, as a file name.
QString statisticsFileName(int studentNumber, const QString &ending);

// The record in progress: one at a time for the whole program, begun when a book is opened
// for writing or reading and written when the student leaves it.
class UsageStatistics {
public:
    // Begins a record of writing: counters zero, task not done, the clock read now.
    void start(const Clock &clock, const QString &storyTitle);

    StatisticsRecord &record() { return m_record; }
    const StatisticsRecord &record() const { return m_record; }

    // Puts the record in front of the student's earlier ones in the ".sta" log and the
    // ".csv" file; nothing for "Teacher". The new files are built whole and then replace the
    // old ones in one step each, so a full disk or a crash never costs the older records.
    // The ".tmp" and ".tcv" copies of the previous contents are still left beside them.
    // A name without a profile is reported and logged under number 0.
    Result<void> write(const StatisticsAuthor &author, const Clock &clock,
                       const QDateTime &wallTime, const AppFolder &folder,
                       Messages &messages) const;

private:
    StatisticsRecord m_record;
};

} // namespace quillora
