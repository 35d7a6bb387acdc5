#include "core/book/PersonalBook.h"

#include "core/AppFolder.h"
#include "core/NumberText.h"
#include "core/TextFile.h"
#include "core/template/FieldReader.h"
#include "core/template/FolderListing.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace quillora {

namespace {

constexpr long long kIntMin = std::numeric_limits<int>::min();
constexpr long long kIntMax = std::numeric_limits<int>::max();

// Header lines 4 and 5 are only passed over by the reader; a garbled one costs nothing.
int numberOrZero(const QString &line) {
    const auto value = parseNumber(line);
    if (!value || *value < kShortMin || *value > kShortMax)
        return 0;
    return static_cast<int>(*value);
}

} // namespace

QString bookFileName(const PersonalBook &book) {
    return QStringLiteral("mystory_%1_%2_%3_%4_%5.msy")
        .arg(book.studentNumber)
        .arg(book.bookId)
        .arg(book.bookVersion)
        .arg(book.storyId)
        .arg(book.lastPageId);
}

std::optional<BookFileNameParts> parseBookFileName(const QString &fileName) {
    static const QRegularExpression pattern(
        QStringLiteral("^mystory_(-?\\d{1,10})_(-?\\d{1,10})_(-?\\d{1,10})_(-?\\d{1,10})_(-?\\d{1,"
                       "10})\\.msy$"),
        QRegularExpression::CaseInsensitiveOption);
    const auto match = pattern.match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    int numbers[5] = {};
    for (int i = 0; i < 5; ++i) {
        bool ok = false;
        numbers[i] = match.capturedView(i + 1).toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return BookFileNameParts{numbers[0], numbers[1], numbers[2], numbers[3], numbers[4]};
}

QStringList listStudentBookFiles(const AppFolder &folder, int studentNumber) {
    return listFolder(folder, QStringLiteral("mystory_%1_*.msy").arg(studentNumber));
}

QStringList bookLines(const PersonalBook &book) {
    QStringList lines;
    lines.reserve(5 + book.bookPageIds.size());
    lines << QString::number(book.studentNumber) << QString::number(book.storyId)
          << QString::number(book.coverColor) << QString::number(book.bookVersion)
          << QString::number(book.lastPageId);
    for (const int pageId : book.bookPageIds)
        lines << numberText(pageId);
    return lines;
}

Result<PersonalBook> parseBook(const QString &path, const QStringList &lines) {
    LineReader in(path, lines);
    FieldReader field(in);
    PersonalBook book;
    book.studentNumber = field.number();
    book.storyId = field.number(kIntMin, kIntMax);
    book.coverColor = field.number(1, kCoverColorCount);
    book.bookVersion = numberOrZero(field.text());
    book.lastPageId = numberOrZero(field.text());
    if (!field.ok())
        return field.error();
    while (!in.atEnd()) {
        if (book.bookPageIds.size() == kBookPageLimit)
            return in.errorAt(
                QStringLiteral("The book holds more than %1 pages").arg(kBookPageLimit),
                in.lineNumber() + 1);
        const int pageId = field.number();
        if (!field.ok())
            return field.error();
        book.bookPageIds.append(pageId);
    }
    if (const auto parts = parseBookFileName(QFileInfo(path).fileName()))
        book.bookId = parts->bookId;
    return book;
}

Result<void> loadBook(PersonalBook &book, const AppFolder &folder, const QString &fileName) {
    const QString path = folder.filePath(fileName);
    auto lines = readTextLines(path);
    auto parsed = lines ? parseBook(path, *lines) : Result<PersonalBook>(lines.error());
    if (!parsed) {
        book = PersonalBook();
        return parsed.error();
    }
    book = std::move(parsed).value();
    return {};
}

} // namespace quillora
