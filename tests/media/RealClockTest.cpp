#include "media/RealClock.h"
#include "core/async/FlowScope.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

namespace quillora::test {
namespace {

// The pauses between announcements: a wait that ends early runs two phrases together.
TEST(RealClockTest, SleepsAsLongAsAskedAndNoLonger) {
    RealClock clock;
    const double seconds[] = {0.0, -1.0, 0.1, 0.5};
    for (const double wait : seconds) {
        SCOPED_TRACE(wait);
        const double start = clock.now();
        auto op = clock.sleep(wait);
        if (wait <= 0) {
            EXPECT_TRUE(op.isSettled()); // at once, without a trip through the event loop
            continue;
        }
        ASSERT_TRUE(QTest::qWaitFor([&op] { return op.isSettled(); }, 2000));
        const double slept = clock.now() - start;
        EXPECT_GE(slept, wait - 0.001);
        EXPECT_LT(slept, wait + 0.05);
    }
}

TEST(RealClockTest, ACancelledSleepLeavesNoTimerBehind) {
    RealClock clock;
    FlowScope scope;
    auto op = scope(clock.sleep(0.05));
    scope.cancel();
    EXPECT_THROW(op.await_resume(), Cancelled);
    QTest::qWait(100);
    EXPECT_TRUE(clock.findChildren<QObject *>().isEmpty());
}

} // namespace
} // namespace quillora::test
