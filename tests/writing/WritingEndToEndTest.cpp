#include "FakeMessages.h"
#include "TempAppFolder.h"
#include "app/Quillora.h"
#include "core/WavFile.h"
#include "core/scanning/ScanEngine.h"
#include "core/template/FolderListing.h"
#include "student/EscapeNotice.h"
#include "student/LogonPanel.h"
#include "student/MainMenu.h"
#include "student/StudentArea.h"
#include "student/StudentForm.h"
#include "student/WritingArea.h"
#include "ui/PictureButton.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace quillora::test {
namespace {

using namespace Qt::StringLiterals;

// The real program on a copy of the demo folder, worked by a child with two switches. The
// demo's speech is swapped for short silences so the walk takes seconds, not minutes; the
// program's own pauses are real.
class DemoBook : public ::testing::Test {
protected:
    DemoBook()
        : folder(TempAppFolder::InstalledCopy) {
        const std::vector<std::int16_t> blip(1100, 0); // 0.05 seconds
        for (const QString &name : listFolder(folder.folder(), u"*.wav"_s))
            folder.write(name, makeWav(blip));
    }

    bool waitFor(const std::function<bool()> &condition) {
        return QTest::qWaitFor(condition, 20000);
    }

    void key(Qt::Key which) {
        QTest::keyClick(form, which);
        QCoreApplication::processEvents();
    }

    // Waits for the screen's next scan, starts it with Space, steps to the item and selects
    // it with Enter.
    void stepTo(int item) {
        ASSERT_TRUE(waitFor([this] { return writing->choicesAsked() > seen; }));
        seen = writing->choicesAsked();
        ScanEngine &scan = form->scanEngine();
        key(Qt::Key_Space);
        ASSERT_TRUE(waitFor([&scan] { return scan.highlightedItem() != 0; }));
        while (scan.highlightedItem() != item) {
            const int next = scan.scanSet().nextEnabledAfter(scan.highlightedItem());
            key(Qt::Key_Space);
            ASSERT_TRUE(waitFor([&scan, next] { return scan.highlightedItem() == next; }));
        }
        key(Qt::Key_Return);
    }

    TempAppFolder folder;
    FakeMessages messages;
    StudentForm *form = nullptr;
    WritingArea *writing = nullptr;
    int seen = 0;
};

TEST_F(DemoBook, MayaWritesTheDemoStoryWithTwoSwitches) {
    Quillora quillora{folder.folder()};
    quillora.setMessages(&messages);
    ASSERT_TRUE(quillora.start(QSize(1280, 1024)));
    form = quillora.studentForm();
    StudentArea *area = form->studentArea();
    writing = area->writingArea();

    form->mainMenu()->button(MainMenu::StudentLogon)->click();
    QListWidget *names = area->logonPanel()->studentList();
    names->setCurrentItem(names->findItems(u"Maya"_s, Qt::MatchExactly).front());
    area->logonPanel()->logonButton()->click();
    ASSERT_TRUE(waitFor([area] { return area->logonPanel()->escapeNotice()->isVisible(); }));
    area->logonPanel()->escapeNotice()->continueButton()->click();
    ASSERT_TRUE(waitFor([area] { return area->isStudentMenuShown(); }));

    // The student menu's write button, then the one topic.
    ASSERT_TRUE(waitFor([this] { return form->scanEngine().isScanning(); }));
    key(Qt::Key_Space);
    ASSERT_TRUE(waitFor([this] { return form->scanEngine().highlightedItem() == 1; }));
    key(Qt::Key_Return);
    ASSERT_TRUE(waitFor([this] { return writing->isVisible(); }));
    // The topic, pages 102 and 103, the tree at 104, pages 105 and 106, write and save on
    // the end page, the blue cover.
    for (const int item : {1, 1, 1, 1, 1, 1, 4, 2}) {
        stepTo(item);
        if (HasFatalFailure())
            return;
    }
    ASSERT_TRUE(waitFor([area] { return area->isStudentMenuShown(); }));
    EXPECT_FALSE(writing->isVisible());
    EXPECT_EQ(listFolder(folder.folder(), u"mystory_601_*.msy"_s),
              QStringList{u"mystory_601_9999_1_1_106.msy"_s});
    EXPECT_EQ(folder.read(u"mystory_601_9999_1_1_106.msy"_s),
              "601\r\n1\r\n2\r\n1\r\n106\r\n 102 \r\n 103 \r\n 105 \r\n 106 \r\n");
    const QString log = QString::fromUtf8(folder.read(u"stats_601.sta"_s));
    EXPECT_TRUE(log.contains(u"\r\nBook Title: Milo the Cat (Up the Tree)\r\n"_s));
    EXPECT_TRUE(log.contains(u"\r\nPages Written = 4\r\n"_s));
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(u'|').toStdString();
}

} // namespace
} // namespace quillora::test
