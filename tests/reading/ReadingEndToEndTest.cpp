#include "TestWorld.h"
#include "core/TextFile.h"
#include "core/book/BookCompiler.h"
#include "core/services/ProgramStop.h"
#include "core/services/Shell.h"
#include "core/template/TemplateFile.h"
#include "student/CollectionScreen.h"
#include "student/EscapeNotice.h"
#include "student/LogonPanel.h"
#include "student/ReadingScreen.h"
#include "student/StudentArea.h"
#include "student/StudentForm.h"
#include "student/StudentMenu.h"
#include "ui/PictureButton.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace quillora::test {

namespace {

// The real student form on a copy of the demo folder, worked with the switch keys.
class ReadingEndToEnd : public ::testing::Test, public TestWorld {
protected:
    ReadingEndToEnd() {
        form = std::make_unique<StudentForm>(services(), state, scan);
        form->resize(1280, 1024);
        form->startUp();
        form->show();
        drainEvents();
    }
    ~ReadingEndToEnd() override {
        form.reset();
        drainEvents();
    }

    StudentArea &area() const { return *form->studentArea(); }

    void key(Qt::Key which) {
        QTest::keyClick(form.get(), which);
        drainEvents();
    }
    // Step scanning: a first Space to begin, Space to the item, Enter to choose it.
    void stepTo(int item) {
        ASSERT_TRUE(runUntil(clock, [&] { return scan.isScanning(); }));
        key(Qt::Key_Space);
        for (int step = 0; step < 10 && scan.highlightedItem() != item; ++step)
            key(Qt::Key_Space);
        ASSERT_EQ(scan.highlightedItem(), item);
        key(Qt::Key_Return);
    }
    void logOnWithDeleteOption(const QString &name) {
        form->mainMenu()->button(MainMenu::StudentLogon)->click();
        drainEvents();
        LogonPanel &logon = *area().logonPanel();
        logon.deleteOption()->setChecked(true);
        const auto found = logon.studentList()->findItems(name, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty());
        logon.studentList()->setCurrentItem(found.front());
        logon.logonButton()->click();
        drainEvents();
        logon.escapeNotice()->continueButton()->click();
        drainEvents();
    }
    QList<int> menuButtons() const {
        QList<int> shown;
        for (int item = 1; item <= StudentMenu::kButtonCount; ++item) {
            if (area().studentMenu()->button(item)->isVisible())
                shown.append(item);
        }
        return shown;
    }

    std::unique_ptr<StudentForm> form;
};

} // namespace

TEST_F(ReadingEndToEnd, ABookWrittenFromTheDemoIsReadToTheEndByStepScanningThenDeleted) {
    // Maya (601, step scanning) has written the demo story up the tree.
    StoryTemplate story;
    ASSERT_TRUE(loadTemplate(story, 1, TemplateLoadMode::Reading, folder.folder(), messages));
    StudentSession maya;
    ASSERT_TRUE(readStudentOptionsPlus(maya, QStringLiteral("Maya"), folder.folder(), messages));
    const auto saved = saveBook(story, BookDraft{story.findPageIndex(106), {}, 2}, maya.profile,
                                QStringLiteral("Maya"), folder.folder(), stop);
    ASSERT_TRUE(saved);
    const QString bookFile = bookFileName(*saved);

    logOnWithDeleteOption(QStringLiteral("Maya"));
    EXPECT_EQ(menuButtons(), (QList<int>{1, 2, 3}));

    stepTo(kMenuReadBook);
    CollectionScreen &collection = *area().collectionScreen();
    ASSERT_TRUE(runUntil(clock, [&] { return collection.isVisible(); }));
    stepTo(1); // read this book
    stepTo(1); // from the title page to the first page
    ReadingScreen &reading = *collection.readingScreen();
    for (int page = 2; page <= 4; ++page) {
        stepTo(1);
        ASSERT_TRUE(runUntil(clock, [&] { return reading.position() == page; }));
    }
    stepTo(1); // past the last page
    ASSERT_TRUE(runUntil(clock, [&] { return reading.atBookEnd() && scan.isScanning(); }));
    EXPECT_TRUE(sound.played().contains(QStringLiteral("announce_the_end.wav")));
    stepTo(4); // done
    stepTo(5); // back to the student menu
    ASSERT_TRUE(runUntil(clock, [&] { return !collection.isVisible(); }));
    auto log = readTextLines(folder.path(QStringLiteral("stats_601.sta")));
    ASSERT_TRUE(log);
    EXPECT_EQ(log->value(6), QStringLiteral("The student read his book completely"));
    EXPECT_EQ(log->value(7), QStringLiteral("Pages Turned Forward = 4"));

    stepTo(kMenuDeleteBook);
    ASSERT_TRUE(runUntil(clock, [&] { return collection.isVisible(); }));
    stepTo(4); // delete this book
    stepTo(1); // yes
    ASSERT_TRUE(runUntil(clock, [&] { return !collection.isVisible() && scan.isScanning(); }));
    EXPECT_FALSE(folder.exists(bookFile));
    EXPECT_EQ(menuButtons(), QList<int>{1}); // no books left: only writing
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(QLatin1Char('|')).toStdString();
}

} // namespace quillora::test
