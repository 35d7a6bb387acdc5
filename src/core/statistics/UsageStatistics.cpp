#include "core/statistics/UsageStatistics.h"

#include "core/AppFolder.h"
#include "core/TextFile.h"
#include "core/profiles/StudentProfile.h"
#include "core/services/Clock.h"
#include "core/template/FieldReader.h"

#include <QFile>

#include <cmath>

namespace quillora {

using namespace Qt::StringLiterals;

namespace {

constexpr int kCsvHeadingLines = 4;

QString twoDigits(int value) {
    return QString::number(value).rightJustified(2, u'0');
}

struct StatisticsFiles {
    QString sta, csv, tmp, tcv;
};

StatisticsFiles statisticsFiles(const AppFolder &folder, int studentNumber) {
    return {folder.filePath(statisticsFileName(studentNumber, u".sta"_s)),
            folder.filePath(statisticsFileName(studentNumber, u".csv"_s)),
            folder.filePath(statisticsFileName(studentNumber, u".tmp"_s)),
            folder.filePath(statisticsFileName(studentNumber, u".tcv"_s))};
}

// The lines of an earlier file, or none when there is no such file yet.
Result<QStringList> earlierLines(const QString &path) {
    if (!QFile::exists(path))
        return QStringList();
    return readTextLines(path);
}

} // namespace

QString readingActivity() {
    return u"read"_s;
}

QString statisticsDateText(const QDateTime &when) {
    const QDate date = when.date();
    const QTime time = when.time();
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QString::number(date.month()) + u'/' + QString::number(date.day()) + u'/' +
           twoDigits(date.year() % 100) + u' ' + twoDigits(hour12) + u':' +
           twoDigits(time.minute()) + (time.hour() < 12 ? u" AM"_s : u" PM"_s);
}

QString groupedNumber(long long value) {
    const QString digits = QString::number(value < 0 ? -value : value);
    QString grouped;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += u',';
        grouped += digits[i];
    }
    return value < 0 ? u'-' + grouped : grouped;
}

QString accessModeText(int accessMode, int scanSeconds) {
    switch (accessMode) {
    case kAccessStepScanning:
        return u"Step Scanning with 2 switches"_s;
    case kAccessTimedScanning:
        return u"Timed Scan: Scan set to "_s + groupedNumber(scanSeconds) + u" seconds"_s;
    case kAccessMouse:
        return u"Mouse / Touch Window"_s;
    default:
        return {};
    }
}

QString timeSpentText(double elapsedSeconds) {
    const long long elapsed = elapsedSeconds > 0 ? static_cast<long long>(elapsedSeconds) : 0;
    const long long hours = elapsed / 3600;
    const long long rest = elapsed - hours * 3600;
    const long long minutes = rest / 60;
    const long long seconds = rest - minutes * 60;
    return groupedNumber(hours) + u" Hours, "_s + groupedNumber(minutes) + u" Minutes, "_s +
           groupedNumber(seconds) + u" Seconds "_s;
}

QString statusText(const StatisticsRecord &record) {
    if (record.isReading())
        return record.taskCompleted ? u"The student read his book completely"_s
                                    : u"The student did not finish reading the book"_s;
    return record.taskCompleted ? u"The student completed the task of writing the book"_s
                                : u"The student did not finish writing the book"_s;
}

QStringList statisticsRecordLines(const StatisticsRecord &record, const StatisticsAuthor &author,
                                  const QString &dateText, const QString &timeSpent) {
    const bool reading = record.isReading();
    // A line break in a title would split the record and shift every later line.
    return {QString(49, u'='),
            oneLine(author.name),
            dateText,
            u"Book Title: "_s + oneLine(record.title),
            reading ? u"The student decided to read a Book"_s
                    : u"The student decided to write a Book"_s,
            u"Access Mode:"_s + accessModeText(author.accessMode, author.scanSeconds),
            statusText(record),
            (reading ? u"Pages Turned Forward = "_s : u"Pages Written = "_s) +
                groupedNumber(record.pagesForward),
            (reading ? u"Pages Turned Backward = "_s : u"Pages Erased = "_s) +
                groupedNumber(record.pagesBack),
            u"Task Time = "_s + timeSpent};
}

QStringList statisticsCsvHeadings(const QString &studentName) {
    QString headings;
    for (const char *heading :
         {"Time", "Book Title", "Student Decision", "Access Mode", "Session Status",
          "Pages Turned Forward", "Pages Turned Back", "Time Spent"})
        headings += u'"' + QLatin1String(heading) + u"\","_s;
    return {oneLine(studentName) + u", "_s.repeated(6), u" ,"_s.repeated(9), headings,
            u" ,"_s.repeated(6) + u' '};
}

QString csvField(const QString &text) {
    QString field = oneLine(text);
    field.replace(u'"', u"\"\""_s);
    return u'"' + field + u'"';
}

QString statisticsCsvLine(const StatisticsRecord &record, const StatisticsAuthor &author,
                          const QString &dateText, const QString &timeSpent) {
    const QStringList fields = {dateText,
                                record.title,
                                record.isReading() ? u"Read a Book"_s : u"Write a Book"_s,
                                accessModeText(author.accessMode, author.scanSeconds),
                                statusText(record),
                                QString::number(record.pagesForward),
                                QString::number(record.pagesBack),
                                timeSpent};
    QString line;
    for (const QString &field : fields)
        line += csvField(field) + u',';
    return line;
}

QString statisticsFileName(int studentNumber, const QString &ending) {
    return u"stats_"_s + QString::number(studentNumber) + ending;
}

void UsageStatistics::start(const Clock &clock, const QString &storyTitle) {
    m_record = StatisticsRecord{};
    m_record.startTime = clock.now();
    m_record.title = storyTitle;
}

Result<void> UsageStatistics::write(const StatisticsAuthor &author, const Clock &clock,
                                    const QDateTime &wallTime, const AppFolder &folder,
                                    Messages &messages) const {
    // Letter case counts here: only the built-in name itself goes unlogged.
    if (author.name == teacherName())
        return {};
    const int number = findStudentNumber(folder, messages, author.name, LookupWording::Logon);
    const StatisticsFiles files = statisticsFiles(folder, number);

    // Both earlier files are read before anything is written: one that cannot be read stops
    // the write rather than being replaced by a file without its records.
    auto earlierLog = earlierLines(files.sta);
    if (!earlierLog)
        return earlierLog.error();
    auto earlierCsv = earlierLines(files.csv);
    if (!earlierCsv)
        return earlierCsv.error();
    const bool hadLog = QFile::exists(files.sta);
    const bool hadCsv = QFile::exists(files.csv);
    const QStringList earlierData = earlierCsv->mid(kCsvHeadingLines);

    // The scratch copies of the previous contents, which teachers' tools may look for.
    QFile::remove(files.tmp);
    if (hadLog) {
        if (auto written = writeTextLines(files.tmp, *earlierLog); !written)
            return written;
    }
    QFile::remove(files.tcv);
    if (hadCsv) {
        if (auto written = writeTextLines(files.tcv, earlierData); !written)
            return written;
    }

    const QString dateText = statisticsDateText(wallTime);
    const QString timeSpent = timeSpentText(std::floor(clock.now() - m_record.startTime));
    if (auto written = writeTextLines(
            files.sta, statisticsRecordLines(m_record, author, dateText, timeSpent) + *earlierLog);
        !written)
        return written;
    return writeTextLines(
        files.csv, statisticsCsvHeadings(author.name) +
                       QStringList{statisticsCsvLine(m_record, author, dateText, timeSpent)} +
                       earlierData);
}

} // namespace quillora
