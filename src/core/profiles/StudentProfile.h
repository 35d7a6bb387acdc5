#pragma once

#include "core/Result.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quillora {

class AppFolder;
class Messages;
class ProgramStop;

// How a student works the screens.
inline constexpr int kAccessStepScanning = 1;  // two switches: Space steps, Enter selects
inline constexpr int kAccessTimedScanning = 2; // one switch: Enter selects
inline constexpr int kAccessMouse = 3;         // mouse click or touch

// Student numbers are handed out from here upward; 16-bit, so up to 32767.
inline constexpr int kFirstStudentNumber = 601;
inline constexpr int kLastStudentNumber = 32767;

// The default student. Its profile comes with the installation; the program never creates,
// deletes, renames or restricts it and keeps no statistics for it.
QString teacherName();
// Names are compared without regard to letter case, so "TEACHER" is the teacher too.
bool isTeacher(const QString &name);

// A student's name and settings. The values below are those of a new profile.
struct StudentProfile {
    QString studentName;
    int studentNumber = 0;
    int accessMode = kAccessMouse;
    int scanSeconds = 3;
    int musicOption = 1;      // 1 on, 2 off
    int auditoryScanning = 1; // 1 on, 2 off
    QString studentPicture;   // full path, or empty
    int versionsOption = 2;   // 1 replaces the earlier version of a book, 2 keeps it
    int printFormat = 1;      // 1 screen shot, 2 full page
    int skipPages = 1;        // 1 pages may be left out of a book, 0 not

    friend bool operator==(const StudentProfile &, const StudentProfile &) = default;
};

// The profile held for the whole run (the logged-on student, or the one being edited) and
// the name of the student it belongs to. The composition root owns one and hands it on.
struct StudentSession {
    StudentProfile profile;
    QString currentStudentName = teacherName();
};

// "student_" StudentNumber ".lgn"
QString profileFileName(int studentNumber);

// The ten lines of a profile file.
QStringList profileLines(const StudentProfile &profile);

// Reads the lines of a profile file. A profile that ends after its seventh line (files from
// before the versions, print and skip settings) reads with their defaults.
Result<StudentProfile> parseProfile(const QString &path, const QStringList &lines);

// Which wording the missing-profile message takes: the management screen's, or the logon's,
// whose spelling users have seen for years.
enum class LookupWording { Management, Logon };

// The number of the first profile (by file name) whose name matches, ignoring letter case.
// Without one, says "Critical Error:  Student Data Missing" (or the logon's wording) and
// returns 0, which no profile uses.
int findStudentNumber(const AppFolder &folder, Messages &messages, const QString &name,
                      LookupWording wording = LookupWording::Management);

bool studentNameExists(const AppFolder &folder, const QString &name);

// The smallest number from 601 up that no profile file uses, nor any file a removed student
// left behind (see studentNumbersInUse). When every number is taken the
// program stops with "Critical Error:  Can't create Student" and 0 comes back.
int newStudentNumber(const AppFolder &folder, ProgramStop &stop);

// The names of all readable profiles, in file-name order, and the profiles that could not be
// read, each error naming its file, so a student never vanishes from a list without a word.
struct StudentListing {
    QStringList names;
    QList<FileError> unreadable;
};
StudentListing listStudents(const AppFolder &folder);

// Writes the held profile under the name (empty means the teacher) to the file of the held
// number, and makes it the current student. A profile saved for the first time starts with
// the settings of a new profile whatever the screen showed. The file is replaced in one step.
Result<void> saveStudentOptionsPlus(StudentSession &session, const QString &name,
                                    const AppFolder &folder);

// Finds the profile of the name (empty means the teacher) and reads it into the held
// profile. When there is none, or it cannot be read, the held profile is left as a new one
// with number 0.
Result<void> readStudentOptionsPlus(StudentSession &session, const QString &name,
                                    const AppFolder &folder, Messages &messages,
                                    LookupWording wording = LookupWording::Management);

} // namespace quillora
