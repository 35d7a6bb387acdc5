#pragma once

#include "core/CharacterSet.h"
#include "core/InterfaceTexts.h"
#include "core/Palette.h"
#include "core/book/PersonalBook.h"
#include "core/profiles/StudentProfile.h"
#include "core/statistics/UsageStatistics.h"
#include "core/template/StoryTemplate.h"

namespace quillora {

// What every form shares for the whole run. The composition root owns the one instance and
// hands it to the forms; no screen keeps a copy of its own. Only one form is worked at a
// time, so nothing here needs guarding.
struct ProgramState {
    Palette palette = initPalette();
    CharacterSetting characterSet;
    InterfaceTexts texts;
    // Pacing factor of the page-turn animation when a book is read.
    double pageTurnPace = 1.0;

    // The one template: chosen as a topic, opened with a book, or edited by the teacher.
    StoryTemplate story;
    // The logged-on student, or the one the teacher is editing.
    StudentSession session;
    // The activity being recorded for the usage statistics.
    UsageStatistics statistics;
    // The book being read.
    PersonalBook book;
};

} // namespace quillora
