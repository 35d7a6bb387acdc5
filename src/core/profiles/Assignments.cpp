#include "core/profiles/Assignments.h"

#include "core/AppFolder.h"
#include "core/NumberText.h"
#include "core/TextFile.h"

#include <QFile>
#include <QStringList>

#include <limits>

namespace quillora {

namespace {
constexpr long long kIntMin = std::numeric_limits<int>::min();
constexpr long long kIntMax = std::numeric_limits<int>::max();
} // namespace

QString assignmentFileName(int studentNumber) {
    return QStringLiteral("student_story_assignments_") + QString::number(studentNumber) +
           QStringLiteral(".asg");
}

bool isTemplatePermitted(const Assignments &assignments, int storyId) {
    return !assignments || assignments->contains(storyId);
}

QStringList assignmentLines(const QList<int> &storyIds) {
    QStringList lines;
    lines.reserve(storyIds.size());
    for (const int id : storyIds)
        lines << numberText(id);
    return lines;
}

Result<void> saveAssignments(const AppFolder &folder, int studentNumber,
                             const QList<int> &storyIds) {
    const QString name = assignmentFileName(studentNumber);
    if (storyIds.isEmpty())
        return FileError{QStringLiteral("A student must be allowed at least one story"), name};
    if (storyIds.size() > kAssignmentLimit)
        return FileError{
            QStringLiteral("A student can be given at most %1 stories").arg(kAssignmentLimit),
            name};
    return writeTextLines(folder.filePath(name), assignmentLines(storyIds));
}

Result<QList<int>> parseAssignments(const QString &path, const QStringList &lines) {
    LineReader in(path, lines);
    QList<int> ids;
    while (!in.atEnd()) {
        if (ids.size() == kAssignmentLimit)
            return in.errorAt(
                QStringLiteral("More than %1 stories are listed").arg(kAssignmentLimit),
                in.lineNumber() + 1);
        auto id = in.number(kIntMin, kIntMax);
        if (!id)
            return id.error();
        ids.append(static_cast<int>(*id));
    }
    return ids;
}

Result<Assignments> loadAssignments(const AppFolder &folder, int studentNumber) {
    const QString path = folder.filePath(assignmentFileName(studentNumber));
    if (!QFile::exists(path))
        return Assignments();
    auto lines = readTextLines(path);
    if (!lines)
        return lines.error();
    auto ids = parseAssignments(path, *lines);
    if (!ids)
        return ids.error();
    return Assignments(std::move(ids).value());
}

Result<void> clearAssignments(const AppFolder &folder, int studentNumber) {
    const QString name = assignmentFileName(studentNumber);
    QFile file(folder.filePath(name));
    if (file.exists() && !file.remove())
        return FileError{QStringLiteral("The file cannot be deleted: ") + file.errorString(), name};
    return {};
}

} // namespace quillora
