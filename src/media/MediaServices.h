#pragma once

#include <QString>

#include <memory>

namespace quillora {

class AppFolder;
class ComputerVoice;
class Messages;
class MusicChannel;
class Recorder;
class SoundPlayer;

// The sound side of the program's services, owned together because they share one device:
// the wave voice, the music channel and the microphone.
class MediaServices {
public:
    virtual ~MediaServices() = default;

    virtual SoundPlayer &sound() = 0;
    virtual MusicChannel &music() = 0;
    virtual Recorder &recorder() = 0;
    // Needs no sound device: it only writes files.
    virtual ComputerVoice &voice() = 0;

    // The sound driver in use ("dummy" when the machine has no sound card), or the empty
    // text when none opened and everything is silent.
    virtual QString driverName() const = 0;
};

// Opens the sound device (falling back by itself to the silent driver) and builds the real
// services on it; on a machine where not even that works, silent ones that keep time.
// Messages and the folder must outlive the result.
std::unique_ptr<MediaServices> createMediaServices(const AppFolder &folder, Messages &messages);

} // namespace quillora
