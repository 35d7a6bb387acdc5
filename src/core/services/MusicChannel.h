#pragma once

#include <QString>

namespace quillora {

// The one background-music channel (MIDI). Closing it also closes any open capture device,
// as "close all" did for every multimedia device of the program.
class MusicChannel {
public:
    virtual ~MusicChannel() = default;

    // The full path of the piece; "none" and the empty text mean no music.
    virtual QString currentMusicFile() const = 0;
    virtual void setCurrentMusicFile(const QString &path) = 0;

    // Closes what is open and plays the current piece; does nothing for no music.
    // Reports "Error opening midi file!" or "Error playing midi file!".
    virtual void startBackgroundMusic() = 0;

    // Closes the music channel and every other device of the program (the recorder).
    virtual void closeAllMedia() = 0;

    // Restarts the piece when it has played to its end and music is on (option 1).
    virtual void checkMusicLoop(int musicOption) = 0;
};

} // namespace quillora
