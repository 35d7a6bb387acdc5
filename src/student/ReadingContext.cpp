#include "student/ReadingContext.h"

#include "core/AppFolder.h"
#include "core/book/BookCompiler.h"
#include "core/profiles/StudentProfile.h"
#include "core/scanning/ScanEngine.h"
#include "core/services/Clock.h"
#include "core/services/Messages.h"
#include "core/services/ProgramStop.h"
#include "core/services/SoundPlayer.h"
#include "core/statistics/UsageStatistics.h"
#include "core/template/StoryTemplate.h"
#include "student/ButtonColumn.h"

#include <QDateTime>
#include <QFileInfo>

namespace quillora {

namespace {

constexpr double kTitlePause = 0.2;

} // namespace

bool ReadingContext::scanning() const {
    const int mode = scan->settings().accessMode;
    return mode == kAccessStepScanning || mode == kAccessTimedScanning;
}

void ReadingContext::setButtons(ButtonColumn &buttons, ScanScreen screen,
                                const QList<int> &enabled) const {
    ScanSet &set = scan->scanSet();
    fillScanScreen(set, scan->announcements(), screen);
    for (const int item : enabled)
        set.setEnabled(item, true);
    for (int item = 1; item <= set.count(); ++item) {
        buttons.showItemPicture(item, set.picture(item), false);
        buttons.setItemVisible(item, set.isEnabled(item));
    }
}

AsyncOp<int> ReadingContext::choose(ButtonColumn &buttons, ScanScreen screen) const {
    if (!scanning())
        return buttons.nextClick();
    scan->keys().assumeReleased(false);
    return scan->choose(buttons, ScanRequest{screen, 1, {}});
}

int ReadingContext::requirePage(int pageId) const {
    const int slot = requirePageIndex(*story, pageId, session->currentStudentName, *stop);
    if (slot == 0)
        throw ReadingAbandoned{};
    return slot;
}

QCoro::Task<> ReadingContext::writeStatistics(FlowScope &flows) const {
    const StatisticsAuthor author{session->currentStudentName, session->profile.accessMode,
                                  session->profile.scanSeconds};
    const auto written = statistics->write(author, *services.clock, QDateTime::currentDateTime(),
                                           *services.folder, *services.messages);
    if (!written)
        co_await flows(services.messages->inform(written.error().text()));
}

QCoro::Task<> ReadingContext::speakBookTitle(FlowScope &flows,
                                             const QString &subtitleRecording) const {
    const QString cover = resolve(story->coverRecording);
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

QString ReadingContext::resolve(const QString &name) const {
    return services.folder->resolve(name);
}

} // namespace quillora
