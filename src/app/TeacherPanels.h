#pragma once

#include "core/async/FlowScope.h"
#include "core/services/Services.h"
#include "core/upload/TemplateUpload.h"

namespace quillora {

struct ProgramState;
class TeacherForm;

// The teacher functions that live in administration panels, opened in place of the menu.
// The upload gets its cabinet through prepareCabinet, so it shares the export's staging.
class TeacherPanels {
public:
    TeacherPanels(const Services &services, ProgramState &state, TeacherForm &form);

    // How the upload gets its cabinet (the export's staging unless a test says otherwise).
    void setPrepareCabinet(PrepareCabinet prepare) { m_prepare = std::move(prepare); }

    void openUpload();
    void openLanguage();

private:
    const Services &m_services;
    ProgramState &m_state;
    TeacherForm &m_form;
    PrepareCabinet m_prepare;
    FlowScope m_preparations; // last: its flows end before the rest goes
};

// The export's own staging and cabinet build, for the upload: the cabinet in "disk1" and
// its name without the "Template_" prefix. The preparations run in scope, so a program end
// or a closed form cancels them.
PrepareCabinet cabinetPreparation(const AppFolder &folder, Cabinets &cabinets, FlowScope &scope);

} // namespace quillora
