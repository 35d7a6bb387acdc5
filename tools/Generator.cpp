#include "Generator.h"

#include "AssetCatalog.h"
#include "ButtonArt.h"
#include "Canvas.h"
#include "DemoTemplate.h"
#include "MidiWriter.h"
#include "ScreenArt.h"
#include "SoundSynth.h"
#include "StoryArt.h"
#include "TeacherArt.h"
#include "core/Counters.h"
#include "core/NumberText.h"
#include "core/TextFile.h"
#include "core/WavFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

namespace quillora::assets {

namespace {

constexpr int kLiteralLines = 25;
constexpr int kFirstBookNumber = 10000; // book numbers count down from here
constexpr int kPageCounterStart = 100;

QByteArray textBytes(const QStringList &lines) {
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

Result<QByteArray> jpegBytes(const QImage &image, const QString &name) {
    if (image.isNull())
        return FileError{QStringLiteral("No drawing for this picture"), name};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPG", 92))
        return FileError{QStringLiteral("The picture cannot be encoded as JPEG"), name};
    return bytes;
}

Result<QByteArray> effectBytes(const QString &name) {
    const std::vector<std::int16_t> samples = synthesiseEffect(name);
    if (samples.empty())
        return FileError{QStringLiteral("No synthesis for this sound"), name};
    return makeWav(samples);
}

Result<QByteArray> tuneBytes(const QString &name) {
    const QByteArray bytes = tuneFile(name);
    if (bytes.isEmpty())
        return FileError{QStringLiteral("No tune of this name"), name};
    return bytes;
}

Result<QByteArray> fileBytes(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileError{QStringLiteral("The file cannot be read"), QFileInfo(path).fileName()};
    return file.readAll();
}

// Splits "a|b|c" lines of an asset file, insisting on the field count.
Result<QList<QStringList>> fieldLines(const QString &path, int fields) {
    auto lines = readAssetLines(path);
    if (!lines)
        return lines.error();
    QList<QStringList> rows;
    for (const QString &line : *lines) {
        QStringList row = line.split(QLatin1Char('|'));
        if (row.size() != fields)
            return FileError{QStringLiteral("Expected %1 fields separated by \"|\": ").arg(fields) +
                                 line,
                             QFileInfo(path).fileName()};
        for (QString &field : row)
            field = field.trimmed();
        rows.append(row);
    }
    if (rows.isEmpty())
        return FileError{QStringLiteral("The file lists nothing"), QFileInfo(path).fileName()};
    return rows;
}

// A number field of an asset file, written back in the line-printer form.
Result<QString> numberField(const QString &text, const QString &file) {
    const auto value = parseNumber(text);
    if (!value)
        return FileError{QStringLiteral("A number was expected: ") + text, file};
    return numberText(*value);
}

QString spokenText(const QString &stored) {
    return decodeLineBreaks(stored)
        .replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
}

} // namespace

Generator::Generator(QString assetsDir, QString outputDir)
    : m_assets(std::move(assetsDir))
    , m_output(std::move(outputDir)) {}

Result<void> Generator::put(const QString &name, const Maker &make) {
    const QString path = m_output.filePath(name);
    if (isDataFile(name) && QFileInfo::exists(path)) {
        ++m_kept;
        return {};
    }
    auto bytes = make();
    if (!bytes)
        return bytes.error();
    if (auto ok = writeFileAtomically(path, *bytes); !ok)
        return ok.error();
    ++m_written;
    return {};
}

Result<void> Generator::run() {
    if (!m_output.mkpath(QStringLiteral(".")))
        return FileError{QStringLiteral("The application folder cannot be created"),
                         m_output.path()};
    for (const QString &folder : folderNames())
        if (!m_output.mkpath(folder))
            return FileError{QStringLiteral("The folder cannot be created"), folder};
    for (auto step :
         {&Generator::writeArtwork, &Generator::writeSounds, &Generator::writeGuide,
          &Generator::writeSettings, &Generator::writeStudents, &Generator::writeDemoStory}) {
        if (auto ok = (this->*step)(); !ok)
            return ok;
    }
    return {};
}

Result<void> Generator::writeArtwork() {
    for (const ButtonArtwork &art : buttons()) {
        for (const bool active : {false, true}) {
            const QString name = active ? activeName(art.name) : art.name;
            if (auto ok = put(name, [&] { return jpegBytes(drawButton(art, active), name); }); !ok)
                return ok;
        }
    }
    for (const PictureArtwork &art : pictures()) {
        if (auto ok = put(art.name,
                          [&] {
                              QImage image = drawPicture(art);
                              return jpegBytes(image.isNull() ? drawTeacherPicture(art) : image,
                                               art.name);
                          });
            !ok)
            return ok;
    }
    return {};
}

Result<void> Generator::writeSounds() {
    auto announcements = readAnnouncements(m_assets.path());
    if (!announcements)
        return announcements.error();
    for (const Announcement &announcement : *announcements) {
        const QString name = announcement.name + QStringLiteral(".wav");
        if (auto ok = put(name, [&] { return m_speaker.speak(announcement.phrase, name); }); !ok)
            return ok;
    }
    for (const QString &name : effectNames())
        if (auto ok = put(name, [&] { return effectBytes(name); }); !ok)
            return ok;
    for (const QString &name : tuneNames())
        if (auto ok = put(name, [&] { return tuneBytes(name); }); !ok)
            return ok;
    return {};
}

Result<void> Generator::writeGuide() {
    const QString name = QLatin1String(kUserGuide);
    return put(name, [&] { return fileBytes(assetPath(name)); });
}

Result<void> Generator::writeSettings() {
    auto literals = readTextLines(assetPath(QStringLiteral("literals.txt")));
    if (!literals)
        return literals.error();
    if (literals->size() != kLiteralLines)
        return FileError{QStringLiteral("Expected 25 interface texts"),
                         QStringLiteral("literals.txt")};
    if (auto ok = put(QStringLiteral("literals.txt"), [&] { return textBytes(*literals); }); !ok)
        return ok;

    // The first language listed is the one in force on a new installation.
    auto languages = fieldLines(assetPath(QStringLiteral("languages.txt")), 3);
    if (!languages)
        return languages.error();
    QStringList entries;
    for (const QStringList &language : *languages) {
        auto code = numberField(language[1], QStringLiteral("languages.txt"));
        if (!code)
            return code.error();
        entries << language[0] << *code << language[2];
    }
    if (auto ok = put(QStringLiteral("aobj_charactersets.txt"), [&] { return textBytes(entries); });
        !ok)
        return ok;
    if (auto ok = put(QStringLiteral("default_characterset.txt"),
                      [&] { return textBytes(entries.mid(0, 3)); });
        !ok)
        return ok;

    auto story = readDemoTemplate(assetPath(QStringLiteral("demo_story.sty")));
    if (!story)
        return story.error();
    const std::pair<const char *, int> counters[] = {{kStoryCounterFile, story->storyId},
                                                     {kBookCounterFile, kFirstBookNumber},
                                                     {kPageCounterFile, kPageCounterStart}};
    for (const auto &[file, value] : counters) {
        if (auto ok = put(QLatin1String(file), [&] { return textBytes({numberText(value)}); }); !ok)
            return ok;
    }
    return {};
}

Result<void> Generator::writeStudents() {
    const QString source = QStringLiteral("students.txt");
    auto students = fieldLines(assetPath(source), 10);
    if (!students)
        return students.error();
    for (const QStringList &student : *students) {
        // Line 1 is the name and line 7 the picture; every other line is a number.
        QStringList lines;
        for (int field = 0; field < 10; ++field) {
            if (field == 0 || field == 6) {
                lines << student[field];
                continue;
            }
            auto number = numberField(student[field], source);
            if (!number)
                return number.error();
            lines << *number;
        }
        const QString name = QStringLiteral("student_%1.lgn").arg(student[1]);
        if (auto ok = put(name, [&] { return textBytes(lines); }); !ok)
            return ok;
    }
    return {};
}

Result<void> Generator::writeDemoStory() {
    auto story = readDemoTemplate(assetPath(QStringLiteral("demo_story.sty")));
    if (!story)
        return story.error();
    const QString name = QStringLiteral("story_%1.sty").arg(story->storyId);
    if (auto ok = put(name, [&] { return textBytes(templateLines(*story)); }); !ok)
        return ok;
    return writeDemoMedia(*story);
}

Result<void> Generator::writeNarration(const QString &name, const QString &phrase) {
    if (name.isEmpty())
        return {};
    return put(name, [&] { return m_speaker.speak(spokenText(phrase), name); });
}

Result<void> Generator::writeDemoMedia(const DemoTemplate &story) {
    if (auto ok = writeNarration(story.coverRecording, story.title); !ok)
        return ok;
    for (const DemoPage &page : story.pages) {
        if (auto ok = writeNarration(page.pathRecording, page.pathSubtitle); !ok)
            return ok;
        for (const DemoChoice &choice : page.choices)
            if (auto ok = writeNarration(choice.recording, choice.text); !ok)
                return ok;
    }
    // Every other name must be something this generator can draw, synthesise or compose;
    // a name it cannot make stops the build instead of shipping a story with a hole in it.
    for (const QString &name : mediaNames(story)) {
        if (name.startsWith(QLatin1String("recording_")))
            continue;
        Maker make;
        if (name.endsWith(QLatin1String(".jpg")))
            make = [name] { return jpegBytes(drawStoryPicture(name), name); };
        else if (name.endsWith(QLatin1String(".wav")))
            make = [name] { return effectBytes(name); };
        else if (name.endsWith(QLatin1String(".mid")))
            make = [name] { return tuneBytes(name); };
        else
            return FileError{QStringLiteral("The demo story names a file of an unknown kind"),
                             name};
        if (auto ok = put(name, make); !ok)
            return ok;
    }
    return {};
}

} // namespace quillora::assets
