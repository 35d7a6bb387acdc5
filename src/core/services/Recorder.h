#pragma once

#include "core/Result.h"

#include <QString>

namespace quillora {

// The microphone: one capture at a time, 16-bit 22050 Hz mono PCM. Starting a capture does
// not close the music; the caller's "close all" (MusicChannel::closeAllMedia) does that and
// also ends a capture in progress.
class Recorder {
public:
    virtual ~Recorder() = default;

    // Discards any capture in progress and starts a new one. False when there is no capture
    // device; nothing is recorded then and save() writes no file.
    virtual bool start() = 0;

    // Writes what was captured since start() to a WAV file at the path, replacing it in one
    // step, and closes the device. Fails without writing when nothing is being captured, so
    // the caller can tell a saved recording from none.
    virtual Result<void> save(const QString &path) = 0;

    // Ends a capture in progress, discarding it.
    virtual void close() = 0;

    virtual bool isCapturing() const = 0;
};

} // namespace quillora
