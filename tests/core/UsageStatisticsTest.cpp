#include "core/statistics/UsageStatistics.h"

#include "FakeMessages.h"
#include "TempAppFolder.h"
#include "VirtualClock.h"
#include "core/profiles/StudentProfile.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace quillora::test {
namespace {

using namespace Qt::StringLiterals;

TEST(StatisticsText, DatesNumbersAndDurations) {
    const std::pair<QDateTime, QString> dates[] = {
        {QDateTime(QDate(2013, 3, 7), QTime(14, 5)), u"3/7/13 02:05 PM"_s},
        {QDateTime(QDate(2009, 12, 25), QTime(23, 59)), u"12/25/09 11:59 PM"_s},
        {QDateTime(QDate(2024, 1, 2), QTime(0, 30)), u"1/2/24 12:30 AM"_s},
        {QDateTime(QDate(2024, 1, 2), QTime(12, 0)), u"1/2/24 12:00 PM"_s},
        {QDateTime(QDate(2024, 1, 2), QTime(9, 7)), u"1/2/24 09:07 AM"_s},
    };
    for (const auto &[when, text] : dates)
        EXPECT_EQ(statisticsDateText(when), text);

    const std::pair<long long, QString> numbers[] = {
        {0, u"0"_s}, {999, u"999"_s}, {1000, u"1,000"_s}, {1234567, u"1,234,567"_s}};
    for (const auto &[value, text] : numbers)
        EXPECT_EQ(groupedNumber(value), text);

    const std::pair<double, QString> durations[] = {
        {271, u"0 Hours, 4 Minutes, 31 Seconds "_s},
        {3725.9, u"1 Hours, 2 Minutes, 5 Seconds "_s},
        {-40, u"0 Hours, 0 Minutes, 0 Seconds "_s},
        {3600.0 * 1500, u"1,500 Hours, 0 Minutes, 0 Seconds "_s},
    };
    for (const auto &[seconds, text] : durations)
        EXPECT_EQ(timeSpentText(seconds), text);

    EXPECT_EQ(accessModeText(1, 3), u"Step Scanning with 2 switches"_s);
    EXPECT_EQ(accessModeText(2, 3), u"Timed Scan: Scan set to 3 seconds"_s);
    EXPECT_EQ(accessModeText(2, 1200), u"Timed Scan: Scan set to 1,200 seconds"_s);
    EXPECT_EQ(accessModeText(3, 3), u"Mouse / Touch Window"_s);
}

TEST(StatisticsText, CsvFieldsKeepQuotesAndCommasInside) {
    EXPECT_EQ(csvField(u"The Fox, Part 2"_s), u"\"The Fox, Part 2\""_s);
    EXPECT_EQ(csvField(u"Milo \"the\" Cat"_s), u"\"Milo \"\"the\"\" Cat\""_s);
    EXPECT_EQ(csvField(u"\"Quoted\""_s), u"\"\"\"Quoted\"\"\""_s);
    EXPECT_EQ(csvField(QString()), u"\"\""_s);
}

class StatisticsFiles : public ::testing::Test {
protected:
    StatisticsFiles() {
        StudentProfile zoe;
        zoe.studentName = u"Zoe"_s;
        zoe.studentNumber = 603;
        app.write(profileFileName(603), crlf(profileLines(zoe)));
    }

    Result<void> writeRecord(const QString &title, int forward, int back, bool done, double seconds,
                             const StatisticsAuthor &author) {
        UsageStatistics statistics;
        statistics.start(clock, title);
        statistics.record().pagesForward = forward;
        statistics.record().pagesBack = back;
        statistics.record().taskCompleted = done;
        clock.advanceBy(seconds);
        return statistics.write(author, clock, wallTime, app.folder(), messages);
    }

