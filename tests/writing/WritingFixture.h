#pragma once

#include "TestWorld.h"
#include "core/async/FlowScope.h"
#include "student/PictureCache.h"
#include "student/StudentContext.h"
#include "student/WritingArea.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace quillora::test {

// One page of a fixture story: its number, layout, the pages its choices lead to, the page
// it comes from and the subtitle of a path's last page.
struct PagePlan {
    int pageId = 0;
    int layout = 1;
    std::vector<int> next;
    int prev = 0;
    QString subtitle;
};

// Writes a story with a narration ("narr_<page>_<choice>.wav", one second) for every choice
// and an installed picture on every page.
StoryTemplate writeStory(const TempAppFolder &folder, int storyId, const QString &title,
                         const std::vector<PagePlan> &pages);

// The branching story 7, "The Fox": 201, 202, a decision at 203, then 204 and 205 (subtitle
// "Up the Hill") or 206 alone.
void writeFoxStory(const TempAppFolder &folder);

// The write flow on a copy of the installed folder, with every outside service a double.
// The student's switches are pressed through the scan engine, mouse clicks on the screens'
// own buttons. Tests take it as their fixture, or make one per row of a table.
class WritingRig : public TestWorld {
public:
    WritingRig();
    ~WritingRig();
    WritingRig(const WritingRig &) = delete;
    WritingRig &operator=(const WritingRig &) = delete;

    // A student of the given access mode ("Zoe", 603, timed every 3 seconds), saved as a
    // profile so the statistics find the number.
    void logOn(int accessMode, int skipPages = 1, int versionsOption = 2);
    // Leaves only the given templates in the folder.
    void removeTemplates();
    void startWriting();
    // Chooses an item of whatever screen is waiting, as the student's access mode does it.
    void choose(int item);
    void chooseAll(std::initializer_list<int> items);
    bool runToMenu();

    // The sounds played since the mark, without the scan's announcements and start prompt.
    QStringList spokenSinceMark() const;
    void markSounds() { m_mark = sound.plays.size(); }
    QWidget *waitingScreen() const;
    QList<int> shownWritingItems() const;
    QList<int> shownTopicItems() const;
    QByteArray file(const QString &name) const { return folder.read(name); }
    // The files of the student's books.
    QStringList bookFiles() const;

    // The program-wide state, by the names the tests use.
    ScanEngine &engine = scan;
    StudentSession &session = state.session;
    StoryTemplate &story = state.story;
    UsageStatistics &statistics = state.statistics;
    PictureCache pictures{folder.folder()};
    StudentContext context{services(), state, scan, pictures};
    SwitchDriver switches{clock, sound, scan};
    QWidget screen;
    std::unique_ptr<WritingArea> area;
    bool backAtMenu = false;

private:
    QCoro::Task<> runFlow();
    int m_seen = 0;
    std::size_t m_mark = 0;
    FlowScope m_scope;
};

class WritingFixture : public ::testing::Test, public WritingRig {};

} // namespace quillora::test
