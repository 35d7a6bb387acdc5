#pragma once

#include "core/Result.h"

#include <QList>
#include <QString>

#include <optional>

namespace quillora {

class AppFolder;

// A student picks from at most this many topics.
inline constexpr int kTopicLimit = 200;

// A template as the topic screen shows it, read from the head of its file.
struct Topic {
    QString fileName;
    int storyId = 0;
    QString title;          // as stored
    QString coverNarration; // as stored; bare names lie in the application folder
    QString coverPicture;   // as stored; resolved when shown
    QString fontName;
    int bold = 0;
    int italic = 0;
};

// The topics a student may write from, and what kept others away, so the teacher can be told
// which file to mend rather than only that there is nothing to write.
struct TopicListing {
    QList<Topic> topics;         // in file-name order, at most 200
    QList<FileError> unreadable; // templates the student may use whose head cannot be read
    bool assignmentsNameOnlyMissing = false;   // the assignment file lists no template here
    std::optional<FileError> assignmentsError; // the assignment file cannot be read
};

// The templates the student may write from. With an assignment file only the templates it
// lists are offered. A template whose head cannot be read is listed in unreadable (unless the
// assignment file rules it out by its file name); an assignment file that cannot be read
// offers nothing, rather than everything.
TopicListing loadTopics(const AppFolder &folder, int studentNumber);

// Shown when there is nothing to write from.
QString noTopicsMessage();

// Names the templates that could not be read, and what a teacher can do about them.
QString unreadableTemplatesMessage(const QList<FileError> &unreadable);

// Shown when the student's assignment file lists only templates that are not in the folder:
// names the file and the templates it lists.
QString onlyMissingAssignedMessage(const AppFolder &folder, int studentNumber);

} // namespace quillora
