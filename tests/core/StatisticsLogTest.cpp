#include "core/statistics/StatisticsLog.h"
#include "FakeMessages.h"
#include "TempAppFolder.h"
#include "VirtualClock.h"
#include "core/TextFile.h"
#include "core/statistics/ProgressSummary.h"
#include "core/statistics/UsageStatistics.h"

#include <gtest/gtest.h>

namespace quillora::test {
namespace {

using namespace Qt::StringLiterals;

class StatisticsLogTest : public ::testing::Test {
protected:
    StatisticsLogTest() { app.write(u"student_601.lgn"_s, crlf({u"Maya"_s, u" 601 "_s})); }
    // Logs one activity through the writer the student side uses.
    void log(const QString &title, bool reading, bool completed, int forward, int back,
             double seconds, const QDateTime &when, int accessMode = 1) {
        UsageStatistics statistics;
        statistics.start(clock, title);
        statistics.record().activity = reading ? readingActivity() : u"0"_s;
        statistics.record().pagesForward = forward;
        statistics.record().pagesBack = back;
        statistics.record().taskCompleted = completed;
        clock.advanceBy(seconds);
        ASSERT_TRUE(
            statistics.write({u"Maya"_s, accessMode, 12}, clock, when, app.folder(), messages));
    }
    StatisticsLog readBack() const {
        auto read = readStatisticsLog(app.folder(), 601);
        EXPECT_TRUE(read.ok());
        return read ? *read : StatisticsLog{};
    }

