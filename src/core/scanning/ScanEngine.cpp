#include "core/scanning/ScanEngine.h"

#include "core/profiles/StudentProfile.h"
#include "core/scanning/ScanDisplay.h"
#include "core/services/Clock.h"
#include "core/services/SoundPlayer.h"
#include "core/template/StoryTemplate.h"

#include <QMetaObject>

#include <algorithm>

namespace quillora {

namespace {

// A dwell timer that fires a little late still counts from the moment it was due, so the
// highlight keeps a steady beat; after a longer stall the child gets the whole dwell again.
constexpr double kLateTolerance = 0.1;
// The pause between a choice's narration and its sound effect.
constexpr double kEffectPause = 0.5;

} // namespace

ScanSettings scanSettings(const StudentProfile &profile) {
    return {profile.accessMode, profile.scanSeconds, profile.auditoryScanning};
}

ScanEngine::ScanEngine(Clock &clock, SoundPlayer &sound)
    : m_clock(clock)
    , m_sound(sound) {}

// The scopes cancel what is still pending on their way out, while the rest is intact.
ScanEngine::~ScanEngine() = default;

void ScanEngine::setSettings(const ScanSettings &settings) {
    m_settings = settings;
    // A dwell of no time would step the highlight without pause and never let the child in.
    m_settings.scanSeconds = std::max(1, settings.scanSeconds);
}

bool ScanEngine::keyDown(int code) {
    if (!m_keys.keyDown(code))
        return false;
    if (code == kKeyEscape) {
        static_cast<void>(m_sound.stop());
        if (m_phase == Phase::Speaking) {
            invalidate();
            speechEnded();
        }
    }
    if (m_phase == Phase::Prelude || m_phase == Phase::Stepping || m_phase == Phase::Dwelling)
        requestPass();
    return true;
}

void ScanEngine::keyUp(int code) {
    m_keys.keyUp(code);
}

void ScanEngine::highlightItem(ScanDisplay &display, int item) {
    for (int n = 1; n <= m_set.count(); ++n) {
        const bool lit = n == item;
        display.showItemPicture(n, lit ? m_set.highlightedPicture(n) : m_set.picture(n), lit);
    }
    m_highlighted = item;
    if (item == 0 || m_settings.auditoryScanning != 1)
        return;
    const QString announcement = m_announcements.at(item);
    if (!announcement.isEmpty())
        m_sound.playAsync(announcement);
}

AsyncOp<int> ScanEngine::choose(ScanDisplay &display, const ScanRequest &request) {
    const int mode = m_settings.accessMode;
    if (mode != kAccessStepScanning && mode != kAccessTimedScanning)
        return AsyncOp<int>::ready(request.startItem);
    if (m_promise)
        m_promise->fail(std::make_exception_ptr(Cancelled{}));
    abort();

    Promise<int> promise;
    std::weak_ptr<bool> life = m_life;
    promise.onCancel([this, life] {
        if (!life.expired())
            abort();
    });
    m_promise = promise;
    m_display = &display;
    m_request = request;
    m_rules = scanScreenRules(request.screen);
    start();
    return promise.op();
}

void ScanEngine::beginAction(ScanDisplay &display) {
    for (int item = 1; item <= m_set.count(); ++item)
        display.setItemVisible(item, false);
}

void ScanEngine::endAction(ScanDisplay &display) {
    for (int item = 1; item <= m_set.count(); ++item)
        display.setItemVisible(item, m_set.isEnabled(item));
    m_keys.enterPressed = false;
    m_keys.spacePressed = false;
}

void ScanEngine::start() {
    highlightItem(*m_display, 0);
    const bool stepping = m_settings.accessMode == kAccessStepScanning;
    if (stepping) {
        // The wait for Space listens from here on, so a Space pressed while a simple page
        // speaks starts the scan as soon as the page has finished.
        m_keys.spacePressed = false;
        m_keys.escapeRequested = false;
    }
    if (m_request.screen == ScanScreen::WritingPage && m_request.speech.layout == kLayoutSimple) {
        speak(choiceSpeech(1), AfterSpeech::Prelude);
        return;
    }
    if (stepping)
        enterPrelude();
    else
        beginScan();
}

void ScanEngine::enterPrelude() {
    m_phase = Phase::Prelude;
    // The prompt plays even when the student scans silently: it is the only sign that
    // the screen waits for a switch.
    m_sound.playAsync(QStringLiteral("announce_start_scan.wav"));
    requestPass();
}

void ScanEngine::beginScan() {
    if (m_rules.escapeLeaves && m_keys.escapeRequested) {
        finish(kScanEscapeChoice);
        return;
    }
    int item = m_request.startItem;
    if (m_rules.startsAtFirstEnabled)
        item = m_set.firstEnabledFrom(item);
    m_keys.spacePressed = false;
    m_keys.enterPressed = false;
    if (m_rules.escapeLeaves)
        m_keys.escapeRequested = false;
    moveTo(item, m_clock.now());
}

void ScanEngine::moveTo(int item, double anchor) {
    m_current = item;
    highlightItem(*m_display, item);
    if (speaksChoices() && item >= 1 && item <= kChoicesPerPage) {
        speak(choiceSpeech(item), AfterSpeech::Scan);
        return;
    }
    enterScanPhase(anchor);
}

void ScanEngine::enterScanPhase(double anchor) {
    if (m_settings.accessMode == kAccessStepScanning) {
        m_phase = Phase::Stepping;
    } else {
        m_phase = Phase::Dwelling;
        m_deadline = anchor + m_settings.scanSeconds;
        m_timerScope.start(runDwell(m_deadline - m_clock.now(), m_token, m_life));
    }
    // Presses made while the item was being spoken are weighed now.
    requestPass();
}

void ScanEngine::runPass() {
    switch (m_phase) {
    case Phase::Prelude:
        if (m_keys.spacePressed || (m_rules.preludeTakesEscape && m_keys.escapeRequested)) {
            m_keys.spacePressed = false;
            beginScan();
        }
        return;
    case Phase::Stepping:
        if (m_rules.escapeLeaves && m_keys.escapeRequested) {
            finish(kScanEscapeChoice);
        } else if (m_keys.enterPressed) {
            finish(m_current);
        } else if (m_keys.spacePressed) {
            m_keys.spacePressed = false;
            moveTo(m_set.nextEnabledAfter(m_current), m_clock.now());
        }
        return;
    case Phase::Dwelling:
        // Escape waits for the end of the dwell; Enter selects at once.
        if (m_keys.enterPressed)
            finish(m_current);
        return;
    case Phase::Idle:
    case Phase::Speaking:
        return;
    }
}

void ScanEngine::dwellEnded() {
    if (m_phase != Phase::Dwelling)
        return;
    if (m_rules.escapeLeaves && m_keys.escapeRequested) {
        finish(kScanEscapeChoice);
        return;
    }
    if (m_keys.enterPressed) {
        finish(m_current);
        return;
    }
    const double now = m_clock.now();
    const double anchor = now - m_deadline <= kLateTolerance ? m_deadline : now;
    moveTo(m_set.nextEnabledAfter(m_current), anchor);
}

void ScanEngine::finish(int item) {
    invalidate();
    m_phase = Phase::Idle;
    m_display = nullptr;
    if (auto promise = std::exchange(m_promise, std::nullopt))
        promise->resolve(item);
}

void ScanEngine::abort() {
    invalidate();
    m_phase = Phase::Idle;
    m_display = nullptr;
    m_promise.reset();
}

void ScanEngine::invalidate() {
    ++m_token;
    m_passPending = false;
    m_timerScope.cancel();
    m_speechScope.cancel();
}

void ScanEngine::requestPass() {
    if (m_passPending)
        return;
    m_passPending = true;
    const std::uint64_t token = m_token;
    QMetaObject::invokeMethod(
        &m_passContext,
        [this, token] {
            if (token != m_token)
                return;
            m_passPending = false;
            runPass();
        },
        Qt::QueuedConnection);
}

bool ScanEngine::speaksChoices() const {
    const int layout = m_request.speech.layout;
    return m_request.screen == ScanScreen::WritingPage &&
           (layout == kLayoutTwoChoices || layout == kLayoutThreeChoices);
}

std::vector<ScanEngine::SpeechStep> ScanEngine::choiceSpeech(int choice) const {
    const ChoiceSounds &sounds = m_request.speech.choices[static_cast<std::size_t>(choice - 1)];
    std::vector<SpeechStep> steps{{sounds.recording, 0}};
    if (!sounds.soundEffect.isEmpty()) {
        steps.push_back({QString(), kEffectPause});
        steps.push_back({sounds.soundEffect, 0});
    }
    return steps;
}

void ScanEngine::speak(std::vector<SpeechStep> steps, AfterSpeech then) {
    m_phase = Phase::Speaking;
    m_afterSpeech = then;
    m_speechScope.start(runSpeech(std::move(steps), m_token, m_life));
}

void ScanEngine::speechEnded() {
    if (m_phase != Phase::Speaking)
        return;
    if (m_afterSpeech == AfterSpeech::Scan) {
        enterScanPhase(m_clock.now());
    } else if (m_settings.accessMode == kAccessStepScanning) {
        enterPrelude();
    } else {
        beginScan();
    }
}

QCoro::Task<> ScanEngine::runSpeech(std::vector<SpeechStep> steps, std::uint64_t token,
                                    std::weak_ptr<bool> life) {
    for (const SpeechStep &step : steps) {
        try {
            if (step.sound.isEmpty())
                co_await m_speechScope(waitSeconds(m_clock, step.pause));
            else
                co_await m_speechScope(m_sound.play(step.sound));
        } catch (const Cancelled &) {
            throw;
        } catch (const std::exception &) {
            // A sound that could not be played is silence; the scan goes on.
        }
        if (life.expired() || token != m_token)
            co_return;
    }
    speechEnded();
}

QCoro::Task<> ScanEngine::runDwell(double seconds, std::uint64_t token, std::weak_ptr<bool> life) {
    co_await m_timerScope(m_clock.sleep(seconds));
    if (!life.expired() && token == m_token)
        dwellEnded();
}

} // namespace quillora
