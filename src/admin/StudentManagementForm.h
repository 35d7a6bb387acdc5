#pragma once

#include "core/Result.h"
#include "core/async/FlowScope.h"
#include "core/services/FileDialogs.h"
#include "core/services/Services.h"
#include "ui/FullScreenForm.h"

#include <qcoro/qcorotask.h>

class QStackedWidget;

namespace quillora {

class AssignmentPanel;
class ProgressPanel;
class StudentListPanel;
class StudentOptionsPanel;
struct ProgramState;

// The teacher's screen for the students: the list, adding and removing students, their
// books, their options, the templates they may use and what they wrote and read. It opens
// above the main menu and works on the program-wide profile and current student.
class StudentManagementForm : public FullScreenForm {
    Q_OBJECT
public:
    StudentManagementForm(const Services &services, ProgramState &state, ScanEngine &scan,
                          QWidget *parent = nullptr);
    ~StudentManagementForm() override;

    // Brings the form up on its main panel with a fresh list of students, in the fonts of
    // the language in force.
    void open();

    StudentListPanel *listPanel() const { return m_list; }
    StudentOptionsPanel *optionsPanel() const { return m_options; }
    AssignmentPanel *assignmentPanel() const { return m_assign; }
    ProgressPanel *progressPanel() const { return m_progress; }
    // The panel on show.
    QWidget *currentPanel() const;

Q_SIGNALS:
    // "Main Menu": the composition root takes the form away.
    void mainMenuRequested();

private:
    void connectListPanel();
    void connectOtherPanels();
    void applyCharacterSet();
    void refillList();
    void showPanel(QWidget *panel);
    void report(const FileError &error);
    void reportAll(const QList<FileError> &errors, const QString &opening);
    // A file dialog that opens in the application folder.
    FileDialogRequest dialogRequest(const QString &title, const QString &filter) const;
    // The selected name; empty, after the message, when nothing is selected.
    QString selectedOrSay(const QString &message);

    // Students (StudentManagementForm.cpp).
    void addStudent();
    void editOptions();
    void saveOptions();
    void cancelOptions();
    QCoro::Task<> removeStudent();
    QCoro::Task<> deleteBooks();
    QCoro::Task<> choosePicture();

    // Assignments and data (StudentDataViews.cpp).
    void openAssignments();
    void saveAssignments();
    void openStatistics(const QString &ending);
    void openProgress();
    QCoro::Task<> saveChartsPicture();
    // The number of a student whose data the teacher asks for; 0 after the message.
    int studentWithData(const QString &name);

    const Services &m_services;
    ProgramState &m_state;
    QStackedWidget *m_stack = nullptr;
    StudentListPanel *m_list = nullptr;
    StudentOptionsPanel *m_options = nullptr;
    AssignmentPanel *m_assign = nullptr;
    ProgressPanel *m_progress = nullptr;
    int m_assignmentTarget = 0;
    QString m_progressName;
    FlowScope m_flows; // last: its flows unwind while the panels still stand
};

} // namespace quillora
