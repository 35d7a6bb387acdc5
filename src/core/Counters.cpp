#include "core/Counters.h"

#include "core/AppFolder.h"
#include "core/NumberText.h"
#include "core/TextFile.h"

#include <limits>

namespace quillora {

namespace {

Result<int> advanceCounter(const AppFolder &folder, const QString &name, int step) {
    const QString path = folder.filePath(name);
    auto lines = readTextLines(path);
    if (!lines)
        return lines.error();
    LineReader reader(path, *lines);
    auto current =
        reader.number(std::numeric_limits<int>::min() + 1, std::numeric_limits<int>::max() - 1);
    if (!current)
        return current.error();
    const int next = static_cast<int>(*current) + step;
    if (auto written = writeTextLines(path, {numberText(next)}); !written)
        return written.error();
    return next;
}

} // namespace

Result<int> nextStoryId(const AppFolder &folder) {
    return advanceCounter(folder, QLatin1String(kStoryCounterFile), +1);
}

Result<int> nextBookId(const AppFolder &folder) {
    return advanceCounter(folder, QLatin1String(kBookCounterFile), -1);
}

Result<void> resetPageIdFile(const AppFolder &folder) {
    return writeTextLines(folder.filePath(QLatin1String(kPageCounterFile)), {numberText(100)});
}

} // namespace quillora
