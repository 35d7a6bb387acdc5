#include "core/statistics/StatisticsLog.h"

#include "core/AppFolder.h"
#include "core/TextFile.h"
#include "core/statistics/UsageStatistics.h"

#include <QFile>
#include <QRegularExpression>

#include <optional>

using namespace Qt::StringLiterals;

namespace quillora {

namespace {

constexpr int kRecordLines = 10;

bool isSeparator(const QString &line) {
    return line == QString(49, u'=');
}

// "#,##0" after a fixed label; nothing when the line does not start with the label.
std::optional<int> groupedAfter(const QString &line, const QString &label) {
    if (!line.startsWith(label))
        return std::nullopt;
    QString digits = line.mid(label.size()).trimmed();
    digits.remove(u',');
    bool ok = false;
    const int value = digits.toInt(&ok);
    if (!ok || value < 0)
        return std::nullopt;
    return value;
}

// Lines 3 to 10 of a record, or the line (1-based within the record) that did not read.
struct RecordReading {
    StatisticsEntry entry;
    int badLine = 0;
};

RecordReading readRecord(const QStringList &record) {
    RecordReading reading;
    StatisticsEntry &entry = reading.entry;
    entry.when = parseStatisticsDate(record[2]);
    if (!entry.when.isValid())
        return {entry, 3};
    if (!record[3].startsWith(u"Book Title: "_s))
        return {entry, 4};
    entry.title = record[3].mid(12);
    if (record[4] == u"The student decided to read a Book"_s)
        entry.reading = true;
    else if (record[4] != u"The student decided to write a Book"_s)
        return {entry, 5};
    if (!record[5].startsWith(u"Access Mode:"_s))
        return {entry, 6};
    StatisticsRecord status;
    status.activity = entry.reading ? readingActivity() : QString();
    status.taskCompleted = true;
    entry.completed = record[6] == statusText(status);
    status.taskCompleted = false;
    if (!entry.completed && record[6] != statusText(status))
        return {entry, 7};
    const auto forward = groupedAfter(record[7], entry.reading ? u"Pages Turned Forward = "_s
                                                               : u"Pages Written = "_s);
    if (!forward)
        return {entry, 8};
    const auto back = groupedAfter(record[8], entry.reading ? u"Pages Turned Backward = "_s
                                                            : u"Pages Erased = "_s);
    if (!back)
        return {entry, 9};
    entry.pagesForward = *forward;
    entry.pagesBack = *back;
    if (!record[9].startsWith(u"Task Time = "_s))
        return {entry, 10};
    entry.seconds = parseTimeSpent(record[9].mid(12));
    if (entry.seconds < 0)
        return {entry, 10};
    return reading;
}

} // namespace

QDateTime parseStatisticsDate(const QString &text) {
    static const QRegularExpression pattern(
        u"^(\\d{1,2})/(\\d{1,2})/(\\d{2}) (\\d{2}):(\\d{2}) (AM|PM)$"_s);
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return {};
    const int hour12 = match.captured(4).toInt();
    if (hour12 < 1 || hour12 > 12)
        return {};
    const int hour = hour12 % 12 + (match.captured(6) == u"PM"_s ? 12 : 0);
    const QDate date(2000 + match.captured(3).toInt(), match.captured(1).toInt(),
                     match.captured(2).toInt());
    const QTime time(hour, match.captured(5).toInt());
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time);
}

long long parseTimeSpent(const QString &text) {
    static const QRegularExpression pattern(
        u"^([\\d,]+) Hours, ([\\d,]+) Minutes, ([\\d,]+) Seconds ?$"_s);
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return -1;
    auto part = [&](int index) { return match.captured(index).remove(u',').toLongLong(); };
    return part(1) * 3600 + part(2) * 60 + part(3);
}

StatisticsLog parseStatisticsLog(const QString &path, const QStringList &lines) {
    StatisticsLog log;
    const qsizetype count = lines.size();
    qsizetype at = 0;
    while (at < count) {
        if (!isSeparator(lines[at])) {
            log.problems.append(
                FileError{u"A record does not begin here"_s, path, static_cast<int>(at + 1)});
            while (at < count && !isSeparator(lines[at]))
                ++at;
            continue;
        }
        qsizetype end = at + 1;
        while (end < count && end - at < kRecordLines && !isSeparator(lines[end]))
            ++end;
        if (end - at < kRecordLines) {
            log.problems.append(
                FileError{u"The record is cut short"_s, path, static_cast<int>(end)});
            at = end;
            continue;
        }
        const RecordReading reading = readRecord(lines.mid(at, kRecordLines));
        if (reading.badLine > 0)
            log.problems.append(FileError{u"The record cannot be read"_s, path,
                                          static_cast<int>(at + reading.badLine)});
        else
            log.entries.append(reading.entry);
        at = end;
    }
    return log;
}

Result<StatisticsLog> readStatisticsLog(const AppFolder &folder, int studentNumber) {
    const QString name = statisticsFileName(studentNumber, u".sta"_s);
    const QString path = folder.filePath(name);
    if (!QFile::exists(path))
        return FileError{u"No data was collected yet"_s, name};
    auto lines = readTextLines(path);
    if (!lines)
        return lines.error();
    return parseStatisticsLog(path, *lines);
}

} // namespace quillora
