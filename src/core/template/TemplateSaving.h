#pragma once

#include "core/template/TemplateValidation.h"

#include <functional>
#include <optional>

namespace quillora {

class AppFolder;
class Messages;

// What became of a press of Save.
enum class SaveOutcome {
    Refused, // a check failed; the designer shows refusal (section, page, message)
    Failed,  // the checks passed but a file could not be written; the teacher has been told
    Saved,   // written, and "The Story ... has been saved" shown
};

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::Refused;
    // Set when refused; empty when the designer's own picture check refused, since that
    // check has shown its message already.
    std::optional<SaveRefusal> refusal;
};

// The Save button without its window. Runs the checks in order - the cover as shown, then
// the designer's own check of the current page's pictures (it reads the panels, so it
// stays with the designer and reports itself), then the paths - and saves when all pass.
// Refusals are returned, not shown: the designer first opens the section and the page,
// which a message box would otherwise hide. A refused path makes its page the template's
// current page, so the designer only has to show it. Saving reports through messages, as
// the template writer does: the success, or which file could not be written.
// The designer stops any recording first, so the working copies are whole when promoted.
SaveResult saveTemplateClicked(StoryTemplate &story, const CoverEntry &shown,
                               const std::function<bool()> &currentPageLacksPicture,
                               const AppFolder &folder, Messages &messages);

} // namespace quillora
