#pragma once

#include "core/services/ComputerVoice.h"

#include <QString>

#include <memory>

namespace quillora {

// The computer voice of the speech library linked into the program. The library keeps its
// state for the whole process and is not re-entrant, so every instance shares one engine,
// opened on first use and used by one caller at a time; a worker thread may speak while
// the interface thread asks whether the voice is there.
class EspeakVoice : public ComputerVoice {
public:
    bool isAvailable() const override;
    Result<void> speakToFile(const QString &text, const QString &language,
                             const QString &path) override;
};

// The text as the voice should read it: every line break becomes a pause (a comma, unless
// the line ends with its own punctuation) and blank lines vanish.
QString spokenText(const QString &text);

// The linked voice when its speech data is installed, otherwise one that says it cannot
// speak. Cheap: the engine itself opens only when something is first spoken.
std::unique_ptr<ComputerVoice> createComputerVoice();

} // namespace quillora
