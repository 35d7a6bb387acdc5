#pragma once

#include "core/Result.h"

#include <QString>

namespace quillora {

class AppFolder;

inline constexpr char kCharacterSetFile[] = "default_characterset.txt";

// The language in force for story texts: its name, the font character-set code given to
// the student screens (0: the default set) and the direction of its script.
struct CharacterSetting {
    QString name;
    int number = 0;
    QString direction;

    bool rightToLeft() const { return direction == QLatin1String("right"); }
    // Fonts and alignment change only for a set other than the default one.
    bool changesLabels() const { return number != 0; }
    // Page texts are right-aligned for a right-to-left script of a set other than the default.
    bool rightAlignsPageTexts() const { return changesLabels() && rightToLeft(); }
};

// Reads "default_characterset.txt": the name line, the code in number form, the direction
// as a text field (its first word).
Result<CharacterSetting> readCharacterSetting(const AppFolder &folder);

} // namespace quillora
