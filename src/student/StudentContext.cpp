#include "student/StudentContext.h"

#include "core/AppFolder.h"
#include "core/book/BookCompiler.h"
#include "core/profiles/StudentProfile.h"
#include "core/scanning/ScanEngine.h"
#include "core/services/Clock.h"
#include "core/services/Messages.h"
#include "core/services/ProgramStop.h"
#include "core/services/SoundPlayer.h"
#include "student/ButtonColumn.h"

#include <QFileInfo>

namespace quillora {

namespace {

constexpr double kTitlePause = 0.2;

} // namespace

void abandonFlow() {
    throw Cancelled{};
}

bool StudentContext::scanning() const {
    const int mode = scan.settings().accessMode;
    return mode == kAccessStepScanning || mode == kAccessTimedScanning;
}

void StudentContext::setButtons(ButtonColumn &buttons, ScanScreen screen,
                                const QList<int> &enabled) const {
    ScanSet &set = scan.scanSet();
    fillScanScreen(set, scan.announcements(), screen);
    for (const int item : enabled)
        set.setEnabled(item, true);
    for (int item = 1; item <= set.count(); ++item) {
        buttons.showItemPicture(item, set.picture(item), false);
        buttons.setItemVisible(item, set.isEnabled(item));
    }
}

AsyncOp<int> StudentContext::choose(ButtonColumn &buttons, ScanScreen screen) const {
    if (!scanning())
        return buttons.nextClick();
    scan.keys().assumeReleased(false);
    return scan.choose(buttons, ScanRequest{screen, 1, {}});
}

int StudentContext::requirePage(int pageId) const {
    const int slot =
        requirePageIndex(story(), pageId, session().currentStudentName, *services.stop);
    if (slot == 0)
        abandonFlow();
    return slot;
}

QCoro::Task<> StudentContext::writeStatistics(FlowScope &flows) const {
    // The scan's settings, not the profile's: they are what the student actually worked with.
    const ScanSettings &settings = scan.settings();
    const StatisticsAuthor author{session().currentStudentName, settings.accessMode,
                                  settings.scanSeconds};
    const auto written = statistics().write(author, *services.clock, services.clock->dateTime(),
                                            *services.folder, *services.messages);
    if (!written) {
        // The book itself does not depend on the log; the teacher learns what went wrong.
        co_await flows(services.messages->inform(
            QStringLiteral("The usage statistics could not be saved.\n") + written.error().text()));
    }
}

QCoro::Task<> StudentContext::speakBookTitle(FlowScope &flows,
                                             const QString &subtitleRecording) const {
    const QString cover = resolve(story().coverRecording);
    const QString subtitle = resolve(subtitleRecording);
    const bool hasCover = !cover.isEmpty() && QFileInfo(cover).isFile();
    const bool hasSubtitle = !subtitle.isEmpty() && QFileInfo(subtitle).isFile();
    SoundPlayer &sound = *services.sound;
    if (hasCover)
        co_await flows(sound.play(cover));
    if (hasCover && hasSubtitle)
        co_await flows(waitSeconds(*services.clock, kTitlePause));
    if (hasSubtitle)
        co_await flows(sound.play(subtitle));
}

QString StudentContext::resolve(const QString &name) const {
    return services.folder->resolve(name);
}

} // namespace quillora
