#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace quillora::assets {

// One voice of a tune: a General MIDI instrument playing a line written as
// "C5/2 E5/1 r/1 ..." (note name with octave, C4 = middle C, or "r" for a rest; the number
// after the slash is the length in eighth notes).
struct MidiVoice {
    int channel = 0;
    int program = 0;
    int velocity = 90;
    QString line;
};

struct MidiSong {
    int beatsPerMinute = 120;
    QList<MidiVoice> voices;
};

// A Standard MIDI File, format 0, 480 ticks to the quarter note. Empty when a line holds a
// note it cannot read.
QByteArray writeMidi(const MidiSong &song);

// The installed tunes ("aobj_logo_midi1.mid", "aobj_logo_midi2.mid") and the demo story's
// background music. Empty for an unknown name.
QByteArray tuneFile(const QString &name);

// The demo story's tunes that tuneFile knows.
QStringList storyTuneNames();

} // namespace quillora::assets
