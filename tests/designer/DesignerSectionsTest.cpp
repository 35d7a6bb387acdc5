#include "DesignerFixture.h"
#include "core/template/TemplateFile.h"
#include "designer/ColorSchemeSection.h"
#include "designer/CoverSection.h"
#include "designer/MusicSection.h"
#include "designer/Narration.h"
#include "designer/StoryMapView.h"
#include "designer/TeacherMenu.h"
#include "ui/PictureButton.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace quillora::test {
namespace {

using A = ChoicePanel::Action;

class DesignerSections : public DesignerFixture {
protected:
    DesignerWorkspace &designer() const { return *form->designer(); }
    CoverSection &cover() const { return *designer().coverSection(); }
    MusicSection &musicSection() const { return *designer().musicSection(); }
    ColorSchemeSection &colours() const { return *designer().colorSchemeSection(); }

    void row(DesignerWorkspace::RowButton which) {
        designer().rowButton(which)->click();
        drainEvents();
    }
    void click(QAbstractButton *button) {
        ASSERT_TRUE(button->isVisible() && button->isEnabled()) << button->text().toStdString();
        button->click();
        drainEvents();
    }
    void chooseCover(const QString &path) {
        row(DesignerWorkspace::Cover);
        fileDialogs.scriptAnswers({path});
        click(cover().selectButton());
    }
    void chooseMusic(const QString &path) {
        fileDialogs.scriptAnswers({path});
        click(musicSection().selectButton());
    }
    QString midi(const QString &name) {
        const QString path = pictures.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14));
        return path;
    }
    void openRecording(int k) {
        panel(k).showSection(ChoicePanel::Section::Recording);
        drainEvents();
    }
    // A cover that passes Save's checks.
    void fillCover(const QString &title) {
        designer().titleBox()->setText(title);
        chooseCover(picture(QStringLiteral("cover.jpg")));
    }
    QString storyFile() const { return templateFileName(state.story.storyId); }
    QString working(const QString &rest) const {
        return QStringLiteral("temp_recording_%1_%2").arg(state.story.storyId).arg(rest);
    }
};

TEST_F(DesignerSections, SaveShowsTheSectionAndPageBeforeItsMessage) {
    folder.write(QStringLiteral("story_9001.sty"),
                 "9001\r\nTaken\r\n\r\n\r\n 1 \r\n\r\nArial\r\n 1 \r\n 0 \r\n");
    startNewTemplate();
    choosePicture(1, picture(QStringLiteral("first.jpg")));
    press(1, A::InsertAfter); // 103, a decision whose second path has no page yet
    editor().layoutOption(2)->click();
    drainEvents();
    choosePicture(1, picture(QStringLiteral("left.jpg")));
    choosePicture(2, picture(QStringLiteral("right.jpg")));
    press(1, A::PreviousPage);

    struct Case {
        QString title;
        bool coverPicture;
        QString message;
        QString section;
        int page; // the page made current; 0: left alone
    };
    const std::vector<Case> cases{
        {QStringLiteral("   "), true, QStringLiteral("A Story Title is Required"),
         QStringLiteral("Cover"), 0},
        {QStringLiteral("Roads"), false, QStringLiteral("A picture is required for the cover"),
         QStringLiteral("Cover"), 0},
        {QStringLiteral("Taken"), true,
         QStringLiteral("The Title of this Story Taken has already been used"),
         QStringLiteral("Cover"), 0},
        {QStringLiteral("Roads"), true,
         QStringLiteral("The end of path number  1 cannot end with a decision"),
         QStringLiteral("Page Details"), 103},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        row(DesignerWorkspace::PageDetails);
        editor().showPage(102);
        designer().titleBox()->setText(c.title);
        if (c.coverPicture)
            chooseCover(picture(QStringLiteral("cover.jpg")));
        else {
            row(DesignerWorkspace::Cover);
            click(cover().clearButton());
        }
        row(DesignerWorkspace::Save);
        EXPECT_EQ(messages.shown.last(), c.message);
        EXPECT_EQ(designer().currentSection(), c.section);
        if (c.page != 0) {
            EXPECT_EQ(state.story.currentPageId, c.page);
            EXPECT_EQ(panel(2).titleLabel()->text(), QStringLiteral("Choice 2"));
        }
        EXPECT_FALSE(folder.exists(storyFile()));
    }
    // "Taken" in other letters is another title.
    EXPECT_FALSE(titleInUse(QStringLiteral("taken"), state.story.storyId, appFolder()));
}