    TempAppFolder app;
    VirtualClock clock;
    FakeMessages messages;
    QDateTime wallTime{QDate(2013, 3, 7), QTime(14, 5)};
    const StatisticsAuthor zoeStepping{u"Zoe"_s, 1, 3};
};

const QStringList kFirstRecord = {u"================================================="_s,
                                  u"Zoe"_s,
                                  u"3/7/13 02:05 PM"_s,
                                  u"Book Title: The Fox (Up the Hill)"_s,
                                  u"The student decided to write a Book"_s,
                                  u"Access Mode:Step Scanning with 2 switches"_s,
                                  u"The student completed the task of writing the book"_s,
                                  u"Pages Written = 4"_s,
                                  u"Pages Erased = 1"_s,
                                  u"Task Time = 0 Hours, 4 Minutes, 31 Seconds "_s};

const QStringList kHeadings = {
    u"Zoe, , , , , , "_s, u" , , , , , , , , ,"_s,
    u"\"Time\",\"Book Title\",\"Student Decision\",\"Access Mode\",\"Session Status\","
    "\"Pages Turned Forward\",\"Pages Turned Back\",\"Time Spent\","_s,
    u" , , , , , , "_s};

const QString kFirstData =
    u"\"3/7/13 02:05 PM\",\"The Fox (Up the Hill)\",\"Write a Book\",\"Step Scanning with 2 "
    "switches\",\"The student completed the task of writing the book\",\"4\",\"1\",\"0 Hours, 4 "
    "Minutes, 31 Seconds \","_s;

TEST_F(StatisticsFiles, TheFirstRecordMakesBothFilesAndNoScratchCopies) {
    ASSERT_TRUE(writeRecord(u"The Fox (Up the Hill)"_s, 4, 1, true, 271.6, zoeStepping).ok());
    EXPECT_EQ(app.read(u"stats_603.sta"_s), crlf(kFirstRecord));
    EXPECT_EQ(app.read(u"stats_603.csv"_s), crlf(kHeadings + QStringList{kFirstData}));
    EXPECT_FALSE(app.exists(u"stats_603.tmp"_s));
    EXPECT_FALSE(app.exists(u"stats_603.tcv"_s));
    EXPECT_TRUE(messages.shown.isEmpty());
}

// The newest record comes first; the older ones follow whole, and the scratch copies hold
// what the files held before.
TEST_F(StatisticsFiles, ANewerRecordGoesInFront) {
    ASSERT_TRUE(writeRecord(u"The Fox (Up the Hill)"_s, 4, 1, true, 271.6, zoeStepping).ok());
    wallTime = QDateTime(QDate(2013, 3, 8), QTime(0, 1));
    const StatisticsAuthor timed{u"Zoe"_s, 2, 3};
    ASSERT_TRUE(writeRecord(u"Milo, the \"Cat\""_s, 0, 0, false, 59, timed).ok());

    const QStringList newer = {u"================================================="_s,
                               u"Zoe"_s,
                               u"3/8/13 12:01 AM"_s,
                               u"Book Title: Milo, the \"Cat\""_s,
                               u"The student decided to write a Book"_s,
                               u"Access Mode:Timed Scan: Scan set to 3 seconds"_s,
                               u"The student did not finish writing the book"_s,
                               u"Pages Written = 0"_s,
                               u"Pages Erased = 0"_s,
                               u"Task Time = 0 Hours, 0 Minutes, 59 Seconds "_s};
    const QString newerData =
        u"\"3/8/13 12:01 AM\",\"Milo, the \"\"Cat\"\"\",\"Write a Book\",\"Timed Scan: Scan set to "
        u"3 "
        "seconds\",\"The student did not finish writing the book\",\"0\",\"0\",\"0 Hours, 0 "
        "Minutes, 59 Seconds \","_s;
    EXPECT_EQ(app.read(u"stats_603.sta"_s), crlf(newer + kFirstRecord));
    EXPECT_EQ(app.read(u"stats_603.csv"_s), crlf(kHeadings + QStringList{newerData, kFirstData}));
    EXPECT_EQ(app.read(u"stats_603.tmp"_s), crlf(kFirstRecord));
    EXPECT_EQ(app.read(u"stats_603.tcv"_s), crlf({kFirstData}));
}

TEST_F(StatisticsFiles, HandEditedHeadingsAreWrittenAfresh) {
    app.write(u"stats_603.csv"_s,
              "my notes\r\nmore\r\n\r\nstill headings\r\n\"old\",\"line\",\r\n");
    ASSERT_TRUE(writeRecord(u"The Fox (Up the Hill)"_s, 4, 1, true, 271, zoeStepping).ok());
    EXPECT_EQ(app.read(u"stats_603.csv"_s),
              crlf(kHeadings + QStringList{kFirstData, u"\"old\",\"line\","_s}));
}

TEST_F(StatisticsFiles, ReadingRecordsUseTheReadingWords) {
    UsageStatistics statistics;
    statistics.start(clock, u"The Fox"_s);
    statistics.record().activity = readingActivity();
    statistics.record().pagesForward = 2;
    statistics.record().taskCompleted = true;
    ASSERT_TRUE(statistics.write({u"Zoe"_s, 3, 3}, clock, wallTime, app.folder(), messages).ok());
    const QString log = QString::fromUtf8(app.read(u"stats_603.sta"_s));
    EXPECT_TRUE(log.contains(u"\r\nThe student decided to read a Book\r\n"_s));
    EXPECT_TRUE(log.contains(u"\r\nThe student read his book completely\r\n"_s));
    EXPECT_TRUE(log.contains(u"\r\nPages Turned Forward = 2\r\nPages Turned Backward = 0\r\n"_s));
    EXPECT_TRUE(app.read(u"stats_603.csv"_s).contains("\"Read a Book\",\"Mouse / Touch Window\""));
}

TEST_F(StatisticsFiles, TheTeacherIsNeverLogged) {
    ASSERT_TRUE(writeRecord(u"The Fox"_s, 1, 0, true, 5, {u"Teacher"_s, 3, 3}).ok());
    EXPECT_TRUE(QDir(app.folder().root()).entryList({u"stats_*"_s}).isEmpty());
}

TEST_F(StatisticsFiles, ANameWithoutAProfileIsReportedAndLoggedAsNumberZero) {
    ASSERT_TRUE(writeRecord(u"The Fox"_s, 1, 0, true, 5, {u"Nobody"_s, 3, 3}).ok());
    EXPECT_EQ(messages.shown, QStringList{u"Critical Error:  Stundent Data Missing"_s});
    EXPECT_TRUE(app.exists(u"stats_0.sta"_s));
    EXPECT_TRUE(app.exists(u"stats_0.csv"_s));
}

// An earlier log that cannot be read is not replaced by one without its records.
TEST_F(StatisticsFiles, AnUnreadableEarlierLogStopsTheWriteAndKeepsEverything) {
    app.write(u"stats_603.csv"_s, crlf(kHeadings + QStringList{kFirstData}));
    ASSERT_TRUE(QDir(app.folder().root()).mkdir(u"stats_603.sta"_s));
    const auto written = writeRecord(u"The Fox"_s, 1, 0, true, 5, zoeStepping);
    ASSERT_FALSE(written.ok());
    EXPECT_TRUE(written.error().text().contains(u"stats_603.sta"_s));
    EXPECT_EQ(app.read(u"stats_603.csv"_s), crlf(kHeadings + QStringList{kFirstData}));
}

} // namespace
} // namespace quillora::test
