#pragma once

#include "core/Result.h"
#include "core/services/Services.h"
#include "student/MainMenu.h"
#include "student/StudentContext.h"
#include "ui/FullScreenForm.h"

#include <memory>

namespace quillora {

class PictureCache;
class StudentArea;
struct ProgramState;

// The student form: the first thing the program shows and the last thing it closes. It
// holds the main menu and, in front of it, the student's screens, which are built the first
// time a student logs on so the main menu appears at once.
class StudentForm : public FullScreenForm {
    Q_OBJECT
public:
    StudentForm(const Services &services, ProgramState &state, ScanEngine &scan,
                QWidget *parent = nullptr);
    ~StudentForm() override;

    // Prepares the folder and the screens before the form is first shown: the working
    // folders, the colour tables, the language in force and the main menu's layout.
    void startUp();

    // Runs each time the form comes (back) to the front: fresh interface texts, and the
    // main-menu tune the first time only.
    void becameActive();

    MainMenu *mainMenu() const { return m_mainMenu; }
    // The student's screens, built on first use.
    StudentArea *studentArea();
    StudentSession &session() const { return m_context.session(); }
    int logoTuneNumber() const { return m_logoTuneNumber; }

    // Ends every flow of the student's screens at once: nothing more is shown, spoken or
    // scanned. The program stop calls it before its last message.
    void abandonFlows();

Q_SIGNALS:
    void teacherFunctionsRequested();
    void studentDataRequested();
    void studentLogonRequested();
    // The main menu's exit button.
    void exitRequested();

protected:
    bool worksTheScan() const override { return true; }
    void escapeCounted() override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void onMainMenuButton(MainMenu::Button which);
    void openUserGuide();
    void startLogoTune();
    void report(const FileError &error);

    std::unique_ptr<PictureCache> m_pictures;
    StudentContext m_context;
    MainMenu *m_mainMenu = nullptr;
    StudentArea *m_studentArea = nullptr;
    int m_logoTuneNumber = 0;
    bool m_logoMusicStarted = false;
    bool m_tuneAfterFirstPaint = false;
    bool m_textsProblemReported = false;
};

} // namespace quillora