TEST_F(DesignerSections, ASavePromotesTheWorkingCopiesAndKeepsTheDesignerOpen) {
    startNewTemplate();
    choosePicture(1, picture(QStringLiteral("only.jpg")));
    openRecording(1);
    click(editor().narration(1)->recordButton());
    click(editor().narration(1)->stopButton());
    const QString copy = working(QStringLiteral("102_1.wav"));
    ASSERT_TRUE(folder.exists(copy));
    EXPECT_EQ(current().choice(1).recording,
              QStringLiteral("recording_%1_102_1.wav").arg(state.story.storyId));
    EXPECT_FALSE(folder.exists(copy.mid(5)));
    fillCover(QStringLiteral("One Page"));

    row(DesignerWorkspace::Save);
    EXPECT_EQ(messages.shown.last(), QStringLiteral("The Story One Page has been saved"));
    EXPECT_EQ(folder.read(copy.mid(5)), folder.read(copy));
    EXPECT_TRUE(folder.exists(copy));
    const QByteArray first = folder.read(storyFile());
    row(DesignerWorkspace::Save);
    EXPECT_EQ(folder.read(storyFile()), first);
    EXPECT_TRUE(form->designerShown());
}

// The shape of the demo, built only with the designer's own controls and saved: every
// field the controls set lands in the file where it belongs.
TEST_F(DesignerSections, ATemplateBuiltThroughTheControlsIsWrittenAsExpected) {
    startNewTemplate();
    choosePicture(1, picture(QStringLiteral("first.jpg")));
    QTest::keyClicks(panel(1).textBox(), QStringLiteral("Two roads{met"));
    openRecording(1);
    click(editor().narration(1)->voiceButton());
    press(1, A::InsertAfter); // 103
    editor().layoutOption(2)->click();
    drainEvents();
    choosePicture(1, picture(QStringLiteral("left.jpg")));
    choosePicture(2, picture(QStringLiteral("right.jpg")));
    QTest::keyClicks(panel(2).textBox(), QStringLiteral("Go right"));
    openRecording(2);
    click(editor().narration(2)->recordButton());
    click(editor().narration(2)->stopButton());
    press(1, A::InsertAfter); // 104 ends path 1
    choosePicture(1, picture(QStringLiteral("end1.jpg")));
    editor().subtitleBox()->setText(QStringLiteral("The left way"));
    click(editor().pathNarration()->voiceButton());
    press(1, A::PreviousPage);
    press(2, A::InsertAfter); // 105 ends path 2
    choosePicture(1, picture(QStringLiteral("end2.jpg")));
    editor().subtitleBox()->setText(QStringLiteral("The right way"));

    row(DesignerWorkspace::Cover);
    designer().titleBox()->setText(QStringLiteral("Two Roads"));
    chooseCover(picture(QStringLiteral("cover.jpg")));
    click(cover().narration()->recordButton());
    click(cover().narration()->stopButton());
    row(DesignerWorkspace::ColorScheme);
    const QList<QListWidgetItem *> serif =
        colours().fontList()->findItems(QStringLiteral("DejaVu Serif"), Qt::MatchExactly);
    ASSERT_FALSE(serif.isEmpty());
    colours().fontList()->setCurrentItem(serif.first());
    click(colours().option(5));
    colours().italicBox()->click();
    row(DesignerWorkspace::BackgroundMusic);
    const QString tune = midi(QStringLiteral("tune.mid"));
    chooseMusic(tune);
    row(DesignerWorkspace::Save);
    ASSERT_EQ(messages.shown.last(), QStringLiteral("The Story Two Roads has been saved"));

    QFile expectedFile(QStringLiteral(QUILLORA_DESIGNER_FIXTURES "/two_roads.sty"));
    ASSERT_TRUE(expectedFile.open(QIODevice::ReadOnly));
    QByteArray expected = expectedFile.readAll();
    expected.replace("{id}", QByteArray::number(state.story.storyId));
    expected.replace("{pictures}", pictures.path().toUtf8());
    EXPECT_EQ(folder.read(storyFile()), expected);
    const std::vector<QString> narrated{QStringLiteral("102_1"), QStringLiteral("103_2"),
                                        QStringLiteral("104_path"), QStringLiteral("title")};
    for (const QString &name : narrated) {
        EXPECT_TRUE(
            folder.exists(QStringLiteral("recording_%1_%2.wav").arg(state.story.storyId).arg(name)))
            << name.toStdString();
    }
    ASSERT_GE(voice.spoken.size(), 2);
    EXPECT_EQ(voice.spoken[0].text, QStringLiteral("Two roads\nmet"));
    EXPECT_EQ(voice.spoken[0].language, QStringLiteral("en"));
    EXPECT_EQ(voice.spoken[1].text, QStringLiteral("The left way"));
}

