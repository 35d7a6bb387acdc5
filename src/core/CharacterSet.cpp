#include "core/CharacterSet.h"

#include "core/AppFolder.h"
#include "core/TextFile.h"

#include <limits>

namespace quillora {

Result<CharacterSetting> readCharacterSetting(const AppFolder &folder) {
    const QString path = folder.filePath(QLatin1String(kCharacterSetFile));
    auto lines = readTextLines(path);
    if (!lines)
        return lines.error();
    LineReader reader(path, *lines);
    CharacterSetting setting;
    auto name = reader.text();
    if (!name)
        return name.error();
    setting.name = *name;
    auto number =
        reader.number(std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max());
    if (!number)
        return number.error();
    setting.number = static_cast<int>(*number);
    // The direction is read as a field: surrounding spaces and quotes do not count, and a
    // file that stops after the code means left to right.
    if (!reader.atEnd()) {
        QString direction = reader.text()->trimmed();
        if (direction.size() >= 2 && direction.startsWith(QLatin1Char('"')) &&
            direction.endsWith(QLatin1Char('"')))
            direction = direction.mid(1, direction.size() - 2);
        setting.direction = direction.section(QLatin1Char(','), 0, 0).trimmed();
    }
    return setting;
}

} // namespace quillora
