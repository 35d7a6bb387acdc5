#include "core/template/TemplateLibrary.h"

#include "core/AppFolder.h"
#include "core/profiles/Assignments.h"
#include "core/template/TemplateFile.h"

#include <QRegularExpression>

namespace quillora {

using namespace Qt::StringLiterals;

namespace {

Topic topicOf(TemplateSummary summary) {
    return Topic{std::move(summary.fileName),
                 summary.storyId,
                 std::move(summary.storedTitle),
                 std::move(summary.coverRecording),
                 std::move(summary.coverPicture),
                 std::move(summary.fontName),
                 summary.fontBold,
                 summary.fontItalic};
}

// The template number in a usual template file name, for a file whose head says nothing.
std::optional<int> numberInFileName(const QString &fileName) {
    static const QRegularExpression pattern(u"^story_(-?\\d{1,10})\\.sty$"_s,
                                            QRegularExpression::CaseInsensitiveOption);
    const auto match = pattern.match(fileName);
    bool ok = false;
    const int number = match.hasMatch() ? match.capturedView(1).toInt(&ok) : 0;
    return ok ? std::optional<int>(number) : std::nullopt;
}

} // namespace

TopicListing loadTopics(const AppFolder &folder, int studentNumber) {
    TopicListing listing;
    auto assignments = loadAssignments(folder, studentNumber);
    if (!assignments) {
        listing.assignmentsError = assignments.error();
        return listing;
    }
    QList<FileError> unreadable;
    const QList<TemplateSummary> templates = listTemplates(folder, &unreadable);
    bool anyAssignedHere = false;
    for (const TemplateSummary &summary : templates) {
        if (!isTemplatePermitted(*assignments, summary.storyId))
            continue;
        anyAssignedHere = true;
        if (listing.topics.size() < kTopicLimit)
            listing.topics.append(topicOf(summary));
    }
    for (const FileError &error : unreadable) {
        const auto number = numberInFileName(error.file);
        if (number && !isTemplatePermitted(*assignments, *number))
            continue; // not this student's to write from, whatever its state
        anyAssignedHere = true;
        listing.unreadable.append(error);
    }
    listing.assignmentsNameOnlyMissing = assignments->has_value() && !anyAssignedHere;
    return listing;
}

QString noTopicsMessage() {
    return u"The program didn't find any topics\n\nAdd story templates (topics) by clicking on the "
           "Teacher Functions button from the main menu."_s;
}

QString unreadableTemplatesMessage(const QList<FileError> &unreadable) {
    QString text = unreadable.size() == 1
                       ? u"A story template could not be read, so it is not offered:\n\n"_s
                       : u"These story templates could not be read, so they are not offered:\n\n"_s;
    for (const FileError &error : unreadable)
        text += error.text() + u'\n';
    return text + u"\nReplace the file from a backup, or delete it and import the template "
                  "again."_s;
}

QString onlyMissingAssignedMessage(const AppFolder &folder, int studentNumber) {
    const QString file = assignmentFileName(studentNumber);
    QStringList names;
    if (const auto assignments = loadAssignments(folder, studentNumber);
        assignments && assignments->has_value()) {
        for (const int storyId : **assignments)
            names.append(templateFileName(storyId));
    }
    QString text = u"The topics assigned to this student are missing: the assignment file "_s +
                   file + u" names only story templates that are not in the application folder"_s;
    if (!names.isEmpty())
        text += u" ("_s + names.join(u", "_s) + u')';
    return text + u".\n\nAssign this student other topics with the Student Data button of the main "
                  "menu, or add the "
                  "missing templates."_s;
}

} // namespace quillora