TEST_F(DesignerSections, MusicButtonsFollowTheMusic) {
    startNewTemplate();
    row(DesignerWorkspace::BackgroundMusic);
    struct Buttons {
        bool select, preview, stop, clear;
    };
    auto expectButtons = [this](Buttons b) {
        EXPECT_EQ(musicSection().selectButton()->isEnabled(), b.select);
        EXPECT_EQ(musicSection().previewButton()->isEnabled(), b.preview);
        EXPECT_EQ(musicSection().stopButton()->isEnabled(), b.stop);
        EXPECT_EQ(musicSection().clearButton()->isEnabled(), b.clear);
    };
    const Buttons none{true, false, false, false};
    const Buttons chosen{true, true, false, true};
    const Buttons previewing{false, false, true, false};
    expectButtons(none);

    const QString notMidi = picture(QStringLiteral("fake.mid"));
    for (const QString &bad : {pictures.filePath(QStringLiteral("gone.mid")), notMidi}) {
        chooseMusic(bad);
        expectButtons(none);
        EXPECT_TRUE(state.story.backgroundMusic.isEmpty());
    }
    EXPECT_EQ(messages.shown[messages.shown.size() - 2], QStringLiteral("Music File Not Found"));
    EXPECT_TRUE(messages.shown.last().contains(QStringLiteral("is not a midi music file")));

    const QString tune = midi(QStringLiteral("tune.mid"));
    chooseMusic(tune);
    expectButtons(chosen);
    EXPECT_EQ(state.story.backgroundMusic, tune);
    EXPECT_EQ(fileDialogs.asked.last().request.filter, QStringLiteral("Music (*.mid)"));
    click(musicSection().previewButton());
    expectButtons(previewing);
    EXPECT_EQ(music.started, QStringList{tune});
    click(musicSection().stopButton());
    expectButtons(chosen);
    EXPECT_FALSE(music.isPlaying());

    // Leaving for another section ends the preview as Stop does.
    click(musicSection().previewButton());
    row(DesignerWorkspace::PageDetails);
    EXPECT_FALSE(music.isPlaying());
    row(DesignerWorkspace::BackgroundMusic);
    expectButtons(chosen);

    chooseMusic(QString()); // cancelled
    EXPECT_EQ(state.story.backgroundMusic, tune);
    click(musicSection().clearButton());
    expectButtons(none);
    EXPECT_TRUE(state.story.backgroundMusic.isEmpty());
}

