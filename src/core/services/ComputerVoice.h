#pragma once

#include "core/Result.h"

#include <QString>

namespace quillora {

// A computer voice that speaks a text into a wave file, for narration the teacher does not
// record with the microphone.
class ComputerVoice {
public:
    virtual ~ComputerVoice() = default;

    // False on a machine without speech data, so a screen can leave out what needs a voice.
    virtual bool isAvailable() const = 0;

    // Speaks the text into a 22050 Hz, 16-bit mono WAV file at path, replacing any file
    // there in one step. The language is a code such as "en", "de" or "fr-fr"; an empty one
    // means English. Line breaks in the text (page texts keep them) are spoken as pauses.
    // Blocks until the file is written: a sentence of twenty words takes a fraction of a
    // second. Fails, naming the file, when the text is empty, the voice or the language
    // cannot be used, or the file cannot be written; the old file then stays as it was.
    virtual Result<void> speakToFile(const QString &text, const QString &language,
                                     const QString &path) = 0;
};

} // namespace quillora
