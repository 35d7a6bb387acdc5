#include "core/profiles/StudentProfile.h"

#include "core/AppFolder.h"
#include "core/NumberText.h"
#include "core/TextFile.h"
#include "core/profiles/StudentFiles.h"
#include "core/services/Messages.h"
#include "core/services/ProgramStop.h"
#include "core/template/FieldReader.h"
#include "core/template/FolderListing.h"

#include <QFileInfo>

namespace quillora {

namespace {

QString nameOrTeacher(const QString &name) {
    return name.isEmpty() ? teacherName() : name;
}

// The first two lines of a profile file, or nothing when it cannot be read.
struct ProfileHead {
    QString name;
    int number = 0;
};

Result<ProfileHead> readProfileHeadOrError(const AppFolder &folder, const QString &fileName) {
    const QString path = folder.filePath(fileName);
    auto lines = readTextLines(path);
    if (!lines)
        return lines.error();
    LineReader in(path, *lines);
    FieldReader field(in);
    ProfileHead head;
    head.name = field.text();
    head.number = field.number();
    if (!field.ok())
        return field.error();
    return head;
}

std::optional<ProfileHead> readProfileHead(const AppFolder &folder, const QString &fileName) {
    auto head = readProfileHeadOrError(folder, fileName);
    if (!head)
        return std::nullopt;
    return std::move(head).value();
}

// Profiles in file-name order; the first whose name matches wins.
std::optional<ProfileHead> findProfile(const AppFolder &folder, const QString &name) {
    const QString wanted = name.toLower();
    for (const QString &fileName : listFolder(folder, QStringLiteral("student_*.lgn"))) {
        const auto head = readProfileHead(folder, fileName);
        if (head && head->name.toLower() == wanted)
            return head;
    }
    return std::nullopt;
}

} // namespace

QString teacherName() {
    return QStringLiteral("Teacher");
}

bool isTeacher(const QString &name) {
    return name.compare(teacherName(), Qt::CaseInsensitive) == 0;
}

QString profileFileName(int studentNumber) {
    return QStringLiteral("student_") + QString::number(studentNumber) + QStringLiteral(".lgn");
}

QStringList profileLines(const StudentProfile &profile) {
    return {oneLine(profile.studentName),    numberText(profile.studentNumber),
            numberText(profile.accessMode),  numberText(profile.scanSeconds),
            numberText(profile.musicOption), numberText(profile.auditoryScanning),
            oneLine(profile.studentPicture), numberText(profile.versionsOption),
            numberText(profile.printFormat), numberText(profile.skipPages)};
}

Result<StudentProfile> parseProfile(const QString &path, const QStringList &lines) {
    LineReader in(path, lines);
    FieldReader field(in);
    StudentProfile profile;
    profile.studentName = field.text();
    profile.studentNumber = field.number();
    profile.accessMode = field.number();
    profile.scanSeconds = field.number();
    profile.musicOption = field.number();
    profile.auditoryScanning = field.number();
    // Read whole, so commas and quotes in a path come back unchanged.
    profile.studentPicture = field.text();
    if (!field.ok())
        return field.error();
    // Older profiles stop after the picture; the settings added later keep their defaults.
    for (int *setting : {&profile.versionsOption, &profile.printFormat, &profile.skipPages}) {
        if (in.atEnd())
            break;
        *setting = field.number();
    }
    if (!field.ok())
        return field.error();
    return profile;
}

int findStudentNumber(const AppFolder &folder, Messages &messages, const QString &name,
                      LookupWording wording) {
    if (const auto head = findProfile(folder, name))
        return head->number;
    // The logon has always shown its own spelling of this message.
    (void)messages.inform(wording == LookupWording::Logon
                              ? QStringLiteral("Critical Error:  Stundent Data Missing")
                              : QStringLiteral("Critical Error:  Student Data Missing"));
    return 0;
}

bool studentNameExists(const AppFolder &folder, const QString &name) {
    return findProfile(folder, name).has_value();
}

int newStudentNumber(const AppFolder &folder, ProgramStop &stop) {
    // Leftovers of a removed student (statistics, books) keep their number taken.
    const QSet<int> inUse = studentNumbersInUse(folder);
    for (int number = kFirstStudentNumber; number <= kLastStudentNumber; ++number) {
        if (!inUse.contains(number) && !QFileInfo::exists(folder.filePath(profileFileName(number))))
            return number;
    }
    stop.stop(QStringLiteral("Critical Error:  Can't create Student"));
    return 0;
}

StudentListing listStudents(const AppFolder &folder) {
    StudentListing listing;
    for (const QString &fileName : listFolder(folder, QStringLiteral("student_*.lgn"))) {
        auto head = readProfileHeadOrError(folder, fileName);
        if (head)
            listing.names.append(head->name);
        else
            listing.unreadable.append(head.error());
    }
    return listing;
}

Result<void> saveStudentOptionsPlus(StudentSession &session, const QString &name,
                                    const AppFolder &folder) {
    const QString studentName = nameOrTeacher(name);
    StudentProfile profile = session.profile;
    // Number 0 is what a failed look-up hands back; a profile under it would belong to no one.
    if (profile.studentNumber < 1)
        return FileError{QStringLiteral("The student has no number"),
                         profileFileName(profile.studentNumber)};
    const QString path = folder.filePath(profileFileName(profile.studentNumber));
    if (!QFileInfo::exists(path)) {
        // A new student always starts from the same settings, whatever the screen shows.
        StudentProfile fresh;
        fresh.studentNumber = profile.studentNumber;
        profile = fresh;
    }
    profile.studentName = studentName;
    if (auto written = writeTextLines(path, profileLines(profile)); !written)
        return written;
    session.profile = profile;
    session.currentStudentName = studentName;
    return {};
}

Result<void> readStudentOptionsPlus(StudentSession &session, const QString &name,
                                    const AppFolder &folder, Messages &messages,
                                    LookupWording wording) {
    const QString studentName = nameOrTeacher(name);
    const int number = findStudentNumber(folder, messages, studentName, wording);
    const QString path = folder.filePath(profileFileName(number));
    session.profile = StudentProfile();
    if (number == 0)
        return FileError{QStringLiteral("There is no profile for ") + studentName, {}};
    auto lines = readTextLines(path);
    auto parsed = lines ? parseProfile(path, *lines) : Result<StudentProfile>(lines.error());
    if (!parsed)
        return parsed.error();
    session.profile = std::move(parsed).value();
    return {};
}

} // namespace quillora