    TempAppFolder app;
    VirtualClock clock;
    FakeMessages messages;
};

TEST_F(StatisticsLogTest, WhatTheWriterLogsReadsBackNewestFirst) {
    const QDateTime morning(QDate(2026, 3, 7), QTime(0, 5));
    log(u"Milo, \"the\" Cat (The Roof)"_s, false, true, 1234, 2, 3725, morning, 2);
    log(u"Milo the Cat"_s, true, false, 0, 0, 59, morning.addDays(1).addSecs(12 * 3600 + 60));
    const StatisticsLog read = readBack();
    EXPECT_TRUE(read.problems.isEmpty());
    ASSERT_EQ(read.entries.size(), 2);
    const StatisticsEntry &reading = read.entries[0];
    EXPECT_EQ(reading.when, QDateTime(QDate(2026, 3, 8), QTime(12, 6)));
    EXPECT_TRUE(reading.reading);
    EXPECT_FALSE(reading.completed);
    EXPECT_EQ(reading.seconds, 59);
    const StatisticsEntry &writing = read.entries[1];
    EXPECT_EQ(writing.when, morning);
    EXPECT_EQ(writing.title, u"Milo, \"the\" Cat (The Roof)"_s);
    EXPECT_FALSE(writing.reading);
    EXPECT_TRUE(writing.completed);
    EXPECT_EQ(writing.pagesForward, 1234);
    EXPECT_EQ(writing.pagesBack, 2);
    EXPECT_EQ(writing.seconds, 3725);
}

TEST_F(StatisticsLogTest, BrokenRecordsAreNamedByLineAndSkippedWhole) {
    log(u"Milo the Cat"_s, false, true, 3, 0, 60, QDateTime(QDate(2026, 3, 7), QTime(9, 0)));
    const QStringList good = *readTextLines(app.path(u"stats_601.sta"_s));
    const struct {
        int line; // within the record
        QString replacement;
    } cases[] = {{3, u"yesterday"_s},
                 {3, u"13/40/26 09:00 AM"_s},
                 {4, u"Title: x"_s},
                 {5, u"The student decided to sing"_s},
                 {6, u"Mode: mouse"_s},
                 {7, u"The student went home"_s},
                 {8, u"Pages Written = many"_s},
                 {9, u"Pages Turned Backward = 1"_s},
                 {10, u"Task Time = soon"_s}};
    for (const auto &c : cases) {
        QStringList broken = good;
        broken[c.line - 1] = c.replacement;
        // A stray line before the records, the broken record, then a good one.
        const StatisticsLog read =
            parseStatisticsLog(u"stats_601.sta"_s, QStringList{u"junk"_s} + broken + good);
        ASSERT_EQ(read.problems.size(), 2) << c.replacement.toStdString();
        EXPECT_EQ(read.problems[0].line, 1);
        EXPECT_EQ(read.problems[1].line, 1 + c.line) << c.replacement.toStdString();
        EXPECT_EQ(read.problems[1].file, u"stats_601.sta"_s);
        EXPECT_EQ(read.entries.size(), 1);
    }
    const StatisticsLog cut = parseStatisticsLog(u"s"_s, good.mid(0, 4) + good + good.mid(0, 6));
    EXPECT_EQ(cut.entries.size(), 1);
    ASSERT_EQ(cut.problems.size(), 2);
    EXPECT_EQ(cut.problems[0].line, 4);
    EXPECT_EQ(cut.problems[1].line, 20);
}

TEST_F(StatisticsLogTest, AMissingLogMeansNoDataYet) {
    auto read = readStatisticsLog(app.folder(), 601);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.error().file, u"stats_601.sta"_s);
}

TEST(StatisticsTexts, DatesAndTimesReadBack) {
    EXPECT_EQ(parseStatisticsDate(u"3/7/13 02:05 PM"_s),
              QDateTime(QDate(2013, 3, 7), QTime(14, 5)));
    EXPECT_EQ(parseStatisticsDate(u"12/31/26 12:59 AM"_s),
              QDateTime(QDate(2026, 12, 31), QTime(0, 59)));
    EXPECT_EQ(parseStatisticsDate(u"1/1/27 12:00 PM"_s),
              QDateTime(QDate(2027, 1, 1), QTime(12, 0)));
    for (const QString &bad : {u"2/30/26 01:00 PM"_s, u"1/1/26 13:00 PM"_s, u"1/1/26 00:10 AM"_s,
                               u"1/1/2026 01:00 PM"_s, u""_s})
        EXPECT_FALSE(parseStatisticsDate(bad).isValid()) << bad.toStdString();
    EXPECT_EQ(parseTimeSpent(u"1 Hours, 2 Minutes, 3 Seconds "_s), 3723);
    EXPECT_EQ(parseTimeSpent(u"1,000 Hours, 0 Minutes, 0 Seconds "_s), 3600000);
    EXPECT_EQ(parseTimeSpent(u"1 Hours, 2 Minutes"_s), -1);
}

StatisticsEntry entry(const QDate &day, bool reading, int pages, int seconds,
                      const QString &title = u"Milo the Cat"_s, bool completed = true) {
    return {QDateTime(day, QTime(10, 0)), title, reading, completed, pages, 0, seconds};
}

TEST(ProgressSummaryTest, WeeksRunMondayToSundayAndGapsShow) {
    const QDate monday(2026, 11, 30);
    // Newest first, as the log keeps them.
    const ProgressSummary summary =
        summarizeProgress({entry(monday.addDays(15), false, 4, 600),
                           entry(monday.addDays(6), true, 7, 90), entry(monday, false, 5, 300)});
    ASSERT_EQ(summary.weeks.size(), 3);
    EXPECT_EQ(summary.weeks[0].monday, monday);
    EXPECT_EQ(summary.weeks[0].pagesWritten, 5);
    EXPECT_EQ(summary.weeks[0].pagesRead, 7);
    EXPECT_DOUBLE_EQ(summary.weeks[0].minutesWriting, 5);
    EXPECT_DOUBLE_EQ(summary.weeks[0].minutesReading, 1.5);
    EXPECT_EQ(summary.weeks[1].monday, monday.addDays(7));
    EXPECT_EQ(summary.weeks[1].pagesWritten + summary.weeks[1].pagesRead, 0);
    EXPECT_EQ(summary.weeks[2].pagesWritten, 4);

    const ProgressSummary years =
        summarizeProgress({entry(monday, false, 1, 1), entry(monday.addYears(-3), false, 1, 1)});
    ASSERT_EQ(years.weeks.size(), kProgressWeekLimit);
    EXPECT_EQ(years.weeks.back().monday, monday);
}

TEST(ProgressSummaryTest, PathsCountFinishedBooksInTheOrderFirstWritten) {
    const QDate day(2026, 12, 1);
    const ProgressSummary summary = summarizeProgress({
        entry(day, false, 1, 1, u"Milo the Cat (The Garden)"_s),
        entry(day, false, 1, 1, u"Milo the Cat (The Roof)"_s, false), // not finished
        entry(day, true, 1, 1, u"Milo the Cat (The Roof)"_s),         // read, not written
        entry(day, false, 1, 1, u"Seven Seas"_s),
        entry(day, false, 1, 1, u"Milo the Cat (The Roof)"_s),
        entry(day, false, 1, 1, u"Milo the Cat (The Garden)"_s),
    });
    ASSERT_EQ(summary.templates.size(), 2);
    EXPECT_EQ(summary.templates[0].title, u"Milo the Cat"_s);
    ASSERT_EQ(summary.templates[0].paths.size(), 2);
    EXPECT_EQ(summary.templates[0].paths[0].path, u"The Garden"_s);
    EXPECT_EQ(summary.templates[0].paths[0].times, 2);
    EXPECT_EQ(summary.templates[0].paths[1].path, u"The Roof"_s);
    EXPECT_EQ(summary.templates[0].paths[1].times, 1);
    EXPECT_EQ(summary.templates[1].title, u"Seven Seas"_s);
    EXPECT_TRUE(summary.templates[1].paths[0].path.isEmpty());
    EXPECT_TRUE(summarizeProgress({}).weeks.isEmpty());
}

TEST(ProgressSummaryTest, LoggedTitlesSplitAtTheirLastBracket) {
    const struct {
        QString logged, title, path;
    } cases[] = {{u"Milo (The Roof)"_s, u"Milo"_s, u"The Roof"_s},
                 {u"Milo (Jr.) (The Roof)"_s, u"Milo (Jr.)"_s, u"The Roof"_s},
                 {u"Milo"_s, u"Milo"_s, {}},
                 {u"(Only)"_s, u"(Only)"_s, {}},
                 {u"Milo (The Roof) again"_s, u"Milo (The Roof) again"_s, {}}};
    for (const auto &c : cases) {
        const TitleParts parts = splitLoggedTitle(c.logged);
        EXPECT_EQ(parts.title, c.title) << c.logged.toStdString();
        EXPECT_EQ(parts.path, c.path) << c.logged.toStdString();
    }
}

} // namespace
} // namespace quillora::test
