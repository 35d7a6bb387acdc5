#include "student/TopicList.h"

#include "core/AppFolder.h"
#include "core/TextFile.h"
#include "core/profiles/Assignments.h"
#include "core/template/FieldReader.h"
#include "core/template/FolderListing.h"

#include <QFile>

#include <limits>

namespace quillora {

using namespace Qt::StringLiterals;

namespace {

constexpr int kHeaderLines = 9;

// The nine head lines only: a topic list of many large templates must not read them whole.
Result<QStringList> headLines(const QString &path, const QString &fileName) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileError{u"The file cannot be read"_s, fileName};
    QStringList lines;
    while (lines.size() < kHeaderLines && !file.atEnd()) {
        QByteArray line = file.readLine(kMaxTextLineLength);
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        if (lines.isEmpty() && line.startsWith("\xEF\xBB\xBF"))
            line.remove(0, 3);
        lines.append(decodeLine(line));
    }
    return lines;
}

Result<Topic> readTopic(const AppFolder &folder, const QString &fileName) {
    auto lines = headLines(folder.filePath(fileName), fileName);
    if (!lines)
        return lines.error();
    LineReader in(fileName, *lines);
    FieldReader field(in);
    Topic topic;
    topic.fileName = fileName;
    topic.storyId = field.number(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    topic.title = field.text();
    topic.coverNarration = field.text();
    field.skip(); // background music
    field.skip(); // colour scheme
    topic.coverPicture = field.text();
    topic.fontName = field.text();
    topic.bold = field.number();
    topic.italic = field.number();
    if (!field.ok())
        return field.error();
    return topic;
}

} // namespace

Result<QList<Topic>> loadTopics(const AppFolder &folder, int studentNumber) {
    auto assignments = loadAssignments(folder, studentNumber);
    if (!assignments)
        return assignments.error();
    QList<Topic> topics;
    for (const QString &name : listFolder(folder, u"*.sty"_s)) {
        auto topic = readTopic(folder, name);
        if (!topic || !isTemplatePermitted(*assignments, topic->storyId))
            continue;
        topics.append(std::move(topic).value());
        if (topics.size() == kTopicLimit)
            break;
    }
    return topics;
}

QString noTopicsMessage() {
    return u"The program didn't find any topics\n\nAdd story templates (topics) by clicking on the "
           "Teacher Functions button from the main menu."_s;
}

} // namespace quillora
