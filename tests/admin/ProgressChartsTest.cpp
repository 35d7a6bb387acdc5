#include "AdminFixture.h"

#include "admin/ProgressPanel.h"
#include "admin/StudentListPanel.h"
#include "core/statistics/UsageStatistics.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHorizontalBarSeries>
#include <QImage>
#include <QLabel>
#include <QPushButton>

namespace quillora::test {
namespace {

using namespace Qt::StringLiterals;

class ProgressChartsTest : public ::testing::Test, public AdminFixture {
protected:
    // Logs one activity of Maya's, as the student side does, spending the given seconds.
    void logActivity(const QString &title, bool reading, int pages, double seconds,
                     const QDateTime &when) {
        UsageStatistics statistics;
        statistics.start(clock, title);
        statistics.record().activity = reading ? readingActivity() : u"0"_s;
        statistics.record().pagesForward = pages;
        statistics.record().taskCompleted = true;
        clock.advanceBy(seconds);
        ASSERT_TRUE(statistics.write({u"Maya"_s, 1, 3}, clock, when, appFolder(), messages));
    }
    void openProgress() {
        select(u"Maya"_s);
        click(form->listPanel()->progressButton());
    }
    QList<qreal> values(QChartView *view, int set) const {
        auto *series = qobject_cast<QAbstractBarSeries *>(view->chart()->series().front());
        QList<qreal> all;
        for (int i = 0; i < series->barSets()[set]->count(); ++i)
            all << series->barSets()[set]->at(i);
        return all;
    }
    ProgressPanel &panel() const { return *form->progressPanel(); }
    const QDateTime monday{QDate(2026, 11, 30), QTime(9, 15)};
};

TEST_F(ProgressChartsTest, ChartsShowTheWeeksAndThePathsOfAStudent) {
    logActivity(u"Milo the Cat (The Garden)"_s, false, 6, 300, monday);
    logActivity(u"Milo the Cat (The Garden)"_s, true, 6, 120, monday.addDays(2));
    // A week without anything, then another path of the same story.
    logActivity(u"Milo the Cat (The Roof)"_s, false, 4, 600, monday.addDays(14));
    openProgress();
    ASSERT_EQ(form->currentPanel(), form->progressPanel());
    EXPECT_EQ(panel().heading()->text(), u"Progress of Maya"_s);
    EXPECT_EQ(values(panel().pagesChart(), 0), (QList<qreal>{6, 0, 4}));
    EXPECT_EQ(values(panel().pagesChart(), 1), (QList<qreal>{6, 0, 0}));
    EXPECT_EQ(values(panel().timeChart(), 0), (QList<qreal>{5, 0, 10}));
    EXPECT_EQ(values(panel().timeChart(), 1), (QList<qreal>{2, 0, 0}));
    // The first path written reads first from the top, so it is the last bar.
    EXPECT_EQ(values(panel().pathsChart(), 0), (QList<qreal>{1, 1}));
    auto *axis =
        qobject_cast<QBarCategoryAxis *>(panel().pathsChart()->chart()->axes(Qt::Vertical).front());
    EXPECT_EQ(axis->categories(),
              (QStringList{u"Milo the Cat: The Roof"_s, u"Milo the Cat: The Garden"_s}));
    click(panel().backButton());
    EXPECT_EQ(form->currentPanel(), form->listPanel());
}

TEST_F(ProgressChartsTest, BrokenRecordsAreNamedAndTheRestIsDrawn) {
    logActivity(u"Milo the Cat"_s, false, 3, 60, monday);
    // A good record, one with a page count that is not a number, and one cut short.
    const QByteArray good = folder.read(u"stats_601.sta"_s);
    QByteArray broken = good;
    broken.replace("Pages Written = 3", "Pages Written = x");
    folder.write(u"stats_601.sta"_s, good + broken + good.left(good.indexOf("Access")));
    openProgress();
    EXPECT_TRUE(lastMessage().contains(u"stats_601.sta, line 18"_s)) << lastMessage().toStdString();
    EXPECT_TRUE(lastMessage().contains(u"stats_601.sta, line 25"_s)) << lastMessage().toStdString();
    EXPECT_EQ(values(panel().pagesChart(), 0), QList<qreal>{3});

    folder.write(u"stats_601.sta"_s, QByteArray(3000, '\0'));
    click(panel().backButton());
    openProgress();
    EXPECT_TRUE(lastMessage().contains(u"stats_601.sta"_s));
    EXPECT_EQ(form->currentPanel(), form->progressPanel());
}

TEST_F(ProgressChartsTest, TheChartsAreSavedAsAPictureWhereTheTeacherChooses) {
    logActivity(u"Milo the Cat"_s, false, 3, 60, monday);
    openProgress();
    const QString chosen = folder.path(u"maya-progress"_s);
    fileDialogs.scriptAnswers({chosen});
    click(panel().saveButton());
    ASSERT_EQ(fileDialogs.asked.size(), 1);
    EXPECT_TRUE(fileDialogs.asked[0].saving);
    EXPECT_EQ(fileDialogs.asked[0].request.proposedName, u"Progress of Maya.png"_s);
    const QImage saved(chosen + u".png"_s);
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), panel().chartsPicture().size());

    // Cancelled: nothing written, nothing said.
    const qsizetype shown = messages.shown.size();
    click(panel().saveButton());
    EXPECT_EQ(messages.shown.size(), shown);
}

TEST_F(ProgressChartsTest, WithoutAnyRecordTheTeacherIsTold) {
    openProgress();
    EXPECT_EQ(lastMessage(), u"Data was not collected yet for Maya"_s);
    select(u"Teacher"_s);
    click(form->listPanel()->progressButton());
    EXPECT_EQ(lastMessage(), u"Data is not gathered for the 'Teacher' logon"_s);
    EXPECT_EQ(form->currentPanel(), form->listPanel());
}

} // namespace
} // namespace quillora::test
