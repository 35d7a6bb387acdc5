#pragma once

#include <QFrame>
#include <QHash>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

namespace quillora {

// One choice of the page being edited (FramePage): its title, the picture section with the
// picture and its buttons, the text, sound-effect and recording sections that open over it,
// and the buttons that move through and reshape the page tree from this choice.
class ChoicePanel : public QFrame {
    Q_OBJECT
public:
    enum class Section { Picture, Text, SoundEffect, Recording };
    enum class Action {
        AddPicture,
        ClearPicture,
        PictureInfo,
        AddSoundEffect,
        ClearSoundEffect,
        PlaySoundEffect,
        InsertBefore,
        InsertAfter,
        NextPage,
        PreviousPage,
        Copy,
        Paste,
    };

    explicit ChoicePanel(int number, QWidget *parent = nullptr);

    int number() const { return m_number; }

    void setTitle(const QString &title);
    void setPanelColour(const QColor &colour);
    // The picture shown (null: none) and the name shown under it.
    void setPicture(const QPixmap &picture, const QString &name);
    QString pictureName() const { return m_pictureName; }
    QSize pictureBox() const;
    // Shows the text without the change counting as the teacher's.
    void setText(const QString &text);
    QString text() const;
    void setSoundEffectName(const QString &name);
    QString soundEffectName() const { return m_soundEffectName; }

    void showSection(Section section);
    Section section() const { return m_section; }

    // The recording section: the narration controls go beside the script to be read aloud.
    void setNarrationControls(QWidget *controls);
    // While recording the section cannot be closed and the hint gives way to the labels.
    void setRecordingInProgress(bool recording, bool keepHintHidden = false);
    int scriptSize() const;
    void setScriptSize(int points);
    QLabel *script() const { return m_script; }
    QLabel *narrationHint() const { return m_narrationHint; }
    QPushButton *textBiggerButton() const { return m_buttons.value(kTextBigger); }
    QPushButton *textSmallerButton() const { return m_buttons.value(kTextSmaller); }
    QPushButton *closeRecordingButton() const { return m_closeRecording; }

    QPushButton *button(Action action) const;
    QPlainTextEdit *textBox() const { return m_textBox; }
    QLabel *titleLabel() const { return m_title; }
    QLabel *pictureLabel() const { return m_picture; }

Q_SIGNALS:
    void actionRequested(int panel, quillora::ChoicePanel::Action action);
    // The teacher changed the text box.
    void textEdited(int panel);
    // "Close" of the recording section.
    void recordingClosed(int panel);

private:
    QWidget *buildPictureSection();
    QWidget *buildTextSection();
    QWidget *buildSoundSection();
    QWidget *buildRecordingSection();
    QWidget *buildSequenceRow();
    QPushButton *makeButton(const QString &caption, Action action);
    QPushButton *sectionButton(const QString &caption, Section section);

    // Keys of the recording section's own buttons, past the actions.
    static constexpr int kTextBigger = 100;
    static constexpr int kTextSmaller = 101;
    static constexpr int kCloseRecording = 102;

    int m_number;
    Section m_section = Section::Picture;
    QLabel *m_title = nullptr;
    QStackedWidget *m_sections = nullptr;
    QLabel *m_picture = nullptr;
    QLabel *m_pictureNameLabel = nullptr;
    QLabel *m_soundEffectLabel = nullptr;
    QPlainTextEdit *m_textBox = nullptr;
    QLabel *m_narrationHint = nullptr;
    QLabel *m_script = nullptr;
    QPushButton *m_closeRecording = nullptr;
    QVBoxLayout *m_narrationSlot = nullptr;
    QString m_pictureName;
    QString m_soundEffectName;
    QHash<int, QPushButton *> m_buttons;
    bool m_settingText = false;
};

} // namespace quillora
