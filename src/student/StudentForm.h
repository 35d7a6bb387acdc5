#pragma once

#include "core/Result.h"
#include "core/async/FlowScope.h"
#include "core/profiles/StudentProfile.h"
#include "core/scanning/ScanEngine.h"
#include "core/services/Services.h"
#include "student/MainMenu.h"

#include <QList>
#include <QWidget>

class QLabel;

namespace quillora {

class StudentArea;
struct ProgramState;

// The student form: the first thing the program shows and the last thing it closes. It
// holds the main menu and, in front of it, the student's screens.
class StudentForm : public QWidget {
    Q_OBJECT
public:
    StudentForm(const Services &services, ProgramState &state, QWidget *parent = nullptr);
    // With the program-wide student (the logged-on one), which other forms share.
    StudentForm(const Services &services, ProgramState &state, StudentSession &session,
                QWidget *parent = nullptr);
    ~StudentForm() override;

    // Prepares the folder and the screens before the form is first shown: the working
    // folders, the colour tables, the language in force and the main menu's layout.
    void startUp();

    // Runs each time the form comes (back) to the front: fresh interface texts, and the
    // main-menu tune the first time only.
    void becameActive();

    MainMenu *mainMenu() const { return m_mainMenu; }
    StudentArea *studentArea() const { return m_studentArea; }
    ScanEngine &scanEngine() { return m_scan; }
    StudentSession &session() { return *m_session; }
    int logoTuneNumber() const { return m_logoTuneNumber; }

    // Labels that show story text get the language's font; page texts also its direction.
    void registerStoryLabel(QLabel *label, bool isPageText);
    void applyCharacterSet();

Q_SIGNALS:
    void teacherFunctionsRequested();
    void studentDataRequested();
    void studentLogonRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void onMainMenuButton(MainMenu::Button which);
    void openUserGuide();
    void startLogoTune();
    void report(const FileError &error);
    bool handleSwitchKey(QObject *receiver, QEvent *event);

    Services m_services;
    ProgramState &m_state;
    StudentSession m_ownSession;
    StudentSession *m_session = &m_ownSession;
    // The key flags live as long as the form: a switch held across screens steps once.
    ScanEngine m_scan;
    MainMenu *m_mainMenu = nullptr;
    StudentArea *m_studentArea = nullptr;
    QList<QLabel *> m_storyLabels;
    QList<QLabel *> m_pageTextLabels;
    int m_logoTuneNumber = 0;
    bool m_logoMusicStarted = false;
    bool m_tuneAfterFirstPaint = false;
    bool m_textsProblemReported = false;
    FlowScope m_flows; // last: cancels running flows before the screens go
};

} // namespace quillora
