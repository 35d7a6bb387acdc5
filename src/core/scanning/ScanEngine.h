#pragma once

#include "core/async/FlowScope.h"
#include "core/scanning/KeyFlags.h"
#include "core/scanning/ScanScreens.h"
#include "core/scanning/ScanSet.h"

#include <QObject>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace quillora {

class Clock;
class ScanDisplay;
class SoundPlayer;
struct StudentProfile;

// How the logged-on student works the screens.
struct ScanSettings {
    int accessMode = 3;       // 1 step scanning, 2 timed scanning, 3 mouse or touch
    int scanSeconds = 3;      // the timed dwell
    int auditoryScanning = 1; // 1 speaks each highlighted button
};
ScanSettings scanSettings(const StudentProfile &profile);

struct ScanRequest {
    ScanScreen screen = ScanScreen::StudentMenu;
    int startItem = 1;
    PageSpeech speech; // the writing page's narration; other screens leave it empty
};

// Switch scanning for every student screen. Fed with the key events of the student form
// and the clock, it highlights one button after another, announces it, and hands back the
// button the student selected. It holds no window: the screen shows what it is told
// through a ScanDisplay. Nothing runs while it waits for a switch or a timer.
//
// Key events only set flags; the flags are weighed in a pass that runs once the events
// already queued have been delivered. Within one pass Escape (on the student menu) is
// looked at first, then Enter, then Space, so a Space and an Enter that arrive together
// choose the button highlighted before the step.
//
// Keys pressed while the scan speaks a page's narration are weighed when it has ended, so
// a child who pressed during the speech never has to press again.
class ScanEngine {
public:
    ScanEngine(Clock &clock, SoundPlayer &sound);
    ~ScanEngine();
    ScanEngine(const ScanEngine &) = delete;
    ScanEngine &operator=(const ScanEngine &) = delete;

    void setSettings(const ScanSettings &settings);
    const ScanSettings &settings() const { return m_settings; }

    // The key flags live for the whole run; the tables belong to the screen that filled
    // them last.
    KeyFlags &keys() { return m_keys; }
    ScanSet &scanSet() { return m_set; }
    const ScanSet &scanSet() const { return m_set; }
    AnnouncementTable &announcements() { return m_announcements; }

    // True when the press counted (a key held down counts once). Escape also silences
    // whatever is speaking, and cuts a page's narration short.
    bool keyDown(int code);
    void keyUp(int code);

    // Draws every item normal and item n highlighted (0: none), and announces item n when
    // the student hears the scan.
    void highlightItem(ScanDisplay &display, int item);

    // Scans the screen for a choice and completes with the item selected, or with 4 when
    // Escape leaves the student menu. Outside the scanning modes it completes at once with
    // the start item. The display must outlive the scan: await it through the screen's
    // FlowScope, whose cancellation stops the scan's timers and sounds.
    AsyncOp<int> choose(ScanDisplay &display, const ScanRequest &request);

    // While a screen carries out a chosen action its buttons are hidden; afterwards each
    // shows again if it is enabled and the presses made meanwhile are dropped.
    void beginAction(ScanDisplay &display);
    void endAction(ScanDisplay &display);

    bool isScanning() const { return m_phase != Phase::Idle; }
    int highlightedItem() const { return m_highlighted; }

private:
    enum class Phase { Idle, Speaking, Prelude, Stepping, Dwelling };
    enum class AfterSpeech { Prelude, Scan };
    struct SpeechStep {
        QString sound; // empty for a pause
        double pause = 0;
    };

    void start();
    void enterPrelude();
    void beginScan();
    void moveTo(int item, double anchor);
    void enterScanPhase(double anchor);
    void runPass();
    void dwellEnded();
    void finish(int item);
    void abort();
    void invalidate();
    void requestPass();

    bool speaksChoices() const;
    std::vector<SpeechStep> choiceSpeech(int choice) const;
    void speak(std::vector<SpeechStep> steps, AfterSpeech then);
    void speechEnded();
    QCoro::Task<> runSpeech(std::vector<SpeechStep> steps, std::uint64_t token,
                            std::weak_ptr<bool> life);
    QCoro::Task<> runDwell(double seconds, std::uint64_t token, std::weak_ptr<bool> life);

    Clock &m_clock;
    SoundPlayer &m_sound;
    ScanSettings m_settings;
    KeyFlags m_keys;
    ScanSet m_set;
    AnnouncementTable m_announcements;

    Phase m_phase = Phase::Idle;
    ScanRequest m_request;
    ScanScreenRules m_rules;
    ScanDisplay *m_display = nullptr;
    std::optional<Promise<int>> m_promise;
    int m_current = 0;
    int m_highlighted = 0;
    double m_deadline = 0;
    AfterSpeech m_afterSpeech = AfterSpeech::Scan;
    std::uint64_t m_token = 0; // stale timers, speech and passes see a different number
    bool m_passPending = false;

    std::shared_ptr<bool> m_life = std::make_shared<bool>(true);
    QObject m_passContext; // queued passes die with the engine
    FlowScope m_speechScope;
    FlowScope m_timerScope; // last: stops the timers before anything else goes
};

} // namespace quillora
