#pragma once

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

    // The export's staging and cabinet build, for the upload. Until it is set the upload
    // sends a stand-in (see standInCabinet).
    void setPrepareCabinet(PrepareCabinet prepare) { m_prepare = std::move(prepare); }

    void openUpload();
    void openLanguage();

private:
    const Services &m_services;
    ProgramState &m_state;
    TeacherForm &m_form;
    PrepareCabinet m_prepare;
};

// A stand-in for the cabinet build: the template file itself under the cabinet's name in
// "disk1", named after a fresh number so two uploads differ. Only until the export's
// staging is connected.
PrepareCabinet standInCabinet(const AppFolder &folder);

} // namespace quillora
