#pragma once

#include "core/AppFolder.h"
#include "core/ProgramState.h"
#include "core/services/Services.h"

#include <QLockFile>
#include <QSize>

#include <memory>

namespace quillora {

class DesktopShell;
class GcabCabinets;
class MediaServices;
class Messages;
class ProgramEnd;
class QtFileDialogs;
class QtMessages;
class QtPrinterService;
class RealClock;
class ScanEngine;
class StudentForm;
class TeacherForm;
class StudentManagementForm;
class TeacherPanels;
class Uploader;

// The composition root: owns the real services, the program-wide state and the forms, and
// wires the forms to each other.
class Quillora {
public:
    explicit Quillora(AppFolder folder);
    ~Quillora();

    // Tests hand in their own message boxes.
    void setMessages(Messages *messages);
    // Printing goes into this PDF file instead of the printer (empty: the printer).
    void setPrintToPdf(const QString &path);

    // One running copy per application folder: a second copy would hand out the same book
    // and template numbers. False, with the reason for the user, when another copy holds the
    // folder or the folder cannot be written at all.
    bool lockFolder(QString *problem);

    // Checks the screen and shows the student form with its main menu. False, after the
    // message, when the screen is too small to work on.
    bool start(QSize screenSize);

    StudentForm *studentForm() const { return m_studentForm.get(); }
    TeacherForm *teacherForm() const { return m_teacherForm.get(); }
    StudentManagementForm *studentManagementForm() const { return m_studentManagement.get(); }
    ProgramState &state() { return m_state; }
    const Services &services() const { return m_services; }
    ScanEngine &scanEngine() const { return *m_scan; }
    TeacherPanels &teacherPanels() const { return *m_teacherPanels; }

private:
    void silenceEverything();
    // The teacher form: opened from the main menu, handing back to it when it closes.
    void wireTeacherForm(QSize screenSize);
    void openTeacherForm();
    void closeTeacherForm();
    // The teacher menu's functions outside the designer: library, cabinets, upload, language.
    void openTeacherFunction(int which);
    // The address the web-site button opens, from the upload settings; empty while none.
    QString webSiteAddress() const;
    // Modify, Delete or Export (a LibraryPanel::Mode) on the template list.
    void openLibraryPanel(int mode);
    // The student management form, above the main menu and back.
    void wireStudentManagement();
    void openStudentManagement();
    void closeStudentManagement();
    void quit();

    AppFolder m_folder;
    QLockFile m_lock;
    ProgramState m_state;
    std::unique_ptr<RealClock> m_clock;
    std::unique_ptr<QtMessages> m_messages;
    std::unique_ptr<QtFileDialogs> m_fileDialogs;
    std::unique_ptr<DesktopShell> m_shell;
    std::unique_ptr<QtPrinterService> m_printer;
    std::unique_ptr<ProgramEnd> m_stop;
    std::unique_ptr<GcabCabinets> m_cabinets;
    std::unique_ptr<MediaServices> m_media;
    std::unique_ptr<Uploader> m_uploader;
    Services m_services;
    std::unique_ptr<ScanEngine> m_scan;
    std::unique_ptr<StudentForm> m_studentForm;
    std::unique_ptr<TeacherForm> m_teacherForm;
    std::unique_ptr<TeacherPanels> m_teacherPanels;
    std::unique_ptr<StudentManagementForm> m_studentManagement;
};

} // namespace quillora
