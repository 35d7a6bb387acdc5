#include "WritingFixture.h"

#include "core/WavFile.h"
#include "core/profiles/StudentProfile.h"
#include "core/scanning/KeyFlags.h"
#include "core/scanning/ScanScreens.h"
#include "core/template/FolderListing.h"
#include "core/template/TemplateFile.h"
#include "student/CoverChoice.h"
#include "student/TopicScreen.h"
#include "student/WritingScreen.h"
#include "ui/PictureButton.h"

#include <QFile>

#include <cstdint>

namespace quillora::test {

using namespace Qt::StringLiterals;

namespace {

void writeSound(const TempAppFolder &folder, const QString &name, double seconds) {
    const std::vector<std::int16_t> silence(static_cast<std::size_t>(seconds * 22050), 0);
    folder.write(name, makeWav(silence));
}

} // namespace

StoryTemplate writeStory(const TempAppFolder &folder, int storyId, const QString &title,
                         const std::vector<PagePlan> &pages) {
    StoryTemplate story;
    story.storyId = storyId;
    story.storyTitle = title;
    story.colorScheme = 2;
    story.coverPicture = u"cover_pic_1.jpg"_s;
    int slot = 0;
    for (const PagePlan &plan : pages) {
        TemplatePage &page = story.page(++slot);
        page.inUse = true;
        page.pageId = plan.pageId;
        page.layout = plan.layout;
        page.pathSubtitle = plan.subtitle;
        for (int number = 1; number <= kChoicesPerPage; ++number) {
            PageChoice &choice = page.choice(number);
            choice.prevPageId = plan.prev;
            if (number > plan.layout)
                continue;
            choice.nextPageId = plan.next.at(static_cast<std::size_t>(number - 1));
            choice.text = u"Page %1 choice %2"_s.arg(plan.pageId).arg(number);
            choice.picture = u"page_pic_1_102_1.jpg"_s;
            choice.recording = u"narr_%1_%2.wav"_s.arg(plan.pageId).arg(number);
            writeSound(folder, choice.recording, 1.0);
        }
    }
    folder.write(templateFileName(storyId), {});
    QFile out(folder.path(templateFileName(storyId)));
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    for (const QString &line : templateLines(story))
        out.write(line.toUtf8() + "\r\n");
    return story;
}

void writeFoxStory(const TempAppFolder &folder) {
    writeStory(folder, 7, u"The Fox"_s,
               {{201, 1, {202}, 0, {}},
                {202, 1, {203}, 201, {}},
                {203, 2, {204, 206}, 202, {}},
                {204, 1, {205}, 203, {}},
                {205, 1, {0}, 204, u" Up the Hill "_s},
                {206, 1, {0}, 203, {}}});
}

WritingRig::WritingRig() {
    (void)state.texts.load(folder.folder());
    screen.resize(1280, 1024);
    area = std::make_unique<WritingArea>(context, &screen);
    screen.show();
}

WritingRig::~WritingRig() {
    area.reset();
    drainEvents();
}

void WritingRig::logOn(int accessMode, int skipPages, int versionsOption) {
    StudentProfile profile;
    profile.studentName = u"Zoe"_s;
    profile.studentNumber = 603;
    profile.accessMode = accessMode;
    profile.scanSeconds = 3;
    profile.skipPages = skipPages;
    profile.versionsOption = versionsOption;
    folder.write(profileFileName(603), {});
    QFile out(folder.path(profileFileName(603)));
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    for (const QString &line : profileLines(profile))
        out.write(line.toUtf8() + "\r\n");
    session.profile = profile;
    session.currentStudentName = profile.studentName;
    engine.setSettings(scanSettings(profile));
}

void WritingRig::removeTemplates() {
    for (const QString &name : listFolder(folder.folder(), u"*.sty"_s))
        QFile::remove(folder.path(name));
}

QCoro::Task<> WritingRig::runFlow() {
    co_await m_scope(area->run());
    backAtMenu = true;
}

void WritingRig::startWriting() {
    m_scope.start(runFlow());
}

bool WritingRig::runToMenu() {
    return runUntil(clock, [this] { return backAtMenu; });
}

QWidget *WritingRig::waitingScreen() const {
    if (area->coverChoice()->isVisible())
        return area->coverChoice();
    if (area->writingScreen()->isVisible())
        return area->writingScreen();
    return area->topicScreen();
}

void WritingRig::choose(int item) {
    ASSERT_TRUE(runUntil(clock, [this] { return area->choicesAsked() > m_seen; }))
        << "no screen asked for item " << item;
    m_seen = area->choicesAsked();
    switch (engine.settings().accessMode) {
    case kAccessStepScanning:
    case kAccessTimedScanning:
        switches.choose(item);
        break;
    default: {
        ASSERT_TRUE(area->isWaitingForClick());
        QWidget *waiting = waitingScreen();
        PictureButton *button = nullptr;
        if (auto *covers = qobject_cast<CoverChoice *>(waiting))
            button = covers->button(item);
        else if (auto *writing = qobject_cast<WritingScreen *>(waiting))
            button = writing->button(item);
        else
            button = static_cast<TopicScreen *>(waiting)->button(item);
        ASSERT_TRUE(button->isVisible()) << "item " << item << " is hidden";
        button->click();
    }
    }
    drainEvents();
}

void WritingRig::chooseAll(std::initializer_list<int> items) {
    for (const int item : items) {
        choose(item);
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

QStringList WritingRig::spokenSinceMark() const {
    QStringList spoken;
    for (std::size_t i = m_mark; i < sound.plays.size(); ++i) {
        const FakeSoundPlayer::Play &play = sound.plays[i];
        if (play.awaited && !play.stopClick)
            spoken.append(play.name.section(u'/', -1));
    }
    return spoken;
}

QList<int> WritingRig::shownWritingItems() const {
    QList<int> shown;
    for (int item = 1; item <= WritingScreen::kItemCount; ++item) {
        if (area->writingScreen()->button(item)->isVisible())
            shown.append(item);
    }
    return shown;
}

QList<int> WritingRig::shownTopicItems() const {
    QList<int> shown;
    for (int item = 1; item <= TopicScreen::kItemCount; ++item) {
        if (area->topicScreen()->button(item)->isVisible())
            shown.append(item);
    }
    return shown;
}

QStringList WritingRig::bookFiles() const {
    return listFolder(folder.folder(), u"mystory_603_*.msy"_s);
}

} // namespace quillora::test
