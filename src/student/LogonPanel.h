#pragma once

#include <QFrame>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace quillora {

class AppFolder;
class EscapeNotice;

// The teacher's door to a student's screens: the list of students, "Logon", "Main Menu",
// and the two options that hold for the rest of the run. The panel takes the size of its
// background picture.
class LogonPanel : public QFrame {
    Q_OBJECT
public:
    explicit LogonPanel(const AppFolder &folder, QWidget *parent = nullptr);

    QListWidget *studentList() const { return m_list; }
    QPushButton *logonButton() const { return m_logon; }
    QPushButton *mainMenuButton() const { return m_mainMenu; }
    // Whether the student menu offers "Delete a Book" to a student who has books.
    QCheckBox *deleteOption() const { return m_showDelete; }
    // Whether the print buttons show while a book is read.
    QCheckBox *printOption() const { return m_showPrint; }
    QLabel *title() const { return m_title; }
    QLabel *titleShadow() const { return m_titleShadow; }
    EscapeNotice *escapeNotice() const { return m_notice; }

    void setStudentNames(const QStringList &names);
    // The name chosen in the list, or the empty text.
    QString selectedName() const;

    // Centres the notice in the panel and brings it to the front.
    void showEscapeNotice();

Q_SIGNALS:
    void logonClicked();
    void mainMenuClicked();

private:
    QLabel *m_background = nullptr;
    QLabel *m_titleShadow = nullptr;
    QLabel *m_title = nullptr;
    QListWidget *m_list = nullptr;
    QCheckBox *m_showDelete = nullptr;
    QCheckBox *m_showPrint = nullptr;
    QPushButton *m_logon = nullptr;
    QPushButton *m_mainMenu = nullptr;
    EscapeNotice *m_notice = nullptr;
};

} // namespace quillora
