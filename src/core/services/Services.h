#pragma once

namespace quillora {

class AppFolder;
class Clock;
class Messages;
class MusicChannel;
class Recorder;
class Shell;
class SoundPlayer;

// Everything that touches the outside world, handed to the forms and flows. The composition
// root owns the real implementations; tests hand in doubles. Nothing is reached globally.
struct Services {
    const AppFolder *folder = nullptr;
    Clock *clock = nullptr;
    SoundPlayer *sound = nullptr;
    MusicChannel *music = nullptr;
    Recorder *recorder = nullptr;
    Messages *messages = nullptr;
    Shell *shell = nullptr;
};

} // namespace quillora
