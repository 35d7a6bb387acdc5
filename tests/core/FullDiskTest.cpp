#include "FakeMessages.h"
#include "SmallDisk.h"
#include "StoryFilesTestSupport.h"
#include "VirtualClock.h"
#include "core/Counters.h"
#include "core/FileCopy.h"
#include "core/WavFile.h"
#include "core/book/BookCompiler.h"
#include "core/profiles/Assignments.h"
#include "core/profiles/StudentProfile.h"
#include "core/statistics/UsageStatistics.h"
#include "core/template/TemplateFile.h"

#include <QDateTime>
#include <QMap>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

namespace quillora {
using namespace Qt::StringLiterals;
namespace {

using test::crlf;
using test::FakeMessages;
using test::RecordingStop;
using test::SmallDisk;

// Under the writer's 16 KB buffer a write "succeeds" and only the final flush fails; over it
// the write itself fails. Both must keep the old file.
constexpr qsizetype kSmall = 100;
constexpr qsizetype kLarge = 40 * 1024;

QByteArray oldBytes(const char *tag, qsizetype size) {
    QByteArray bytes = QByteArray("old ") + tag + "\r\n";
    bytes += QByteArray(size, 'o') + "\r\n";
    return bytes;
}

StoryTemplate threePageStory(int storyId, qsizetype textSize) {
    StoryTemplate story = test::linearStory(storyId, 3);
    story.storyTitle = u"New"_s;
    for (int slot = 1; slot <= 3; ++slot)
        story.page(slot).choice(1).text = QString(textSize, u't');
    return story;
}

StudentProfile anna() {
    StudentProfile profile;
    profile.studentName = u"Anna"_s;
    profile.studentNumber = 601;
    profile.versionsOption = 1; // a new book replaces the older version of its path
    return profile;
}

// One writer of a data file on a disk that has just filled up.
struct Writer {
    const char *what;
    QStringList oldFiles;                           // written before the disk fills; must stay
    QString named;                                  // the file the report must name
    std::function<QString(const SmallDisk &)> save; // everything the writer told its caller
};

std::vector<Writer> writers(qsizetype size) {
    std::vector<Writer> list;
    list.push_back({"template",
                    {u"story_7.sty"_s, u"recording_7_102_1.wav"_s, u"temp_recording_7_102_1.wav"_s},
                    u"story_7.sty"_s,
                    [size](const SmallDisk &disk) -> QString {
                        FakeMessages messages;
                        StoryTemplate story = threePageStory(7, size);
                        const auto saved = saveTemplate(story, disk.folder(), messages);
                        return (saved ? u"saved"_s : saved.error().text()) + u'\n' +
                               messages.shown.join(u'\n');
                    }});
    list.push_back({"profile",
                    {u"student_601.lgn"_s},
                    u"student_601.lgn"_s,
                    [size](const SmallDisk &disk) -> QString {
                        StudentSession session;
                        session.profile = anna();
                        session.profile.studentPicture = QString(size, u'p');
                        const auto saved =
                            saveStudentOptionsPlus(session, u"Anna"_s, disk.folder());
                        return saved ? u"saved"_s : saved.error().text();
                    }});
    list.push_back({"statistics",
                    {u"student_601.lgn"_s, u"stats_601.sta"_s, u"stats_601.csv"_s},
                    u"stats_601."_s,
                    [](const SmallDisk &disk) -> QString {
                        FakeMessages messages;
                        test::VirtualClock clock;
                        UsageStatistics statistics;
                        statistics.start(clock, u"A story"_s);
                        const auto written =
                            statistics.write(StatisticsAuthor{u"Anna"_s, 3, 3}, clock,
                                             QDateTime::currentDateTime(), disk.folder(), messages);
                        return written ? u"saved"_s : written.error().text();
                    }});
    list.push_back({"wave",
                    {u"recording_7_102_1.wav"_s},
                    u"recording_7_102_1.wav"_s,
                    [size](const SmallDisk &disk) -> QString {
                        const std::vector<std::int16_t> samples(static_cast<std::size_t>(size), 7);
                        const auto written =
                            writeWav(disk.path(u"recording_7_102_1.wav"_s), samples);
                        return written ? u"saved"_s : written.error().text();
                    }});
    list.push_back({"file copy",
                    {u"page_pic_7_1.jpg"_s, u"source.jpg"_s},
                    u"page_pic_7_1.jpg"_s,
                    [](const SmallDisk &disk) -> QString {
                        FakeMessages messages;
                        const bool copied = copyDataFile(disk.folder(), messages, u"source.jpg"_s,
                                                         u"page_pic_7_1.jpg"_s);
                        return (copied ? u"saved\n"_s : QString()) + messages.shown.join(u'\n');
                    }});
    return list;
}

// Files of these kinds never grow past the write buffer, so they come in one size only.
std::vector<Writer> smallOnlyWriters() {
    std::vector<Writer> list;
    list.push_back({"book",
                    {u"mystory_601_4999_1_7_104.msy"_s, u"aobj_mystory.seq"_s},
                    u"mystory_601_4998_1_7_104.msy"_s,
                    [](const SmallDisk &disk) -> QString {
                        RecordingStop stop;
                        StoryTemplate story = threePageStory(7, 10);
                        QString notice;
                        const auto saved = saveBook(story, BookDraft{3, {}, 2}, anna(), u"Anna"_s,
                                                    disk.folder(), stop, &notice);
                        return (saved ? u"saved"_s : saved.error().text()) + u'\n' + notice;
                    }});
    list.push_back({"assignments",
                    {u"student_story_assignments_601.asg"_s},
                    u"student_story_assignments_601.asg"_s,
                    [](const SmallDisk &disk) -> QString {
                        QList<int> many;
                        for (int id = 1; id <= kAssignmentLimit; ++id)
                            many.append(id);
                        const auto saved = saveAssignments(disk.folder(), 601, many);
                        return saved ? u"saved"_s : saved.error().text();
                    }});
    for (const auto next : {&nextBookId, &nextStoryId}) {
        const QString counter = next == &nextBookId ? QString::fromLatin1(kBookCounterFile)
                                                    : QString::fromLatin1(kStoryCounterFile);
        list.push_back({"counter", {counter}, counter, [next](const SmallDisk &disk) -> QString {
                            const auto number = next(disk.folder());
                            // A counter that cannot be written still hands out a number.
                            return number ? number->notice
                                          : u"no number: "_s + number.error().text();
                        }});
    }
    return list;
}

// What lies on the disk before it fills. Files a writer does not replace get small contents.
QByteArray oldContent(const QString &name, qsizetype size) {
    if (name == u"student_601.lgn"_s) {
        StudentProfile profile = anna();
        profile.studentPicture = QString(size, u'q');
        return crlf(profileLines(profile));
    }
    if (name.endsWith(u".seq"_s))
        return " 4999 \r\n";
    if (name.endsWith(u".msy"_s))
        return "601\r\n7\r\n1\r\n1\r\n104\r\n 102 \r\n 104 \r\n";
    if (name.endsWith(u".asg"_s))
        return " 7 \r\n";
    if (name == u"source.jpg"_s)
        return QByteArray(size, 's');
    return oldBytes(qPrintable(name), size);
}

void expectOldFilesKept(const Writer &writer, qsizetype size) {
    SmallDisk disk;
    if (!disk.skipReason().isEmpty())
        GTEST_SKIP() << disk.skipReason().toStdString();
    const std::string label = std::string(writer.what) + (size > kSmall ? " (large)" : " (small)");
    QMap<QString, QByteArray> before;
    for (const QString &name : writer.oldFiles) {
        ASSERT_TRUE(disk.write(name, oldContent(name, size))) << label;
        before[name] = disk.read(name);
    }
    const QStringList filesBefore = disk.files();
    disk.fill();

    const QString report = writer.save(disk);
    EXPECT_FALSE(report.startsWith(u"saved"_s)) << label << ": " << report.toStdString();
    EXPECT_FALSE(report.contains(u"has been saved"_s)) << label;
    EXPECT_TRUE(report.contains(writer.named)) << label << ": " << report.toStdString();
    for (const QString &name : writer.oldFiles)
        EXPECT_EQ(disk.read(name), before[name]) << label << ": " << name.toStdString();
    EXPECT_EQ(disk.files(), filesBefore) << label << ": a failed save leaves nothing behind";
}

TEST(FullDisk, EveryWriterKeepsTheOldFileAndNamesIt) {
    for (const qsizetype size : {kSmall, kLarge}) {
        for (const Writer &writer : writers(size)) {
            expectOldFilesKept(writer, size);
            if (IsSkipped())
                return;
        }
    }
    for (const Writer &writer : smallOnlyWriters())
        expectOldFilesKept(writer, kSmall);
}

} // namespace
} // namespace quillora
