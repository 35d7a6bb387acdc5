#pragma once

#include <QString>

namespace quillora {

// The one background-music channel (MIDI, or any other piece the sound library can play).
// Closing it also closes any open capture device, as "close all" did for every multimedia
// device of the program. Playing never waits: the music goes on while the program does.
class MusicChannel {
public:
    virtual ~MusicChannel() = default;

    // The full path of the piece; "none" and the empty text mean no music.
    virtual QString currentMusicFile() const = 0;
    virtual void setCurrentMusicFile(const QString &path) = 0;

    // Closes what is open and plays the current piece; for no music it does nothing at all,
    // not even close. Reports "Error opening midi file!" (everything stays closed) or
    // "Error playing midi file!" (the piece stays open until the next closeAllMedia).
    virtual void startBackgroundMusic() = 0;

    // Closes the music channel and every other device of the program (the recorder).
    virtual void closeAllMedia() = 0;

    // Restarts the piece when it has played to its end and music is on (option 1). There is
    // no timer: callers check at each page turn. A synthesised piece counts as playing until
    // its last notes have died away, a few seconds past its written end.
    virtual void checkMusicLoop(int musicOption) = 0;
};

} // namespace quillora
