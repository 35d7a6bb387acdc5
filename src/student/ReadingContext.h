#pragma once

#include "core/async/FlowScope.h"
#include "core/scanning/ScanScreens.h"
#include "core/services/Services.h"

#include <QList>
#include <QString>

#include <exception>

namespace quillora {

class ButtonColumn;
class PrinterService;
class ProgramStop;
class ScanEngine;
class UsageStatistics;
struct ProgramState;
struct StoryTemplate;
struct StudentSession;

// Thrown through a reading flow once the consistency stop has ended the program: nothing
// more may be shown, spoken or written.
struct ReadingAbandoned : std::exception {
    const char *what() const noexcept override { return "the program stopped"; }
};

// What the collection and reading screens work with. The composition root owns all of it;
// the screens only borrow.
struct ReadingContext {
    Services services;
    ProgramState *state = nullptr;
    StudentSession *session = nullptr;
    ScanEngine *scan = nullptr;
    ProgramStop *stop = nullptr;
    PrinterService *printer = nullptr;
    UsageStatistics *statistics = nullptr;
    StoryTemplate *story = nullptr; // the one template of the program

    bool scanning() const;

    // Fills the scan tables with the screen's buttons, enables the given items and shows
    // exactly those, in their normal pictures.
    void setButtons(ButtonColumn &buttons, ScanScreen screen, const QList<int> &enabled) const;

    // The student's next choice on a screen: from the scan, or from a click of the mouse.
    AsyncOp<int> choose(ButtonColumn &buttons, ScanScreen screen) const;

    // The slot of a template page; the consistency stop, and the flow abandoned, when the
    // template no longer has it.
    int requirePage(int pageId) const;

    // Adds the reading to the student's statistics; a file that cannot be written is
    // reported.
    QCoro::Task<> writeStatistics(FlowScope &flows) const;

    // Speaks the book's title: the template's cover narration, a short pause, then the
    // path's subtitle narration; whichever of the two exists.
    QCoro::Task<> speakBookTitle(FlowScope &flows, const QString &subtitleRecording) const;

    // The bare name as a path in the application folder.
    QString resolve(const QString &name) const;
};

} // namespace quillora