TEST_F(DesignerSections, FontAndColourControls) {
    startNewTemplate();
    row(DesignerWorkspace::ColorScheme);
    QListWidget *fonts = colours().fontList();
    ASSERT_GT(fonts->count(), 1);
    // Looking at a font is not choosing it.
    fonts->setCurrentRow(fonts->count() - 1);
    const QString other = fonts->currentItem()->text();
    EXPECT_EQ(state.story.fontName, QStringLiteral("Arial"));
    EXPECT_EQ(colours().sample()->font().family(), other);

    click(colours().option(5));
    EXPECT_EQ(state.story.colorScheme, 5);
    EXPECT_EQ(state.story.fontName, other);
    EXPECT_EQ(colours().sample()->palette().color(QPalette::WindowText), QColor(0, 102, 0));
    EXPECT_EQ(colours().option(5)->palette().color(QPalette::WindowText), QColor(0, 102, 0));

    colours().boldBox()->click();
    colours().italicBox()->click();
    EXPECT_EQ(state.story.fontBold, 0);
    EXPECT_EQ(state.story.fontItalic, 1);
    EXPECT_TRUE(colours().sample()->font().italic());
    EXPECT_FALSE(colours().option(1)->font().bold());
    fonts->setCurrentRow(0);
    click(colours().changeFontButton());
    EXPECT_EQ(state.story.fontName, fonts->item(0)->text());

    click(colours().resetFontButton());
    EXPECT_EQ(state.story.fontName, QStringLiteral("Arial"));
    EXPECT_EQ(state.story.fontBold, 1);
    EXPECT_EQ(state.story.fontItalic, 0);
    EXPECT_TRUE(colours().boldBox()->isChecked());
    EXPECT_FALSE(colours().italicBox()->isChecked());
    EXPECT_TRUE(colours().sample()->font().bold());
}

