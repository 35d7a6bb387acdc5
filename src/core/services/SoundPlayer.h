#pragma once

#include "core/async/AsyncOp.h"

#include <QString>

namespace quillora {

enum class SoundEnd {
    Finished, // played to its end
    CutOff,   // a newer sound or a stop ended it
    Missing,  // the file does not exist; the user has been told
};

enum class LoopMode { Once, Loop };

// One wave voice for the whole program: starting a sound cuts off the one in progress,
// including one a flow is waiting for (that wait then completes as CutOff).
//
// A file that exists but cannot be played gives silence and no message, as does the empty
// name, which callers pass for "no sound here". A flow cancelled while it waits for a sound
// silences it, so a screen that goes away does not keep talking.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    // Plays a wave file and completes when it has ended. A relative name is taken from the
    // application folder. A missing file is reported ("Couldn't find file " and the name as
    // given) and leaves the sound in progress alone. With Loop the sound repeats until a
    // newer one cuts it off, and only then completes.
    virtual AsyncOp<SoundEnd> play(const QString &name, LoopMode mode = LoopMode::Once) = 0;

    // Starts a wave file and returns at once. Bare names resolve against the application
    // folder; a missing file is reported the same way, naming the resolved path.
    virtual void playAsync(const QString &name, LoopMode mode = LoopMode::Once) = 0;

    // Ends any wave sound, then plays the short "com_stop.wav"; completes when that has
    // ended. The sound in progress ends even when "com_stop.wav" is missing.
    virtual AsyncOp<SoundEnd> stop() = 0;
};

} // namespace quillora
