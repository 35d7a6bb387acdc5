#include "TempAppFolder.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <csignal>
#include <functional>

#include <gtest/gtest.h>

namespace quillora {
using namespace Qt::StringLiterals;
namespace {

using test::TempAppFolder;

bool waitFor(const std::function<bool()> &condition, int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QThread::msleep(10);
    }
    return true;
}

// Logging out of the desktop sends SIGTERM, Ctrl+C sends SIGINT: either ends the program as
// its exit button does, promptly, with the folder lock released.
TEST(ProgramEnd, TerminationSignalsEndTheProgramPolitely) {
    const std::pair<int, const char *> signals_[] = {{SIGTERM, "SIGTERM"}, {SIGINT, "SIGINT"}};
    for (const auto &[signal, name] : signals_) {
        TempAppFolder folder(TempAppFolder::InstalledCopy);
        const QString lock = folder.path(u"quillora.lock"_s);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s,
                           QStringLiteral("offscreen:configfile=" QUILLORA_TEST_SCREEN_CONFIG));
        environment.insert(u"SDL_AUDIODRIVER"_s, u"dummy"_s);
        environment.remove(u"QUILLORA_APP_FOLDER"_s);
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(QUILLORA_PROGRAM),
                      {u"--app-folder"_s, folder.folder().root()});
        ASSERT_TRUE(program.waitForStarted(10000)) << name;
        ASSERT_TRUE(waitFor([&] { return QFileInfo::exists(lock); }, 30000)) << name;
        QThread::msleep(300); // the handlers go in right after the lock is taken

        ::kill(static_cast<pid_t>(program.processId()), signal);
        QElapsedTimer timer;
        timer.start();
        const bool ended = program.waitForFinished(2000);
        EXPECT_TRUE(ended) << name << " did not end the program within 2 seconds";
        if (!ended) {
            program.kill();
            program.waitForFinished();
            continue;
        }
        EXPECT_LT(timer.elapsed(), 2000) << name;
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << name;
        EXPECT_EQ(program.exitCode(), 0) << name;
        EXPECT_FALSE(QFileInfo::exists(lock)) << name << " left the folder locked";
    }
}

} // namespace
} // namespace quillora