TEST_F(DesignerSections, AnOpenedTemplateShowsItsHeader) {
    const QString tune = midi(QStringLiteral("tune.mid"));
    const QByteArray choice = "------------\r\n\r\n\r\n\r\n\r\n 0 \r\n 0 \r\n";
    folder.write(QStringLiteral("story_77.sty"),
                 " 77 \r\nOld Tales\r\nrecording_77_title.wav\r\n" + tune.toUtf8() + "\r\n 0 \r\n" +
                     pictures.filePath(QStringLiteral("vanished.jpg")).toUtf8() +
                     "\r\nDejaVu Serif\r\n 0 \r\n 1 \r\n============================\r\n"
                     " 102 \r\n 1 \r\n\r\n\r\n------------\r\n\r\nHello\r\n\r\n\r\n 0 \r\n"
                     " 0 \r\n" +
                     choice + choice);
    folder.write(QStringLiteral("recording_77_title.wav"),
                 folder.read(QStringLiteral("com_stop.wav")));
    ASSERT_TRUE(loadTemplate(state.story, 77, TemplateLoadMode::Editing, appFolder(), messages));
    form->openLoadedTemplate(102);
    drainEvents();

    EXPECT_TRUE(form->designerShown());
    EXPECT_EQ(designer().currentSection(), QStringLiteral("Cover"));
    EXPECT_EQ(designer().titleBox()->text(), QStringLiteral("Old Tales"));
    EXPECT_TRUE(cover().coverPictureName().isEmpty());
    EXPECT_TRUE(state.story.coverPicture.isEmpty());
    EXPECT_TRUE(cover().narration()->playButton()->isVisible());
    EXPECT_EQ(state.story.colorScheme, 1);
    EXPECT_TRUE(colours().option(1)->isChecked());
    EXPECT_FALSE(colours().boldBox()->isChecked());
    EXPECT_TRUE(colours().italicBox()->isChecked());
    EXPECT_FALSE(colours().sample()->font().bold());
    EXPECT_EQ(colours().fontList()->currentItem()->text(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(state.story.fontName, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(musicSection().musicName(), tune);
    EXPECT_TRUE(musicSection().previewButton()->isEnabled());
    row(DesignerWorkspace::PageDetails);
    EXPECT_EQ(panel(1).text(), QStringLiteral("Hello"));
}

TEST_F(DesignerSections, NarrationIsRecordedStoppedTimedAndCleared) {
    startNewTemplate();
    choosePicture(1, picture(QStringLiteral("a.jpg")));
    QTest::keyClicks(panel(1).textBox(), QStringLiteral("Read me"));
    openRecording(1);
    NarrationControls &n = *editor().narration(1);
    EXPECT_EQ(panel(1).script()->text(), QStringLiteral("Read me"));
    EXPECT_EQ(panel(1).scriptSize(), 10);
    for (int i = 0; i < 8; ++i)
        click(panel(1).textSmallerButton());
    EXPECT_EQ(panel(1).scriptSize(), 5);
    click(panel(1).textBiggerButton());
    EXPECT_EQ(panel(1).scriptSize(), 6);

    click(n.recordButton());
    EXPECT_TRUE(n.stopButton()->isVisible());
    EXPECT_FALSE(n.recordButton()->isVisible());
    EXPECT_FALSE(panel(1).closeRecordingButton()->isVisible());
    EXPECT_EQ(n.timer()->interval(), 25000);
    click(n.stopButton());
    EXPECT_TRUE(n.playButton()->isVisible());
    EXPECT_TRUE(n.clearButton()->isVisible());
    EXPECT_TRUE(panel(1).closeRecordingButton()->isVisible());
    click(n.playButton());
    EXPECT_EQ(sound.played().last(), working(QStringLiteral("102_1.wav")));

    click(n.clearButton());
    EXPECT_TRUE(current().choice(1).recording.isEmpty());
    EXPECT_TRUE(folder.exists(working(QStringLiteral("102_1.wav"))));
    EXPECT_FALSE(n.playButton()->isVisible());

    // Left running, it stops by itself and is kept, without Clear or the hint.
    n.timer()->setInterval(1);
    click(n.recordButton());
    ASSERT_TRUE(QTest::qWaitFor([&n] { return !n.isRecording(); }, 2000));
    EXPECT_FALSE(current().choice(1).recording.isEmpty());
    EXPECT_TRUE(n.playButton()->isVisible());
    EXPECT_FALSE(n.clearButton()->isVisible());
    EXPECT_FALSE(panel(1).narrationHint()->isVisible());

    // A permanent recording without its working copy gets the copy back, and Play only.
    folder.write(working(QStringLiteral("102_1.wav")).mid(5),
                 folder.read(working(QStringLiteral("102_1.wav"))));
    QFile::remove(folder.path(working(QStringLiteral("102_1.wav"))));
    editor().showPage(102);
    openRecording(1);
    EXPECT_TRUE(folder.exists(working(QStringLiteral("102_1.wav"))));
    EXPECT_TRUE(n.playButton()->isVisible());
    EXPECT_FALSE(n.clearButton()->isVisible());
}

TEST_F(DesignerSections, ATitleRecordingLeftForAnotherSectionIsDiscarded) {
    startNewTemplate();
    row(DesignerWorkspace::Cover);
    NarrationControls &n = *cover().narration();
    click(n.recordButton());
    EXPECT_TRUE(n.recordingLabels().first()->isVisible());
    row(DesignerWorkspace::PageDetails);
    EXPECT_FALSE(n.timer()->isActive());
    EXPECT_FALSE(recorder.isCapturing());
    EXPECT_EQ(recorder.discarded, 1);
    row(DesignerWorkspace::Cover);
    EXPECT_TRUE(n.recordButton()->isVisible());
    EXPECT_FALSE(n.stopButton()->isVisible());
    EXPECT_TRUE(state.story.coverRecording.isEmpty());
    EXPECT_FALSE(folder.exists(working(QStringLiteral("title.wav"))));
}

TEST_F(DesignerSections, NothingRecordedIsNeverNamedInTheTemplate) {
    startNewTemplate();
    row(DesignerWorkspace::Cover);
    NarrationControls &n = *cover().narration();
    recorder.hasMicrophone = false;
    click(n.recordButton());
    EXPECT_TRUE(messages.shown.last().startsWith(QStringLiteral("No microphone was found")));
    EXPECT_FALSE(n.stopButton()->isVisible());

    // The device closed behind the designer's back: Stop saves nothing and names nothing.
    recorder.hasMicrophone = true;
    click(n.recordButton());
    recorder.close();
    click(n.stopButton());
    EXPECT_TRUE(
        messages.shown.last().startsWith(QStringLiteral("The recording could not be saved")));
    EXPECT_TRUE(state.story.coverRecording.isEmpty());
    EXPECT_FALSE(n.playButton()->isVisible());
}

TEST_F(DesignerSections, TheComputerVoiceSpeaksInTheLanguageInForce) {
    state.characterSet.name = QStringLiteral("Greek");
    startNewTemplate();
    row(DesignerWorkspace::Cover);
    NarrationControls &n = *cover().narration();
    click(n.voiceButton());
    EXPECT_TRUE(messages.shown.last().startsWith(QStringLiteral("There is no text")));
    EXPECT_TRUE(voice.spoken.isEmpty());
    designer().titleBox()->setText(QStringLiteral("Mythoi"));
    click(n.voiceButton());
    ASSERT_EQ(voice.spoken.size(), 1);
    EXPECT_EQ(voice.spoken[0].language, QStringLiteral("el"));
    EXPECT_EQ(voice.spoken[0].path, folder.path(working(QStringLiteral("title.wav"))));
    EXPECT_EQ(state.story.coverRecording,
              QStringLiteral("recording_%1_title.wav").arg(state.story.storyId));
    EXPECT_TRUE(n.playButton()->isVisible());
}

TEST_F(DesignerSections, TheStoryMapShowsEveryProblemAndGoesToPages) {
    startNewTemplate();
    choosePicture(1, picture(QStringLiteral("first.jpg")));
    press(1, A::InsertAfter); // 103
    editor().layoutOption(2)->click();
    drainEvents();
    choosePicture(1, picture(QStringLiteral("left.jpg")));
    choosePicture(2, picture(QStringLiteral("right.jpg")));
    press(1, A::InsertAfter); // 104 without picture
    drainEvents();
    StoryMapView &map = *designer().storyMap();
    ASSERT_EQ(map.map().pages.size(), 3);
    const int decision = map.map().indexOf(103);
    const int end = map.map().indexOf(104);
    EXPECT_TRUE(map.problemText(decision).contains(QStringLiteral("path number  2")));
    EXPECT_FALSE(map.problemText(end).isEmpty());
    EXPECT_TRUE(map.map().pages[end].current);
    EXPECT_TRUE(map.problemText(map.map().indexOf(102)).isEmpty());

    // The page in view has no picture yet: the map will not leave it, as Next would not.
    QTest::mouseClick(&map, Qt::LeftButton, {}, map.cellRect(map.map().indexOf(102)).center());
    drainEvents();
    EXPECT_EQ(state.story.currentPageId, 104);
    EXPECT_TRUE(messages.shown.last().startsWith(QStringLiteral("A Picture is required")));
    choosePicture(1, picture(QStringLiteral("end.jpg")));
    QTest::mouseClick(&map, Qt::LeftButton, {}, map.cellRect(map.map().indexOf(102)).center());
    drainEvents();
    EXPECT_EQ(state.story.currentPageId, 102);
    EXPECT_TRUE(map.map().pages[map.map().indexOf(102)].current);
}

} // namespace
} // namespace quillora::test
