#pragma once

#include "core/InterfaceTexts.h"
#include "core/ProgramState.h"
#include "core/async/FlowScope.h"
#include "core/scanning/ScanScreens.h"
#include "core/services/Services.h"

#include <QList>
#include <QString>

namespace quillora {

class ButtonColumn;
class PictureCache;
class ScanEngine;

// What every student screen works with: the outside world, the program-wide state and the
// one switch scan. The composition root owns all of it; the screens only borrow.
struct StudentContext {
    Services services;
    ProgramState &state;
    ScanEngine &scan;
    // The decoded pictures every student screen draws from.
    PictureCache &pictures;

    StoryTemplate &story() const { return state.story; }
    StudentSession &session() const { return state.session; }
    UsageStatistics &statistics() const { return state.statistics; }
    QString text(Literal which) const { return state.texts.text(which); }

    // Whether the student works the screens with switches rather than the mouse.
    bool scanning() const;

    // Fills the scan tables with the screen's buttons, enables the given items and shows
    // exactly those, in their normal pictures.
    void setButtons(ButtonColumn &buttons, ScanScreen screen, const QList<int> &enabled) const;

    // The student's next choice on a screen: from the scan, or from a click of the mouse.
    AsyncOp<int> choose(ButtonColumn &buttons, ScanScreen screen) const;

    // The slot of a template page; the consistency stop, and the flow abandoned, when the
    // template no longer has it.
    int requirePage(int pageId) const;

    // Adds the record in progress to the student's statistics, with the way the screens are
    // worked as the scan has it; a file that cannot be written is reported.
    QCoro::Task<> writeStatistics(FlowScope &flows) const;

    // Speaks the book's title: the template's cover narration, a short pause, then the
    // path's subtitle narration; whichever of the two exists.
    QCoro::Task<> speakBookTitle(FlowScope &flows, const QString &subtitleRecording) const;

    // The bare name as a path in the application folder.
    QString resolve(const QString &name) const;
};

// Once the program stop has ended the program, the flow only unwinds: nothing more may be
// shown, spoken or written.
[[noreturn]] void abandonFlow();

} // namespace quillora
