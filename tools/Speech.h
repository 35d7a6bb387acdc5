#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QString>

namespace quillora::assets {

// Speaks a phrase with espeak-ng (American English, 150 words a minute) and returns the
// WAV file it wrote: 22050 Hz, 16-bit, mono, checked before it is handed back.
class Speaker {
public:
    Speaker();

    bool isAvailable() const { return !m_program.isEmpty(); }
    Result<QByteArray> speak(const QString &phrase, const QString &name) const;

private:
    QString m_program;
};

} // namespace quillora::assets
