#pragma once

#include "core/Result.h"

#include <QList>
#include <QSet>
#include <QStringList>

namespace quillora {

class AppFolder;

// True for a personal book that belongs to the student: its first value (the owner) is the
// student's number. A book whose first value cannot be read belongs to the student whose
// number its name carries ("mystory_" n "_"), so it can still be cleared away with them.
// Matching is on whole numbers only: student 61 never owns a book of 601, 610 or 6101.
bool bookBelongsTo(const AppFolder &folder, const QString &bookFileName, int studentNumber);

// What a deletion did: how many books went, and the files that could not be deleted.
struct DeletionReport {
    int booksDeleted = 0;
    QList<FileError> failures;
};

// Deletes every personal book of the student, and nothing else.
DeletionReport deleteStudentBooks(const AppFolder &folder, int studentNumber);

// The per-student files other than books: assignments, profile, statistics and their
// scratch copies, in the order they are removed.
QStringList studentDataFileNames(int studentNumber);

// Deletes the student's books, assignments, profile and statistics. Files of other students
// and templates are never touched. Number 0 (a failed look-up) removes nothing.
DeletionReport removeStudentFiles(const AppFolder &folder, int studentNumber);

// The numbers that some file of the folder carries as a student's: a profile, assignments,
// statistics or a book. A number left behind by a removed student is taken until its last
// file is gone, so a new student never inherits someone else's books or records.
QSet<int> studentNumbersInUse(const AppFolder &folder);

} // namespace quillora
