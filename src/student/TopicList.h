#pragma once

#include "core/Result.h"

#include <QList>
#include <QString>

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

// The templates the student may write from, in folder order, at most 200. With an
// assignment file only the templates it lists are offered. A template whose head cannot be
// read is left out; an assignment file that cannot be read is an error, not "everything".
Result<QList<Topic>> loadTopics(const AppFolder &folder, int studentNumber);

// Shown when there is nothing to write from.
QString noTopicsMessage();

} // namespace quillora
