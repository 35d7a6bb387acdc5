#include "TestWorld.h"

#include "core/profiles/StudentProfile.h"
#include "core/scanning/KeyFlags.h"

#include <gtest/gtest.h>

namespace quillora::test {

TestWorld::TestWorld(TempAppFolder::Contents contents)
    : folder(contents)
    , sound(folder.folder(), clock, messages)
    , music(messages)
    , recorder(&clock)
    , scan(clock, sound) {
    m_services.folder = &folder.folder();
    m_services.clock = &clock;
    m_services.sound = &sound;
    m_services.music = &music;
    m_services.recorder = &recorder;
    m_services.voice = &voice;
    m_services.messages = &messages;
    m_services.fileDialogs = &fileDialogs;
    m_services.shell = &shell;
    m_services.printer = &printer;
    m_services.stop = &stop;
}

SwitchDriver::SwitchDriver(VirtualClock &clock, FakeSoundPlayer &sound, ScanEngine &scan)
    : m_clock(clock)
    , m_sound(sound)
    , m_scan(scan) {}

void SwitchDriver::tap(int key) {
    m_scan.keyDown(key);
    m_scan.keyUp(key);
    drainEvents();
}

void SwitchDriver::stepTo(int item) {
    ASSERT_TRUE(runUntil(m_clock, [this] {
        return m_sound.sounding() == QLatin1String("announce_start_scan.wav");
    })) << "the scan never asked for a first press";
    tap(kKeySpace);
    ASSERT_TRUE(runUntil(m_clock, [this] { return m_scan.highlightedItem() != 0; }));
    for (int steps = 0; m_scan.highlightedItem() != item; ++steps) {
        ASSERT_LT(steps, 10) << "item " << item << " cannot be reached";
        const int next = m_scan.scanSet().nextEnabledAfter(m_scan.highlightedItem());
        tap(kKeySpace);
        ASSERT_TRUE(runUntil(m_clock, [this, next] { return m_scan.highlightedItem() == next; }));
    }
    tap(kKeyEnter);
}

void SwitchDriver::selectWhenLit(int item) {
    ASSERT_TRUE(runUntil(m_clock, [this, item] { return m_scan.highlightedItem() == item; }))
        << "item " << item << " never lit";
    tap(kKeyEnter);
}

void SwitchDriver::choose(int item) {
    if (m_scan.settings().accessMode == kAccessTimedScanning)
        selectWhenLit(item);
    else
        stepTo(item);
}

} // namespace quillora::test
