#include "core/Counters.h"

#include "core/AppFolder.h"
#include "core/NumberText.h"
#include "core/TextFile.h"
#include "core/book/PersonalBook.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <limits>
#include <optional>

namespace quillora {

namespace {

constexpr long long kLowest = std::numeric_limits<int>::min() + 1;
constexpr long long kHighest = std::numeric_limits<int>::max() - 1;

// A counter and the files whose numbers it hands out.
struct Counter {
    const char *file;
    int step;             // +1 for templates, -1 for books
    int emptyValue;       // the counter's value when no file is numbered yet
    const char *numbered; // what the numbers name, for the notice
};

constexpr Counter kStoryCounter{kStoryCounterFile, +1, 0, "templates"};
constexpr Counter kBookCounter{kBookCounterFile, -1, kFirstBookCounter, "books"};

std::optional<int> numberOfFile(const Counter &counter, const QString &name) {
    if (counter.step < 0) {
        const auto parts = parseBookFileName(name);
        return parts ? std::optional<int>(parts->bookId) : std::nullopt;
    }
    static const QRegularExpression story(QStringLiteral("^story_(-?\\d{1,10})\\.sty$"),
                                          QRegularExpression::CaseInsensitiveOption);
    const auto match = story.match(name);
    bool ok = false;
    const int number = match.hasMatch() ? match.capturedView(1).toInt(&ok) : 0;
    return ok ? std::optional<int>(number) : std::nullopt;
}

// The numbers the files of the folder already carry. Every file counts, whoever it belongs
// to: a book number is unique across all students.
Result<QSet<int>> numbersInUse(const AppFolder &folder, const Counter &counter) {
    const QDir dir(folder.root());
    if (!dir.exists() || !QFileInfo(folder.root()).isReadable())
        return FileError{QStringLiteral("The application folder cannot be listed"),
                         QDir::toNativeSeparators(folder.root())};
    const QString pattern =
        counter.step < 0 ? QStringLiteral("mystory_*.msy") : QStringLiteral("story_*.sty");
    QSet<int> numbers;
    for (const QString &name : dir.entryList({pattern}, QDir::Files | QDir::Hidden)) {
        if (const auto number = numberOfFile(counter, name))
            numbers.insert(*number);
    }
    return numbers;
}

// Numbers handed out in this run while their counter could not be written. The folder lock
// keeps other copies of the program away, so with these and the files on disk a number is
// never handed out twice, even before the file it numbers is written.
QSet<int> &handedOutUnrecorded(const AppFolder &folder, const Counter &counter) {
    static QHash<QString, QSet<int>> numbers;
    return numbers[folder.root() + QLatin1Char('/') + QLatin1String(counter.file)];
}

QMutex &unrecordedMutex() {
    static QMutex mutex;
    return mutex;
}

Result<int> readCounter(const QString &path) {
    auto lines = readTextLines(path);
    if (!lines)
        return lines.error();
    LineReader reader(path, *lines);
    auto value = reader.number(kLowest, kHighest);
    if (!value)
        return value.error();
    return static_cast<int>(*value);
}

// What the counter would hold had it been kept: the last number handed out, judged by the
// files numbered so far.
int rebuiltValue(const Counter &counter, const QSet<int> &inUse) {
    if (inUse.isEmpty())
        return counter.emptyValue;
    const auto [lowest, highest] = std::minmax_element(inUse.cbegin(), inUse.cend());
    return counter.step < 0 ? *lowest : *highest;
}

QString rebuiltNotice(const Counter &counter, const FileError &why) {
    return QStringLiteral("The counter file %1 could not be read (%2), so it was rebuilt from "
                          "the %3 in the application folder.")
        .arg(QLatin1String(counter.file), why.message, QLatin1String(counter.numbered));
}

QString unwritableNotice(const Counter &counter, const FileError &why) {
    return QStringLiteral("The counter file %1 cannot be written (%2). Numbers are checked "
                          "against the %3 in the application folder, so none is used twice, "
                          "but please mend or replace %1.")
        .arg(QLatin1String(counter.file), why.message, QLatin1String(counter.numbered));
}

QString joined(const QString &first, const QString &second) {
    if (first.isEmpty() || second.isEmpty())
        return first + second;
    return first + QLatin1Char(' ') + second;
}

Result<AllocatedNumber> allocate(const AppFolder &folder, const Counter &counter) {
    const QString path = folder.filePath(QLatin1String(counter.file));
    auto listed = numbersInUse(folder, counter);
    if (!listed)
        return listed.error();
    QSet<int> inUse = std::move(listed).value();
    const QMutexLocker locker(&unrecordedMutex());
    QSet<int> &unrecorded = handedOutUnrecorded(folder, counter);
    inUse.unite(unrecorded);
    AllocatedNumber allocated;
    auto current = readCounter(path);
    if (!current)
        allocated.notice = rebuiltNotice(counter, current.error());
    long long candidate =
        static_cast<long long>(current ? *current : rebuiltValue(counter, inUse)) + counter.step;
    // The counter may lag behind the files (restored from a backup, say): never reuse one.
    while (candidate >= kLowest && candidate <= kHighest &&
           inUse.contains(static_cast<int>(candidate)))
        candidate += counter.step;
    if (candidate < kLowest || candidate > kHighest)
        return FileError{QStringLiteral("No number is left to hand out"),
                         QLatin1String(counter.file)};
    allocated.number = static_cast<int>(candidate);
    if (auto written = writeTextLines(path, {numberText(allocated.number)}); !written) {
        allocated.notice = joined(allocated.notice, unwritableNotice(counter, written.error()));
        unrecorded.insert(allocated.number);
    }
    return allocated;
}

} // namespace

Result<AllocatedNumber> nextStoryId(const AppFolder &folder) {
    return allocate(folder, kStoryCounter);
}

Result<AllocatedNumber> nextBookId(const AppFolder &folder) {
    return allocate(folder, kBookCounter);
}

QString prepareBookNumbering(const AppFolder &folder) {
    const QString path = folder.filePath(QLatin1String(kBookCounterFile));
    const auto current = readCounter(path);
    if (current)
        return {};
    auto inUse = numbersInUse(folder, kBookCounter);
    if (!inUse)
        return QStringLiteral("The counter file %1 could not be read (%2), and it cannot be "
                              "rebuilt: %3")
            .arg(QLatin1String(kBookCounterFile), current.error().message, inUse.error().text());
    QString notice = rebuiltNotice(kBookCounter, current.error());
    const int value = rebuiltValue(kBookCounter, *inUse);
    if (auto written = writeTextLines(path, {numberText(value)}); !written)
        notice = joined(notice, unwritableNotice(kBookCounter, written.error()));
    return notice;
}

Result<void> resetPageIdFile(const AppFolder &folder) {
    return writeTextLines(folder.filePath(QLatin1String(kPageCounterFile)), {numberText(100)});
}

} // namespace quillora
