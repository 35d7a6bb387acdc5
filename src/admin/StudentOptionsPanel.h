#pragma once

#include "core/profiles/StudentProfile.h"

#include <QFrame>

#include <array>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quillora {

// The options of one student: a view of the profile being edited. It shows a profile and
// gathers the edited one back; reading and writing the file is the form's.
class StudentOptionsPanel : public QFrame {
    Q_OBJECT
public:
    // The option groups, each numbered as the profile stores its value.
    enum Group { Access, Announce, Music, Versions, Print, GroupCount };

    explicit StudentOptionsPanel(QWidget *parent = nullptr);

    // Shows the profile under the name. The teacher's name cannot be changed.
    void showProfile(const StudentProfile &profile, const QString &name);
    // The profile as the panel now shows it (the number and anything not shown come from
    // the profile last shown).
    StudentProfile gathered() const;
    // The name as typed, without spaces around it.
    QString typedName() const;

    // Shows a picture file at its fitted size; false when the file is not a picture.
    bool showPicture(const QString &path);
    // Takes the picture off the panel and out of the profile.
    void clearPicture();

    int scanSeconds() const { return m_seconds; }
    QLineEdit *nameBox() const { return m_name; }
    QRadioButton *option(Group group, int value) const;
    QPushButton *secondsDown() const { return m_down; }
    QPushButton *secondsUp() const { return m_up; }
    QLabel *secondsLabel() const { return m_secondsLabel; }
    QCheckBox *skipPagesBox() const { return m_skip; }
    QPushButton *pictureButton() const { return m_pictureButton; }
    QPushButton *clearPictureButton() const { return m_clearPicture; }
    QLabel *picture() const { return m_picture; }
    QLabel *picturePath() const { return m_picturePath; }
    QPushButton *saveButton() const { return m_save; }
    QPushButton *cancelButton() const { return m_cancel; }

private:
    QWidget *buildAccessGroup();
    QWidget *buildPictureGroup();
    QWidget *buildChoice(Group group, const QString &title, const QStringList &captions);
    void setSeconds(int seconds);
    void setOption(Group group, int value);
    int optionValue(Group group) const;
    // Shows the picture of the profile when its file is there, clears the view otherwise.
    void showStoredPicture(const QString &path);

    StudentProfile m_shown;
    QString m_pictureFile; // the profile's picture as it will be saved
    int m_seconds = 3;
    QLineEdit *m_name = nullptr;
    std::array<QButtonGroup *, GroupCount> m_groups{};
    QPushButton *m_down = nullptr;
    QPushButton *m_up = nullptr;
    QLabel *m_secondsLabel = nullptr;
    QCheckBox *m_skip = nullptr;
    QPushButton *m_pictureButton = nullptr;
    QPushButton *m_clearPicture = nullptr;
    QLabel *m_picture = nullptr;
    QLabel *m_picturePath = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace quillora
