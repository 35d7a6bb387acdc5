#pragma once

#include "core/services/Services.h"
#include "ui/FullScreenForm.h"

class QStackedLayout;

namespace quillora {

class DesignerWorkspace;
struct ProgramState;
class TeacherMenu;

inline constexpr char kTeacherFormTitle[] =
    "Brindlemoor - Quillora (Version 1.0) Teacher Functions";

// The teacher form (builder): the teacher functions menu first, the designer behind it. It
// does not work the scan, but a switch released here is released for the student form too.
class TeacherForm : public FullScreenForm {
    Q_OBJECT
public:
    TeacherForm(const Services &services, ProgramState &state, ScanEngine &scan,
                QWidget *parent = nullptr);
    ~TeacherForm() override;

    // Back to the menu, as the form is every time it opens.
    void showMenu();
    // The model part of a new template and the designer opened on its Cover section.
    void newTemplate();
    // The designer on the template already loaded into the program state, on the given page
    // (its Cover section shown), as Modify and the library check open it.
    void openLoadedTemplate(int pageId);

    // A panel of a teacher function (library, export, upload, language) shown in place of the
    // menu. The form takes ownership; closePanel() deletes it and shows the menu again.
    void showPanel(QWidget *panel);
    void closePanel();
    QWidget *panel() const { return m_panel; }
    // Ends whatever a screen of the form waits for.
    void abandonFlows();

    TeacherMenu *menu() const { return m_menu; }
    DesignerWorkspace *designer() const { return m_designer; }
    bool designerShown() const;

Q_SIGNALS:
    // The menu's Main Menu button: the student form takes over again.
    void mainMenuRequested();
    // A menu button whose function lives outside the designer (every one but New Template and
    // Main Menu); the composition root opens it.
    void functionRequested(int which);

private:
    void onMenuButton(int which);

    const Services &m_services;
    ProgramState &m_state;
    QStackedLayout *m_pages = nullptr;
    TeacherMenu *m_menu = nullptr;
    DesignerWorkspace *m_designer = nullptr;
    QWidget *m_panel = nullptr;
};

} // namespace quillora
