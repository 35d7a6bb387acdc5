#pragma once

#include "core/services/ComputerVoice.h"

#include <QList>

namespace quillora::test {

// Speaks nothing but writes a short valid WAV of silence that lasts longer the longer the
// text is, so a flow that plays what it had spoken takes a believable time on the virtual
// clock. It can be told to fail, as on a machine without speech data.
class FakeComputerVoice : public ComputerVoice {
public:
    bool isAvailable() const override { return !refuse; }
    Result<void> speakToFile(const QString &text, const QString &language,
                             const QString &path) override;

    // A tenth of a second, and a hundredth more for every character.
    static double secondsFor(const QString &text);

    struct Spoken {
        QString text;
        QString language;
        QString path;
    };
    QList<Spoken> spoken;
    bool refuse = false;
};

} // namespace quillora::test
