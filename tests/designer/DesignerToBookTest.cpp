#include "DesignerFixture.h"
#include "core/scanning/ScanScreens.h"
#include "designer/CoverSection.h"
#include "designer/Narration.h"
#include "student/CollectionScreen.h"
#include "student/EscapeNotice.h"
#include "student/LogonPanel.h"
#include "student/MainMenu.h"
#include "student/ReadingScreen.h"
#include "student/StudentArea.h"
#include "student/StudentForm.h"
#include "student/WritingArea.h"
#include "ui/PictureButton.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace quillora::test {
namespace {

using A = ChoicePanel::Action;

// A two-path story designed in the designer with computer-voice narration, then written into
// a book by Maya (step scanning) through the real student screens, and read back.
class DesignerToBook : public DesignerFixture {
protected:
    void row(DesignerWorkspace::RowButton which) {
        form->designer()->rowButton(which)->click();
        drainEvents();
    }
    void speak(NarrationControls *controls) {
        controls->voiceButton()->click();
        drainEvents();
    }
    // Step scanning as Maya works it: Space steps, Enter selects.
    void stepTo(int item) { switches.stepTo(item); }
    void designTwoPaths() {
        startNewTemplate();
        choosePicture(1, picture(QStringLiteral("gate.jpg")));
        QTest::keyClicks(panel(1).textBox(), QStringLiteral("A gate in the wall"));
        speak(editor().narration(1));
        press(1, A::InsertAfter); // 103
        editor().layoutOption(2)->click();
        drainEvents();
        choosePicture(1, picture(QStringLiteral("garden.jpg")));
        QTest::keyClicks(panel(1).textBox(), QStringLiteral("Into the garden"));
        speak(editor().narration(1));
        choosePicture(2, picture(QStringLiteral("wood.jpg")));
        QTest::keyClicks(panel(2).textBox(), QStringLiteral("Into the wood"));
        speak(editor().narration(2));
        press(1, A::InsertAfter); // 104 ends the garden path
        choosePicture(1, picture(QStringLiteral("roses.jpg")));
        QTest::keyClicks(panel(1).textBox(), QStringLiteral("Roses everywhere"));
        speak(editor().narration(1));
        editor().subtitleBox()->setText(QStringLiteral("In the Garden"));
        speak(editor().pathNarration());
        press(1, A::PreviousPage);
        press(2, A::InsertAfter); // 105 ends the wood path
        choosePicture(1, picture(QStringLiteral("owl.jpg")));
        editor().subtitleBox()->setText(QStringLiteral("In the Wood"));
        row(DesignerWorkspace::Cover);
        form->designer()->titleBox()->setText(QStringLiteral("The Gate"));
        fileDialogs.scriptAnswers({picture(QStringLiteral("cover.jpg"))});
        form->designer()->coverSection()->selectButton()->click();
        drainEvents();
        speak(form->designer()->coverSection()->narration());
        row(DesignerWorkspace::Save);
        ASSERT_EQ(messages.shown.last(), QStringLiteral("The Story The Gate has been saved"));
    }

    SwitchDriver switches{clock, sound, scan};
    std::unique_ptr<StudentForm> student;
};

TEST_F(DesignerToBook, MayaWritesAndReadsTheStoryJustDesigned) {
    designTwoPaths();
    if (HasFatalFailure())
        return;
    const int id = state.story.storyId;
    // Only the new story is offered, so the topic is the first item.
    for (const QString &other : QDir(folder.path({})).entryList({QStringLiteral("story_*.sty")})) {
        if (other != QStringLiteral("story_%1.sty").arg(id))
            QFile::remove(folder.path(other));
    }
    form.reset();
    drainEvents();
    messages.shown.clear();

    student = std::make_unique<StudentForm>(services(), state, scan);
    student->resize(1280, 1024);
    student->startUp();
    student->show();
    drainEvents();
    StudentArea &area = *student->studentArea();
    student->mainMenu()->button(MainMenu::StudentLogon)->click();
    drainEvents();
    LogonPanel &logon = *area.logonPanel();
    const auto maya = logon.studentList()->findItems(QStringLiteral("Maya"), Qt::MatchExactly);
    ASSERT_FALSE(maya.isEmpty());
    logon.studentList()->setCurrentItem(maya.front());
    logon.logonButton()->click();
    drainEvents();
    logon.escapeNotice()->continueButton()->click();
    drainEvents();

    // The topic, page 102, the garden at 103, page 104, write and save, the second cover.
    stepTo(kMenuWriteBook);
    int step = 0;
    for (const int item : {1, 1, 1, 1, 4, 2}) {
        SCOPED_TRACE(testing::Message() << "step " << ++step);
        stepTo(item);
        if (HasFatalFailure())
            return;
    }
    ASSERT_TRUE(runUntil(clock, [&] { return area.isStudentMenuShown(); }));
    const QStringList books =
        QDir(folder.path({})).entryList({QStringLiteral("mystory_601_*.msy")});
    ASSERT_EQ(books.size(), 1);
    EXPECT_TRUE(books.first().endsWith(QStringLiteral("_104.msy")));
    const QString narration = QStringLiteral("recording_%1_").arg(id);
    EXPECT_TRUE(sound.played().contains(narration + QStringLiteral("102_1.wav")));
    EXPECT_TRUE(sound.played().contains(narration + QStringLiteral("103_1.wav")));

    const qsizetype writtenSounds = sound.played().size();
    stepTo(kMenuReadBook);
    CollectionScreen &collection = *area.collectionScreen();
    ASSERT_TRUE(runUntil(clock, [&] { return collection.isVisible(); }));
    stepTo(1); // read this book
    ReadingScreen &reading = *collection.readingScreen();
    for (int turn = 0; turn < 6 && !reading.atBookEnd(); ++turn) {
        stepTo(1);
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(runUntil(clock, [&] { return scan.isScanning() || reading.atBookEnd(); }));
    }
    EXPECT_TRUE(reading.atBookEnd());
    for (const QString &name :
         {QStringLiteral("title.wav"), QStringLiteral("102_1.wav"), QStringLiteral("104_1.wav")})
        EXPECT_TRUE(sound.played().mid(writtenSounds).contains(narration + name))
            << name.toStdString();
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(QLatin1Char('|')).toStdString();
}

} // namespace
} // namespace quillora::test
