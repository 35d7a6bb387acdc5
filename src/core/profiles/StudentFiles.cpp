#include "core/profiles/StudentFiles.h"

#include "core/AppFolder.h"
#include "core/NumberText.h"
#include "core/TextFile.h"
#include "core/profiles/Assignments.h"
#include "core/profiles/StudentProfile.h"
#include "core/statistics/UsageStatistics.h"
#include "core/template/FolderListing.h"

#include <QFile>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace quillora {

namespace {

// The number a book's name gives its owner: "mystory_" n "_" ... ".msy".
int numberInBookName(const QString &fileName) {
    static const QRegularExpression pattern(u"^mystory_(\\d+)_"_s,
                                            QRegularExpression::CaseInsensitiveOption);
    const auto match = pattern.match(fileName);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

void removeFile(const AppFolder &folder, const QString &fileName, DeletionReport &report) {
    QFile file(folder.filePath(fileName));
    if (file.exists() && !file.remove())
        report.failures.append(
            FileError{u"The file cannot be deleted: "_s + file.errorString(), fileName});
}

} // namespace

bool bookBelongsTo(const AppFolder &folder, const QString &bookFileName, int studentNumber) {
    const auto lines = readTextLines(folder.filePath(bookFileName));
    if (lines && !lines->isEmpty()) {
        if (const auto owner = parseNumber(lines->front()))
            return *owner == studentNumber;
    }
    return numberInBookName(bookFileName) == studentNumber;
}

DeletionReport deleteStudentBooks(const AppFolder &folder, int studentNumber) {
    DeletionReport report;
    if (studentNumber < 1)
        return report;
    for (const QString &book : listFolder(folder, u"mystory_*.msy"_s)) {
        if (!bookBelongsTo(folder, book, studentNumber))
            continue;
        const qsizetype failuresBefore = report.failures.size();
        removeFile(folder, book, report);
        if (report.failures.size() == failuresBefore)
            ++report.booksDeleted;
    }
    return report;
}

QStringList studentDataFileNames(int studentNumber) {
    return {assignmentFileName(studentNumber),
            profileFileName(studentNumber),
            statisticsFileName(studentNumber, u".tmp"_s),
            statisticsFileName(studentNumber, u".tcv"_s),
            statisticsFileName(studentNumber, u".sta"_s),
            statisticsFileName(studentNumber, u".csv"_s)};
}

DeletionReport removeStudentFiles(const AppFolder &folder, int studentNumber) {
    DeletionReport report = deleteStudentBooks(folder, studentNumber);
    if (studentNumber < 1)
        return report;
    for (const QString &fileName : studentDataFileNames(studentNumber))
        removeFile(folder, fileName, report);
    return report;
}

QSet<int> studentNumbersInUse(const AppFolder &folder) {
    static const QRegularExpression dataName(
        u"^(?:student_|student_story_assignments_|stats_)(\\d+)\\.(?:lgn|asg|sta|csv|tmp|tcv)$"_s,
        QRegularExpression::CaseInsensitiveOption);
    QSet<int> numbers;
    for (const QString &pattern : {u"student_*"_s, u"stats_*"_s}) {
        for (const QString &fileName : listFolder(folder, pattern)) {
            const auto match = dataName.match(fileName);
            if (match.hasMatch())
                numbers.insert(match.captured(1).toInt());
        }
    }
    for (const QString &book : listFolder(folder, u"mystory_*.msy"_s)) {
        if (const int owner = numberInBookName(book); owner >= 0)
            numbers.insert(owner);
    }
    return numbers;
}

} // namespace quillora
