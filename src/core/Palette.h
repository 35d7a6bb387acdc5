#pragma once

namespace quillora {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

inline constexpr int kColorSchemeCount = 12;

// The page background and text colours of the template colour schemes 1..12. A scheme
// outside that range (a damaged or foreign file) falls back to scheme 1, so pages stay
// readable instead of taking an arbitrary colour.
struct Palette {
    Rgb back[kColorSchemeCount];
    Rgb text[kColorSchemeCount];

    Rgb backColor(int scheme) const;
    Rgb textColor(int scheme) const;
};

// Fills both tables: every background a light grey, the text colours of the designer's
// twelve schemes.
Palette initPalette();

} // namespace quillora
