#pragma once

#include "FakeComputerVoice.h"
#include "FakeMessages.h"
#include "FakeMusicChannel.h"
#include "FakeRecorder.h"
#include "FakeServices.h"
#include "FakeSoundPlayer.h"
#include "TempAppFolder.h"
#include "VirtualClock.h"
#include "core/ProgramState.h"
#include "core/scanning/ScanEngine.h"
#include "core/services/Services.h"

namespace quillora::test {

// Everything a form stands on, with every outside service a double: a fresh application
// folder (a copy of the installed one unless told otherwise), the program-wide state and the
// one switch scan, wired together as the composition root wires the real ones.
class TestWorld {
public:
    explicit TestWorld(TempAppFolder::Contents contents = TempAppFolder::InstalledCopy);
    TestWorld(const TestWorld &) = delete;
    TestWorld &operator=(const TestWorld &) = delete;

    const Services &services() const { return m_services; }
    const AppFolder &appFolder() const { return folder.folder(); }

    TempAppFolder folder;
    VirtualClock clock;
    FakeMessages messages;
    FakeSoundPlayer sound;
    FakeMusicChannel music;
    FakeRecorder recorder;
    FakeComputerVoice voice;
    FakeFileDialogs fileDialogs;
    RecordingShell shell;
    RecordingPrinter printer;
    RecordingStop stop;
    ProgramState state;
    ScanEngine scan;

private:
    Services m_services;
};

// Works the scan as a switch user does, with the engine's own key events.
class SwitchDriver {
public:
    SwitchDriver(VirtualClock &clock, FakeSoundPlayer &sound, ScanEngine &scan);

    // Presses and releases a switch (kKeySpace, kKeyEnter, kKeyEscape).
    void tap(int key);
    // Step scanning: waits for the start prompt, a first Space begins, Space steps to the
    // item, Enter chooses it.
    void stepTo(int item);
    // Timed scanning: waits until the item lights, then Enter.
    void selectWhenLit(int item);
    // The way the scan's access mode chooses.
    void choose(int item);

private:
    VirtualClock &m_clock;
    FakeSoundPlayer &m_sound;
    ScanEngine &m_scan;
};

} // namespace quillora::test
