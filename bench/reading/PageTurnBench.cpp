// Turns a page twenty times on the real clock, forward and back in turn, and reports the
// duration of each turn, the frames drawn and the processor time used while turning.
#include "core/AppFolder.h"
#include "core/ProgramState.h"
#include "core/async/FlowScope.h"
#include "core/scanning/ScanEngine.h"
#include "core/services/Services.h"
#include "media/NullMedia.h"
#include "media/RealClock.h"
#include "student/BookPageWipe.h"
#include "student/PictureCache.h"
#include "student/ReadingPanel.h"
#include "student/ReadingScreen.h"
#include "student/StudentContext.h"
#include "ui/QtMessages.h"

#include <QApplication>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using namespace quillora;

constexpr int kTurns = 20;

double processorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Turn {
    double seconds = 0;
    int frames = 0;
};

QCoro::Task<> turnPages(ReadingScreen &screen, RealClock &clock, std::vector<Turn> &turns,
                        double &busySeconds) {
    BookPageWipe &area = *screen.panel()->picture();
    const double cpuStart = processorSeconds();
    for (int turn = 0; turn < kTurns; ++turn) {
        const int paintsBefore = area.paintCount();
        const QColor colour = QColor::fromHsv((turn * 37) % 360, 200, 230);
        const double seconds = co_await screen.wipe(colour, turn % 2 == 0, 1.0);
        // The last frame is painted by the next pass of the event loop.
        co_await clock.sleep(0.05);
        turns.push_back({seconds, area.paintCount() - paintsBefore});
    }
    busySeconds = processorSeconds() - cpuStart;
    QTimer::singleShot(0, qApp, &QApplication::quit);
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const AppFolder folder(argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QStringLiteral(QUILLORA_INSTALLED_APP_DIR));
    RealClock clock;
    Services services;
    services.folder = &folder;
    services.clock = &clock;
    ProgramState state;
    // Page turns only: no scan runs, so a silent player stands behind the engine.
    QtMessages messages;
    NullSoundPlayer sound(folder, messages);
    ScanEngine scan(clock, sound);
    PictureCache pictures(folder);
    StudentContext context{services, state, scan, pictures};

    QWidget window;
    window.resize(1280, 1024);
    FlowScope flows;
    auto *screen = new ReadingScreen(context, flows, &window);
    screen->setGeometry(window.rect());
    screen->panel()->move(210, 172);
    screen->show();
    window.show();

    std::vector<Turn> turns;
    double busySeconds = 0;
    const double wallStart = clock.now();
    flows.start(turnPages(*screen, clock, turns, busySeconds));
    QApplication::exec();
    const double wallSeconds = clock.now() - wallStart;

    double shortest = 1e9, longest = 0, total = 0;
    int frames = 0, fewestFrames = 1 << 30;
    for (const Turn &turn : turns) {
        shortest = std::min(shortest, turn.seconds);
        longest = std::max(longest, turn.seconds);
        total += turn.seconds;
        frames += turn.frames;
        fewestFrames = std::min(fewestFrames, turn.frames);
    }
    const double perTurn = total / double(turns.size());
    std::printf("page turns: %zu on the %s platform\n", turns.size(),
                qPrintable(QGuiApplication::platformName()));
    std::printf(
        "duration per turn: mean %.3f s, shortest %.3f s, longest %.3f s (goal 1.0 +/- 0.1 s)\n",
        perTurn, shortest, longest);
    std::printf("frames drawn: %d in all, fewest in one turn %d, %.1f per second (goal >= 50)\n",
                frames, fewestFrames, double(frames) / total);
    std::printf(
        "processor time while turning: %.3f s of %.3f s, %.1f%% of one core (goal < 30%%)\n",
        busySeconds, wallSeconds, 100.0 * busySeconds / wallSeconds);
    const bool met = shortest >= 0.9 && longest <= 1.1 && double(frames) / total >= 50 &&
                     busySeconds / wallSeconds < 0.3;
    std::printf("%s\n", met ? "all goals met" : "GOALS MISSED");
    return met ? 0 : 1;
}
