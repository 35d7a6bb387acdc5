#pragma once

#include <QString>

namespace quillora {

// Whether the file holds MIDI music: a standard MIDI file ("MThd") or one wrapped in a RIFF
// "RMID" container. Only the first bytes are read.
bool isMidiFile(const QString &path);

} // namespace quillora
