#include "student/ReadingRules.h"

#include "core/AppFolder.h"
#include "core/TextFile.h"
#include "core/book/PersonalBook.h"
#include "core/template/FieldReader.h"

#include <cmath>

namespace quillora {

namespace {

constexpr int kStudentPictureMaxWidth = 2750;
constexpr int kStudentPictureMaxHeight = 2200;

// The book's template and version, from lines 2 and 4; zeros for a file that cannot be read.
BookListEntry readEntry(const AppFolder &folder, const QString &fileName) {
    BookListEntry entry{fileName, 0, 0};
    const QString path = folder.filePath(fileName);
    auto lines = readTextLines(path);
    if (!lines)
        return entry;
    LineReader in(path, *lines);
    FieldReader field(in);
    field.skip();
    const int storyId =
        field.number(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    field.skip();
    const int version = field.number();
    if (field.ok()) {
        entry.storyId = storyId;
        entry.bookVersion = version;
    }
    return entry;
}

} // namespace

QList<BookListEntry> buildBookList(const AppFolder &folder, int studentNumber) {
    QList<BookListEntry> books;
    for (const QString &name : listStudentBookFiles(folder, studentNumber)) {
        if (books.size() == kBookListLimit)
            break;
        books.append(readEntry(folder, name));
    }
    return books;
}

QString coverPictureName(int coverColor) {
    static const char *const colours[] = {"green", "blue", "purple", "gray", "orange", "red"};
    const int index = coverColor >= 1 && coverColor <= 6 ? coverColor - 1 : 0;
    return QStringLiteral("aobj_mybook_%1_cover.jpg").arg(QLatin1String(colours[index]));
}

QString bookTitleText(const QString &storyTitle, const QString &subtitle) {
    const QString trimmed = subtitle.trimmed();
    if (trimmed.isEmpty())
        return storyTitle;
    return storyTitle + QLatin1Char('\r') + QLatin1Char('(') + trimmed + QLatin1Char(')');
}

QString statisticsTitle(const QString &storyTitle, const QString &subtitle) {
    const QString trimmed = subtitle.trimmed();
    if (trimmed.isEmpty())
        return storyTitle;
    return storyTitle + QStringLiteral(" (") + trimmed + QLatin1Char(')');
}

int coverTitlePoints(const QString &titleText) {
    if (titleText.size() > 30)
        return 30;
    return titleText.size() > 20 ? 36 : 40;
}

int titlePageTitlePoints(const QString &titleText) {
    if (titleText.size() > 30)
        return 36;
    return titleText.size() > 20 ? 40 : 46;
}

QSize fitStudentPicture(QSize twips) {
    double width = twips.width();
    double height = twips.height();
    if (width <= 0 || height <= 0)
        return {0, 0};
    if (width > kStudentPictureMaxWidth) {
        height = height * kStudentPictureMaxWidth / width;
        width = kStudentPictureMaxWidth;
    }
    if (height > kStudentPictureMaxHeight) {
        width = width * kStudentPictureMaxHeight / height;
        height = kStudentPictureMaxHeight;
    }
    return {static_cast<int>(std::lround(width)), static_cast<int>(std::lround(height))};
}

} // namespace quillora
