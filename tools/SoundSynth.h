#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace quillora::assets {

inline constexpr int kSampleRate = 22050;

// Synthesises the named effect at 22050 Hz, 16-bit mono: the installed effects
// ("aobj_bell.wav", ...) and the demo story's sound effects. Empty for an unknown name.
// The same name always gives the same samples.
std::vector<std::int16_t> synthesiseEffect(const QString &name);

// The demo story's own sound effects that synthesiseEffect knows.
QStringList storyEffectNames();

} // namespace quillora::assets
