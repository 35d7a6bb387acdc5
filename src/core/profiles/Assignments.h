#pragma once

#include "core/Result.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace quillora {

class AppFolder;

// An assignment file lists at most this many templates.
inline constexpr int kAssignmentLimit = 500;

// "student_story_assignments_" StudentNumber ".asg"
QString assignmentFileName(int studentNumber);

// The templates a student may use; no value means every template.
using Assignments = std::optional<QList<int>>;

bool isTemplatePermitted(const Assignments &assignments, int storyId);

// The lines of an assignment file: one template number per line.
QStringList assignmentLines(const QList<int> &storyIds);

// Restricts the student to the listed templates, in the order given. A restriction to no
// template at all is refused (the file would never be empty), and so is one of more than
// 500 templates. The file is replaced in one step.
Result<void> saveAssignments(const AppFolder &folder, int studentNumber,
                             const QList<int> &storyIds);

// Reads the lines of an assignment file: one template number per line, at most 500.
Result<QList<int>> parseAssignments(const QString &path, const QStringList &lines);

// The student's restriction, or no value when the file is absent (the usual case of a
// student who may use every template). A file that cannot be read is an error, naming the
// file and line, rather than a silent "everything allowed".
Result<Assignments> loadAssignments(const AppFolder &folder, int studentNumber);

// Lifts the restriction. An absent file is fine; one that cannot be deleted is an error.
Result<void> clearAssignments(const AppFolder &folder, int studentNumber);

} // namespace quillora
