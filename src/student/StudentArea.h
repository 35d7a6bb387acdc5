#pragma once

#include "core/async/FlowScope.h"
#include "student/StudentContext.h"

#include <QSet>
#include <QWidget>

namespace quillora {

class CollectionScreen;
class LogonPanel;
class StudentMenu;
class WritingArea;

// The full-screen container of the student's screens: the logon panel and, once a student
// has logged on, the student menu, worked by mouse or by switch scanning as the student's
// profile says.
class StudentArea : public QWidget {
    Q_OBJECT
public:
    StudentArea(const StudentContext &context, QWidget *parent);

    LogonPanel *logonPanel() const { return m_logon; }
    StudentMenu *studentMenu() const { return m_menu; }
    WritingArea *writingArea() const { return m_writing; }
    CollectionScreen *collectionScreen() const { return m_collection; }

    // The main menu's logon button: the list of students, and the logon panel in the
    // middle of the screen.
    void openLogon();
    // Puts the name of every student profile into the logon list.
    void fillLogonList();

    // Whether the logged-on student has written a book yet.
    bool studentHasBooks() const;
    // Builds the student menu for the logged-on student.
    void showStudentMenu();
    bool isStudentMenuShown() const;
    // Whether the collection was last opened for deleting rather than reading.
    bool deleteMode() const { return m_deleteMode; }

    // Ends every flow of the student's screens at once (the program is stopping).
    void abandonFlows();

    // An Escape the scan has counted. A student who works the mouse leaves the student
    // menu with it; switch users leave through the scan.
    void escapePressed();

Q_SIGNALS:
    // The student's screens are closed; the main menu should show.
    void mainMenuRequested();
    // Write (1), read (2) or delete (3) a book was chosen on the student menu.
    void menuActionChosen(int item);

private:
    QCoro::Task<> logOnStudent();
    QCoro::Task<> runStudentMenu();
    QCoro::Task<> writeBook();
    QCoro::Task<> openCollection(int item);
    bool readProfile(const QString &name);
    void onMenuButton(int item);
    void chooseMenuAction(int item);
    void leaveToMainMenu();
    QSize screenSize() const;

    const StudentContext &m_context;
    LogonPanel *m_logon = nullptr;
    StudentMenu *m_menu = nullptr;
    WritingArea *m_writing = nullptr;
    CollectionScreen *m_collection = nullptr;
    bool m_deleteMode = false;
    bool m_loggingOn = false;
    QSet<QString> m_reportedProfiles;
    FlowScope m_flows; // last: cancels the flows before the screens go
};

} // namespace quillora
