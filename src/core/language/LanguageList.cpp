#include "core/language/LanguageList.h"

#include "core/AppFolder.h"
#include "core/NumberText.h"
#include "core/TextFile.h"

#include <limits>

namespace quillora {

namespace {

// The direction is a text field: quotes and anything after a comma are not part of it.
QString directionField(QString text) {
    text = text.trimmed();
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        text = text.mid(1, text.size() - 2);
    return text.section(QLatin1Char(','), 0, 0).trimmed();
}

} // namespace

Result<QList<CharacterSetting>> readLanguageList(const AppFolder &folder) {
    const QString path = folder.filePath(QLatin1String(kLanguageListFile));
    auto lines = readTextLines(path);
    if (!lines)
        return lines.error();
    LineReader reader(path, *lines);
    QList<CharacterSetting> list;
    while (!reader.atEnd()) {
        CharacterSetting entry;
        auto name = reader.text();
        if (!name)
            return name.error();
        // A blank line at the end of a hand-edited list is no language.
        if (name->trimmed().isEmpty() && reader.atEnd())
            break;
        entry.name = *name;
        auto number =
            reader.number(std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max());
        if (!number)
            return number.error();
        entry.number = static_cast<int>(*number);
        auto direction = reader.text();
        if (!direction)
            return direction.error();
        entry.direction = directionField(*direction);
        list.append(entry);
    }
    return list;
}

std::optional<CharacterSetting> findLanguage(const QList<CharacterSetting> &list,
                                             const QString &name) {
    std::optional<CharacterSetting> found;
    for (const CharacterSetting &entry : list) {
        if (entry.name == name)
            found = entry;
    }
    return found;
}

Result<void> writeCharacterSetting(const AppFolder &folder, const CharacterSetting &setting) {
    return writeTextLines(folder.filePath(QLatin1String(kCharacterSetFile)),
                          {setting.name, numberText(setting.number), setting.direction});
}

} // namespace quillora
