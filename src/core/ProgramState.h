#pragma once

#include "core/CharacterSet.h"
#include "core/InterfaceTexts.h"
#include "core/Palette.h"

#include <QString>

namespace quillora {

// What every form shares for the whole run. The composition root owns the one instance;
// only one form is worked at a time, so nothing here needs guarding.
struct ProgramState {
    Palette palette = initPalette();
    CharacterSetting characterSet;
    InterfaceTexts texts;
    // Pacing factor of the page-turn animation when a book is read.
    double pageTurnPace = 1.0;
    // The placeholder title of a new template.
    QString defaultTitleText = QStringLiteral("Enter the title here");
};

} // namespace quillora
