#pragma once

#include "core/CharacterSet.h"
#include "core/Result.h"

#include <QList>

namespace quillora {

class AppFolder;

inline constexpr char kLanguageListFile[] = "aobj_charactersets.txt";

// The languages a teacher may choose from "aobj_charactersets.txt", in file order: three
// lines each, the name, the character-set code and the direction.
Result<QList<CharacterSetting>> readLanguageList(const AppFolder &folder);

// The entry to store for a chosen name: the last one of that name, as the list is read to
// its end. Empty when the list has no such entry.
std::optional<CharacterSetting> findLanguage(const QList<CharacterSetting> &list,
                                             const QString &name);

// Replaces "default_characterset.txt" in one step, so a full disk leaves the old choice.
Result<void> writeCharacterSetting(const AppFolder &folder, const CharacterSetting &setting);

} // namespace quillora
