#include "core/Palette.h"

namespace quillora {

namespace {

int slot(int scheme) {
    return (scheme >= 1 && scheme <= kColorSchemeCount) ? scheme - 1 : 0;
}

} // namespace

Rgb Palette::backColor(int scheme) const {
    return back[slot(scheme)];
}

Rgb Palette::textColor(int scheme) const {
    return text[slot(scheme)];
}

Palette initPalette() {
    Palette palette{};
    for (Rgb &colour : palette.back)
        colour = {239, 239, 239};
    constexpr Rgb kTextColors[kColorSchemeCount] = {{0, 0, 0},     {153, 0, 0},    {153, 0, 102},
                                                    {0, 51, 153},  {0, 102, 0},    {255, 102, 151},
                                                    {153, 102, 0}, {255, 0, 102},  {255, 0, 0},
                                                    {255, 102, 0}, {255, 51, 255}, {102, 102, 102}};
    for (int i = 0; i < kColorSchemeCount; ++i)
        palette.text[i] = kTextColors[i];
    return palette;
}

} // namespace quillora
