#pragma once

#include "TempAppFolder.h"

#include <QByteArray>
#include <QString>

namespace quillora::test {

// A square-wave tone of the given length, 22050 Hz 16-bit mono, written into the folder.
// Loud from its first sample, so a listener on the mixer can tell it from silence.
QString writeTone(const TempAppFolder &app, const QString &name, double seconds);

// The same length of digital silence.
QString writeSilence(const TempAppFolder &app, const QString &name, double seconds);

// A one-track MIDI file with a single short note: the shortest piece that still plays.
QByteArray shortMidiTune();

} // namespace quillora::test
