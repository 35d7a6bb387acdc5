#include "VirtualClock.h"
#include "core/async/FlowScope.h"
#include "core/services/Clock.h"

#include <QObject>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace quillora {
namespace {

using test::drainEvents;
using test::runUntil;
using test::VirtualClock;

struct Recorder {
    std::vector<std::string> events;
};

QCoro::Task<> waitThenNote(FlowScope &scope, Clock &clock, double seconds, Recorder &log,
                           std::string note) {
    co_await scope(waitSeconds(clock, seconds));
    log.events.push_back(note + " at " + std::to_string(static_cast<int>(clock.now())));
}

TEST(AsyncOp, ResolvingResumesTheAwaiterFromTheEventLoopOnly) {
    Promise<int> promise;
    int got = 0;
    auto flow = [&]() -> QCoro::Task<> { got = co_await promise.op(); };
    auto task = flow();
    promise.resolve(7);
    EXPECT_EQ(got, 0);  // not from inside resolve()
    promise.resolve(8); // the first resolve wins
    drainEvents();
    EXPECT_EQ(got, 7);
}

TEST(AsyncOp, AnAbandonedPromiseWakesItsAwaiterWithAnError) {
    bool broken = false;
    auto op = std::make_unique<AsyncOp<int>>(Promise<int>().op());
    auto flow = [&]() -> QCoro::Task<> {
        try {
            co_await std::move(*op);
        } catch (const BrokenPromise &) {
            broken = true;
        }
    };
    auto task = flow();
    drainEvents();
    EXPECT_TRUE(broken);
}

TEST(AsyncOp, AReadyOperationDoesNotSuspend) {
    int got = 0;
    auto flow = [&]() -> QCoro::Task<> { got = co_await AsyncOp<int>::ready(3); };
    auto task = flow();
    EXPECT_EQ(got, 3);
}

TEST(WaitSeconds, EndsOnTheClockAndZeroEndsAtOnce) {
    VirtualClock clock;
    FlowScope scope;
    Recorder log;
    const double start = clock.now();
    scope.start(waitThenNote(scope, clock, 0.5, log, "half"));
    scope.start(waitThenNote(scope, clock, 0, log, "zero"));
    scope.start(waitThenNote(scope, clock, 2, log, "two"));
    ASSERT_TRUE(runUntil(clock, [&] { return log.events.size() == 3; }));
    EXPECT_EQ(log.events[0], "zero at 1000");
    EXPECT_EQ(log.events[1], "half at 1000");
    EXPECT_EQ(log.events[2], "two at 1002");
    EXPECT_DOUBLE_EQ(clock.now() - start, 2.0);
}

TEST(FlowScope, CancelUnwindsTheWholeChainAndStopsTheProducer) {
    VirtualClock clock;
    FlowScope scope;
    Recorder log;
    bool unwound = false;
    auto inner = [&]() -> QCoro::Task<> {
        co_await scope(waitSeconds(clock, 10));
        log.events.push_back("inner finished");
    };
    auto outer = [&]() -> QCoro::Task<> {
        struct Guard {
            bool &flag;
            ~Guard() { flag = true; }
        } guard{unwound};
        co_await inner();
        log.events.push_back("outer finished");
    };
    scope.start(outer());
    EXPECT_TRUE(clock.hasPending());
    scope.cancel();
    EXPECT_FALSE(clock.hasPending()); // the timer went with the flow
    drainEvents();
    EXPECT_TRUE(unwound);
    EXPECT_TRUE(log.events.empty());

    // The scope works on for flows started afterwards.
    scope.start(waitThenNote(scope, clock, 1, log, "later"));
    ASSERT_TRUE(runUntil(clock, [&] { return !log.events.empty(); }));
    EXPECT_EQ(log.events.front(), "later at 1001");
}

// A screen whose flow is waiting when the screen is destroyed: the flow must unwind while
// the screen still exists and never touch it afterwards.
class Screen {
public:
    explicit Screen(Clock &clock, std::vector<std::string> &log)
        : m_clock(clock)
        , m_log(log) {
        m_flows.start(run());
    }
    ~Screen() { m_log.push_back("screen gone"); }

private:
    QCoro::Task<> run() {
        struct Guard {
            std::vector<std::string> &log;
            ~Guard() { log.push_back("flow unwound"); }
        } guard{m_log};
        co_await m_flows(waitSeconds(m_clock, 5));
        m_log.push_back("flow went on");
    }

    Clock &m_clock;
    std::vector<std::string> &m_log;
    FlowScope m_flows; // last
};

TEST(FlowScope, DestroyingTheOwnerUnwindsItsFlowsFirst) {
    VirtualClock clock;
    std::vector<std::string> log;
    auto screen = std::make_unique<Screen>(clock, log);
    screen.reset();
    drainEvents();
    clock.advanceBy(10);
    EXPECT_EQ(log, (std::vector<std::string>{"screen gone", "flow unwound"}));
}

TEST(FlowScope, AResultStillQueuedWhenTheOwnerGoesAwayBecomesACancellation) {
    // A sound ends (its result is queued for the event loop) and in the same moment the
    // screen is closed: the flow must unwind with the screen, not resume after it.
    std::vector<std::string> log;
    Promise<void> promise;
    auto scope = std::make_unique<FlowScope>();
    auto flow = [&]() -> QCoro::Task<> {
        struct Guard {
            std::vector<std::string> &log;
            ~Guard() { log.push_back("unwound"); }
        } guard{log};
        co_await (*scope)(promise.op());
        log.push_back("went on");
    };
    scope->start(flow());
    promise.resolve();
    scope.reset();
    EXPECT_EQ(log, std::vector<std::string>{"unwound"});
    drainEvents();
    EXPECT_EQ(log, std::vector<std::string>{"unwound"});
}

QStringList g_reported;

void recordReport(QtMsgType type, const QMessageLogContext &, const QString &text) {
    if (type == QtCriticalMsg)
        g_reported.append(text);
}

TEST(FlowScope, ReportsFlowErrorsButNotCancellation) {
    g_reported.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordReport);
    FlowScope scope;
    auto failing = []() -> QCoro::Task<> {
        throw std::runtime_error("a broken file");
        co_return;
    };
    auto cancelled = []() -> QCoro::Task<> {
        throw Cancelled{};
        co_return;
    };
    scope.start(failing());
    scope.start(cancelled());
    drainEvents();
    qInstallMessageHandler(previous);
    ASSERT_EQ(g_reported.size(), 1);
    EXPECT_TRUE(g_reported.front().contains(QStringLiteral("a broken file")));
}

} // namespace
} // namespace quillora
