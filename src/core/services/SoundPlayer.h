#pragma once

#include "async/AsyncOp.h"

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
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    // Plays a wave file and completes when it has ended. A relative name is taken from the
    // application folder. A missing file is reported ("Couldn't find file " and the name).
    virtual AsyncOp<SoundEnd> play(const QString &name, LoopMode mode = LoopMode::Once) = 0;

    // Starts a wave file and returns at once. Bare names resolve against the application
    // folder; a missing file is reported the same way.
    virtual void playAsync(const QString &name, LoopMode mode = LoopMode::Once) = 0;

    // Ends any wave sound by playing the short "com_stop.wav"; completes when that has ended.
    virtual AsyncOp<SoundEnd> stop() = 0;
};

} // namespace quillora
