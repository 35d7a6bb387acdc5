#include "DesignerFixture.h"
#include "core/template/WorkingRecordings.h"
#include "designer/Previews.h"
#include "designer/TeacherMenu.h"
#include "ui/PictureButton.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace quillora::test {
namespace {

using A = ChoicePanel::Action;

struct Expected {
    int id;
    int layout;
    int prev;
    std::array<int, 3> next;
    QStringList pictures; // choices 1..layout
    QString subtitle;
};

void expectTree(const StoryTemplate &story, const std::vector<Expected> &pages) {
    ASSERT_EQ(story.pagesInUse(), static_cast<int>(pages.size()));
    for (const Expected &e : pages) {
        SCOPED_TRACE(testing::Message() << "page " << e.id);
        const int slot = story.findPageIndex(e.id);
        ASSERT_NE(slot, 0);
        const TemplatePage &p = story.page(slot);
        EXPECT_EQ(p.layout, e.layout);
        for (int k = 1; k <= 3; ++k) {
            EXPECT_EQ(p.choice(k).prevPageId, e.prev);
            EXPECT_EQ(p.choice(k).nextPageId, e.next[static_cast<std::size_t>(k - 1)]);
        }
        for (int k = 1; k <= e.pictures.size(); ++k)
            EXPECT_TRUE(p.choice(k).picture.endsWith(e.pictures[k - 1])) << k;
        EXPECT_EQ(p.pathSubtitle, e.subtitle);
    }
}

TEST_F(DesignerFixture, TheFormOpensOnItsMenuWithOnlyWhatWorks) {
    EXPECT_EQ(form->windowTitle(),
              QStringLiteral("Brindlemoor - Quillora (Version 1.0) Teacher Functions"));
    EXPECT_FALSE(form->designerShown());
    for (int b = 0; b < TeacherMenu::kButtonCount; ++b) {
        const bool offered = b == TeacherMenu::NewTemplate || b == TeacherMenu::MainMenu ||
                             b == TeacherMenu::Upload || b == TeacherMenu::Language;
        EXPECT_EQ(form->menu()->button(static_cast<TeacherMenu::Button>(b))->isVisible(), offered)
            << b;
        EXPECT_FALSE(
            form->menu()->button(static_cast<TeacherMenu::Button>(b))->accessibleName().isEmpty());
    }
    int asked = 0;
    QObject::connect(form.get(), &TeacherForm::mainMenuRequested, [&asked] { ++asked; });
    form->menu()->button(TeacherMenu::MainMenu)->click();
    EXPECT_EQ(asked, 1);
}

TEST_F(DesignerFixture, ANewTemplateOpensOnTheCoverWithOnePage) {
    form->menu()->button(TeacherMenu::NewTemplate)->click();
    drainEvents();
    EXPECT_TRUE(form->designerShown());
    EXPECT_EQ(form->designer()->currentSection(), QStringLiteral("Cover"));
    EXPECT_TRUE(form->designer()->rowButton(DesignerWorkspace::Cover)->isHighlighted());
    EXPECT_FALSE(form->designer()->rowButton(DesignerWorkspace::Save)->isVisible());
    EXPECT_GT(state.story.storyId, 0);
    EXPECT_EQ(state.story.currentPageId, 102);
    EXPECT_EQ(folder.read(QStringLiteral("aobj_last_page_id.seq")).trimmed(), "100");

    form->designer()->rowButton(DesignerWorkspace::PageDetails)->click();
    EXPECT_TRUE(form->designer()->rowButton(DesignerWorkspace::PageDetails)->isHighlighted());
    EXPECT_FALSE(form->designer()->rowButton(DesignerWorkspace::Cover)->isHighlighted());
    EXPECT_EQ(panel(1).titleLabel()->text(), QStringLiteral("No Choices - Simple Page\nPage 1"));
    EXPECT_TRUE(editor().previous()->showsStart());
    EXPECT_TRUE(panel(1).button(A::InsertBefore)->isVisible());
    EXPECT_FALSE(panel(1).button(A::PreviousPage)->isVisible());
    EXPECT_FALSE(panel(2).isVisible());
    EXPECT_FALSE(editor().pathFrame()->isVisible());
}

// The demo's shape: a first page, a decision page, and one end page on each of its paths.
TEST_F(DesignerFixture, ABranchingTemplateIsBuiltThroughTheControls) {
    startNewTemplate();
    choosePicture(1, picture(QStringLiteral("first.jpg")));
    QTest::keyClicks(panel(1).textBox(), QStringLiteral("Once{upon"));
    EXPECT_EQ(current().choice(1).text, QStringLiteral("Once\nupon"));

    press(1, A::InsertAfter); // 103
    editor().layoutOption(2)->click();
    drainEvents();
    EXPECT_EQ(current().layout, 2);
    choosePicture(1, picture(QStringLiteral("left.jpg")));
    // Without a picture on choice 2 the page cannot be left.
    press(1, A::InsertAfter);
    EXPECT_EQ(messages.shown.last(), QStringLiteral("A Picture is required for choice number 2"));
    EXPECT_EQ(state.story.pagesInUse(), 2);
    choosePicture(2, picture(QStringLiteral("right.jpg")));
    EXPECT_EQ(panel(2).titleLabel()->text(), QStringLiteral("Choice 2"));

    press(1, A::InsertAfter); // 104 ends path 1
    EXPECT_EQ(panel(1).titleLabel()->text(), QStringLiteral("No Choices - Simple Page\nPage 2"));
    choosePicture(1, picture(QStringLiteral("end1.jpg")));
    ASSERT_TRUE(editor().pathFrame()->isVisible());
    editor().subtitleBox()->setText(QStringLiteral("The left way"));
    EXPECT_FALSE(editor().previous()->showsStart());

    press(1, A::PreviousPage);
    EXPECT_EQ(state.story.currentPageId, 103);
    EXPECT_EQ(editor().following(1)->shownCount(), 1);
    EXPECT_EQ(editor().following(2)->shownCount(), 0);
    press(2, A::InsertAfter); // 105 ends path 2
    choosePicture(1, picture(QStringLiteral("end2.jpg")));
    editor().subtitleBox()->setText(QStringLiteral("The right way"));
    EXPECT_EQ(panel(1).titleLabel()->text(), QStringLiteral("No Choices - Simple Page\nPage 2"));

    expectTree(
        state.story,
        {{102, 1, 0, {103, 0, 0}, {QStringLiteral("first.jpg")}, {}},
         {103,
          2,
          102,
          {104, 105, 0},
          {QStringLiteral("left.jpg"), QStringLiteral("right.jpg")},
          {}},
         {104, 1, 103, {0, 0, 0}, {QStringLiteral("end1.jpg")}, QStringLiteral("The left way")},
         {105, 1, 103, {0, 0, 0}, {QStringLiteral("end2.jpg")}, QStringLiteral("The right way")}});

    // Deleting the decision page is refused while path 2 has pages; its end page can go.
    press(1, A::PreviousPage);
    editor().deleteButton()->click();
    drainEvents();
    EXPECT_TRUE(messages.shown.last().startsWith(
        QStringLiteral("Error: There are pages on the second path.")));
    press(2, A::NextPage);
    EXPECT_EQ(state.story.currentPageId, 105);
    messages.scriptAnswers({false});
    editor().deleteButton()->click();
    drainEvents();
    EXPECT_EQ(state.story.pagesInUse(), 4);
    editor().deleteButton()->click();
    drainEvents();
    EXPECT_EQ(messages.shown.last(), QStringLiteral("Are you sure you want to delete this page"));
    EXPECT_EQ(state.story.pagesInUse(), 3);
    EXPECT_EQ(state.story.currentPageId, 103);
    EXPECT_FALSE(panel(2).button(A::NextPage)->isVisible());
}

TEST_F(DesignerFixture, CopyAndPasteCarryAChoiceAcrossPages) {
    startNewTemplate();
    choosePicture(1, picture(QStringLiteral("a.jpg")));
    QTest::keyClicks(panel(1).textBox(), QStringLiteral("words"));
    press(1, A::Copy);
    press(1, A::InsertAfter);
    press(1, A::Paste); // no picture yet: no question
    EXPECT_TRUE(current().choice(1).picture.endsWith(QStringLiteral("a.jpg")));
    EXPECT_EQ(panel(1).text(), QStringLiteral("words"));
    const int asked = static_cast<int>(messages.shown.size());
    messages.scriptAnswers({false});
    choosePicture(1, picture(QStringLiteral("b.jpg")));
    press(1, A::Paste);
    EXPECT_EQ(messages.shown.size(), asked + 1);
    EXPECT_EQ(messages.shown.last(),
              QStringLiteral("Are you sure you want to overlay the existing page"));
    EXPECT_TRUE(current().choice(1).picture.endsWith(QStringLiteral("b.jpg")));
}

TEST_F(DesignerFixture, BadPicturesAreRefusedWithAMessage) {
    startNewTemplate();
    QFile text(pictures.filePath(QStringLiteral("notes.jpg")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("This is a shopping list, not a picture.\n");
    text.close();
    const QString png = pictures.filePath(QStringLiteral("shape.png"));
    QImage(8, 8, QImage::Format_RGB32).save(png, "PNG");
    struct Case {
        QString chosen;
        QString message;
    };
    const QString missing = pictures.filePath(QStringLiteral("gone.jpg"));
    const std::vector<Case> cases{
        {missing, QStringLiteral("Picture Not Found")},
        {png, png + QStringLiteral(" is not a valid picture file. \n\nValid pictures end with "
                                   ".jpg or .bmp")},
        {text.fileName(), QStringLiteral(" could not be opened as a picture.")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.chosen.toStdString());
        choosePicture(1, c.chosen);
        ASSERT_FALSE(messages.shown.isEmpty());
        EXPECT_TRUE(messages.shown.last().contains(c.message))
            << messages.shown.last().toStdString();
        EXPECT_TRUE(current().choice(1).picture.isEmpty());
    }
    EXPECT_EQ(fileDialogs.asked.first().request.filter,
              QStringLiteral("pictures or Movies (*.bmp *.jpg)"));
}

TEST_F(DesignerFixture, AHugePictureIsShownAtThePanelsSize) {
    startNewTemplate();
    const QString huge = pictures.filePath(QStringLiteral("huge.jpg"));
    QImage big(8000, 8000, QImage::Format_Grayscale8);
    big.fill(128);
    ASSERT_TRUE(big.save(huge, "JPG", 50));
    choosePicture(1, huge);
    EXPECT_EQ(current().choice(1).picture, huge);
    const QPixmap shown = panel(1).pictureLabel()->pixmap();
    EXPECT_LE(shown.width(), panel(1).pictureBox().width());
    EXPECT_GT(shown.width(), 0);
    // The next dialog opens where this picture was found.
    choosePicture(1, QString());
    EXPECT_EQ(fileDialogs.asked.last().request.startFolder, pictures.path());
}

TEST_F(DesignerFixture, StoredPicturesResolveOrAreDroppedWhenGone) {
    startNewTemplate();
    folder.write(QStringLiteral("page_pic_1_1.jpg"), QByteArray());
    QImage(40, 30, QImage::Format_RGB32)
        .save(folder.path(QStringLiteral("page_pic_1_1.jpg")), "JPG");
    current().layout = 3;
    current().choice(1).picture = QStringLiteral("page_pic_1_1.jpg");
    current().choice(2).picture = pictures.filePath(QStringLiteral("deleted.jpg"));
    current().choice(3).picture = QStringLiteral("C:\\films\\CLIP.AVI");
    editor().showPage(102);
    EXPECT_FALSE(panel(1).pictureLabel()->pixmap().isNull());
    EXPECT_TRUE(current().choice(2).picture.isEmpty());
    EXPECT_TRUE(panel(2).pictureName().isEmpty());
    EXPECT_FALSE(panel(3).pictureLabel()->pixmap().isNull()); // the movie placeholder
    EXPECT_EQ(panel(3).pictureName(), QStringLiteral("C:\\films\\CLIP.AVI"));
}

TEST_F(DesignerFixture, WithoutEditingOnlyThePageContentCanChange) {
    startNewTemplate();
    choosePicture(1, picture(QStringLiteral("a.jpg")));
    press(1, A::InsertAfter);
    state.story.editingAllowed = false;
    editor().showPage(102);
    for (int k = 1; k <= 3; ++k)
        EXPECT_FALSE(editor().layoutOption(k)->isVisible());
    EXPECT_FALSE(editor().layoutLabel()->isVisible());
    EXPECT_FALSE(editor().deleteButton()->isVisible());
    EXPECT_FALSE(panel(1).button(A::InsertAfter)->isVisible());
    EXPECT_FALSE(panel(1).button(A::InsertBefore)->isVisible());
    for (A still : {A::AddPicture, A::Copy, A::Paste, A::NextPage})
        EXPECT_TRUE(panel(1).button(still)->isVisible());
}

TEST_F(DesignerFixture, LeavingAsksAndThrowsAwayTheWorkingCopies) {
    startNewTemplate();
    const int id = state.story.storyId;
    const QString working = QStringLiteral("temp_recording_%1_102_1.wav").arg(id);
    folder.write(working, "x");
    folder.write(QStringLiteral("recording_%1_102_1.wav").arg(id), "x");
    messages.scriptAnswers({false});
    form->designer()->rowButton(DesignerWorkspace::MainMenu)->click();
    drainEvents();
    EXPECT_TRUE(form->designerShown());
    EXPECT_TRUE(folder.exists(working));
    form->designer()->rowButton(DesignerWorkspace::MainMenu)->click();
    drainEvents();
    EXPECT_FALSE(form->designerShown());
    EXPECT_FALSE(folder.exists(working));
    EXPECT_TRUE(folder.exists(QStringLiteral("recording_%1_102_1.wav").arg(id)));
}

} // namespace
} // namespace quillora::test

namespace quillora::test {
namespace {

TEST_F(DesignerFixture, PastingOverAChoiceWithConsentReplacesIt) {
    startNewTemplate();
    editor().layoutOption(2)->click();
    drainEvents();
    choosePicture(1, picture(QStringLiteral("a.jpg")));
    choosePicture(2, picture(QStringLiteral("b.jpg")));
    fileDialogs.scriptAnswers({folder.path(QStringLiteral("aobj_bell.wav"))});
    panel(1).showSection(ChoicePanel::Section::SoundEffect);
    press(1, A::AddSoundEffect);
    press(1, A::PlaySoundEffect);
    press(1, A::Copy);
    messages.scriptAnswers({true});
    press(2, A::Paste);
    EXPECT_TRUE(current().choice(2).picture.endsWith(QStringLiteral("a.jpg")));
    EXPECT_EQ(current().choice(2).soundEffect, folder.path(QStringLiteral("aobj_bell.wav")));
    EXPECT_EQ(panel(2).soundEffectName(), current().choice(2).soundEffect);
}

} // namespace
} // namespace quillora::test
