#pragma once

namespace quillora {

class AppFolder;
class Cabinets;
class Clock;
class ComputerVoice;
class FileDialogs;
class Messages;
class MusicChannel;
class PrinterService;
class ProgramStop;
class Recorder;
class Shell;
class SoundPlayer;
class Uploader;

// Everything that touches the outside world, handed to the forms and flows. The composition
// root owns the real implementations; tests hand in doubles. Nothing is reached globally.
struct Services {
    const AppFolder *folder = nullptr;
    Clock *clock = nullptr;
    SoundPlayer *sound = nullptr;
    MusicChannel *music = nullptr;
    Recorder *recorder = nullptr;
    ComputerVoice *voice = nullptr;
    Messages *messages = nullptr;
    FileDialogs *fileDialogs = nullptr;
    Shell *shell = nullptr;
    PrinterService *printer = nullptr;
    Cabinets *cabinets = nullptr;
    Uploader *uploader = nullptr;
    // Ends the program after one message, for the few conditions it cannot go on from.
    ProgramStop *stop = nullptr;
};

} // namespace quillora
