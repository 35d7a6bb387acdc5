#pragma once

#include "FakeMessages.h"
#include "FakeSoundPlayer.h"
#include "TempAppFolder.h"
#include "VirtualClock.h"
#include "core/async/FlowScope.h"
#include "core/profiles/StudentProfile.h"
#include "core/scanning/ScanDisplay.h"
#include "core/scanning/ScanEngine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace quillora::test {

// Virtual times are sums of fractions of a second; compare them as such.
inline auto timesAre(std::vector<double> expected) {
    return ::testing::Pointwise(::testing::DoubleNear(1e-9), std::move(expected));
}

// The buttons of a screen as the scan leaves them, and every moment one was lit.
class FakeScanDisplay : public ScanDisplay {
public:
    explicit FakeScanDisplay(const Clock &clock)
        : m_clock(clock) {}

    void showItemPicture(int item, const QString &picture, bool highlighted) override;
    void setItemVisible(int item, bool visible) override { shown[item] = visible; }

    // The items lit, in order, and when.
    std::vector<int> litItems() const;
    std::vector<double> litTimes() const;

    std::map<int, QString> pictures;
    std::map<int, bool> shown;
    int lit = 0;
    std::vector<std::pair<double, int>> litLog;

private:
    const Clock &m_clock;
};

// An engine on the virtual clock with a sound player over short generated sounds whose
// lengths the tests know: announcements 0.6 s, the start prompt 1.2 s, the stop click
// 0.2 s, narrations "narr1.wav" 2 s, "narr2.wav" 1.5 s, "narr3.wav" 1 s, "effect.wav" 0.2 s.
class ScanFixture : public ::testing::Test {
protected:
    ScanFixture();

    void settings(int accessMode, int scanSeconds = 3, int auditory = 1);
    // Fills the screen's tables and enables the given items.
    void useScreen(ScanScreen screen, std::initializer_list<int> enabled, int layout = 1);
    // Starts a scan the way a screen's flow would.
    void choose(ScanRequest request);
    void choose(ScanScreen screen, int startItem = 1) {
        choose(ScanRequest{screen, startItem, {}});
    }

    void press(int code) { engine.keyDown(code); }
    void release(int code) { engine.keyUp(code); }
    void tap(int code) {
        press(code);
        release(code);
    }
    // Lets pending events run without moving the clock.
    void settle() { drainEvents(); }
    // Moves the clock on, running what falls due.
    void wait(double seconds) { clock.advanceBy(seconds); }
    bool runUntilChosen(double limit = 600) {
        return runUntil(
            clock, [this] { return chosen.has_value(); }, limit);
    }
    bool runUntilLit(std::size_t count, double limit = 600) {
        return runUntil(
            clock, [this, count] { return display.litLog.size() >= count; }, limit);
    }

    TempAppFolder folder;
    VirtualClock clock;
    FakeMessages messages;
    FakeSoundPlayer sound;
    ScanEngine engine;
    FakeScanDisplay display;
    double startedAt = 0;
    std::optional<int> chosen;
    double chosenAt = -1;
    FlowScope scope; // last, as on a screen: cancels the scan before the rest goes
};

} // namespace quillora::test
