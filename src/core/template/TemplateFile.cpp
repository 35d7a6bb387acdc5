#include "core/template/TemplateFile.h"

#include "core/AppFolder.h"
#include "core/FileCopy.h"
#include "core/NumberText.h"
#include "core/TextFile.h"
#include "core/services/Messages.h"
#include "core/template/FieldReader.h"
#include "core/template/FolderListing.h"
#include "core/template/LinkLoops.h"

#include <QFile>
#include <QFileInfo>

#include <limits>

namespace quillora {

namespace {

const QString kPageSeparator = QString(28, QLatin1Char('='));
const QString kChoiceSeparator = QString(12, QLatin1Char('-'));
constexpr int kHeaderLines = 9;
constexpr int kPageGroupLines = 26;
constexpr long long kIntMin = std::numeric_limits<int>::min();
constexpr long long kIntMax = std::numeric_limits<int>::max();

void appendChoice(QStringList &lines, const PageChoice &choice) {
    lines << kChoiceSeparator << oneLine(choice.picture) << encodeLineBreaks(choice.text)
          << oneLine(choice.recording) << oneLine(choice.soundEffect)
          << numberText(choice.nextPageId) << numberText(choice.prevPageId);
}

void appendPage(QStringList &lines, const TemplatePage &page) {
    lines << kPageSeparator << numberText(page.pageId) << numberText(page.layout)
          << oneLine(page.pathSubtitle) << oneLine(page.pathRecording);
    for (const PageChoice &choice : page.choices)
        appendChoice(lines, choice);
}

// The one reader of a template's head, for the full load and the topic lists alike.
Result<void> readHead(LineReader &in, TemplateSummary &head) {
    FieldReader field(in);
    head.storyId = field.number(kIntMin, kIntMax);
    // The title is written through the encoder but read back as it stands, so a "{" the
    // teacher typed survives a save and a load.
    head.storedTitle = field.text();
    head.coverRecording = field.text();
    head.backgroundMusic = field.text();
    head.colorScheme = field.number();
    head.coverPicture = field.text();
    head.fontName = field.text();
    head.fontBold = field.number();
    head.fontItalic = field.number();
    return field.result();
}

Result<void> readHeader(LineReader &in, StoryTemplate &story, const AppFolder &folder) {
    TemplateSummary head;
    if (auto read = readHead(in, head); !read)
        return read;
    story.storyId = head.storyId;
    story.storyTitle = head.storedTitle;
    story.coverRecording = head.coverRecording;
    story.backgroundMusic = head.backgroundMusic;
    story.colorScheme = head.colorScheme;
    story.coverPicture = folder.resolve(head.coverPicture);
    story.fontName = head.fontName;
    story.fontBold = head.fontBold;
    story.fontItalic = head.fontItalic;
    return {};
}

Result<void> readChoice(FieldReader &field, PageChoice &choice, const AppFolder &folder) {
    field.skip(); // separator
    choice.picture = folder.resolve(field.text());
    choice.text = decodeLineBreaks(field.text());
    choice.recording = folder.resolve(field.text());
    choice.soundEffect = folder.resolve(field.text());
    choice.nextPageId = field.number();
    choice.prevPageId = field.number();
    return field.result();
}

Result<void> readPage(LineReader &in, StoryTemplate &story, int slot, const AppFolder &folder) {
    FieldReader field(in);
    TemplatePage &page = story.page(slot);
    page.inUse = true;
    field.skip(); // separator
    page.pageId = field.number();
    // The layout says how many choices a page shows; anything beyond three would send the
    // screens past the choices a page has.
    page.layout = field.number(kLayoutFree, kLayoutThreeChoices);
    page.pathSubtitle = field.text();
    page.pathRecording = field.text();
    for (PageChoice &choice : page.choices) {
        if (auto read = readChoice(field, choice, folder); !read)
            return read;
        if (choice.prevPageId == 0) {
            story.currentPageIndex = slot;
            story.currentPageId = page.pageId;
        }
    }
    return field.result();
}

// Where the given number of lines ends in raw bytes (just past the last line's terminator),
// or -1 when the bytes do not hold that many whole lines yet.
qsizetype endOfLines(const QByteArray &bytes, int count) {
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        if (--count == 0)
            return i + 1;
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
    }
    return -1;
}

// The line of a page group's page number; pages sit in slots 1..n in file order.
int pageGroupLine(int slot) {
    return kHeaderLines + (slot - 1) * kPageGroupLines + 2;
}

} // namespace

QString templateFileName(int storyId) {
    return QStringLiteral("story_") + QString::number(storyId) + QStringLiteral(".sty");
}

QStringList templateLines(const StoryTemplate &story) {
    QStringList lines;
    lines.reserve(kHeaderLines + kPageGroupLines * story.pagesInUse());
    lines << numberText(story.storyId) << encodeLineBreaks(story.storyTitle)
          << oneLine(story.coverRecording) << oneLine(story.backgroundMusic)
          << numberText(story.colorScheme == 0 ? 1 : story.colorScheme)
          << oneLine(story.coverPicture) << oneLine(story.fontName) << numberText(story.fontBold)
          << numberText(story.fontItalic);
    for (int slot = 1; slot <= kTemplateSlots; ++slot) {
        if (story.page(slot).inUse)
            appendPage(lines, story.page(slot));
    }
    return lines;
}

Result<StoryTemplate> parseTemplate(const QString &path, const QStringList &lines,
                                    const AppFolder &folder) {
    LineReader in(path, lines);
    StoryTemplate story;
    if (auto header = readHeader(in, story, folder); !header)
        return header.error();
    // The end of the file counts only between page groups: a file that stops inside one is
    // refused rather than loaded with a half page.
    int slot = 0;
    while (!in.atEnd()) {
        if (++slot > kTemplateSlots)
            return in.errorAt(
                QStringLiteral("The story holds more than %1 pages").arg(kTemplateSlots),
                in.lineNumber() + 1);
        if (auto page = readPage(in, story, slot, folder); !page) {
            if (page.error().line <= lines.size())
                return page.error();
            return in.errorAt(QStringLiteral("The story ends inside a page"), page.error().line);
        }
    }
    if (auto loop = findLinkLoop(story); loop.slot != 0)
        return in.errorAt(loop.message, pageGroupLine(loop.slot));
    return story;
}

Result<void> loadTemplate(StoryTemplate &story, int storyId, TemplateLoadMode mode,
                          const AppFolder &folder, Messages &messages) {
    const QString path = folder.filePath(templateFileName(storyId));
    auto lines = readTextLines(path);
    Result<StoryTemplate> parsed =
        lines ? parseTemplate(path, *lines, folder) : Result<StoryTemplate>(lines.error());
    if (!parsed) {
        story = StoryTemplate();
        return parsed.error();
    }
    story = std::move(parsed).value();
    if (mode == TemplateLoadMode::Editing) {
        const QString pattern = QStringLiteral("recording_%1_*.wav").arg(storyId);
        for (const QString &name : listFolder(folder, pattern))
            copyDataFile(folder, messages, name, QStringLiteral("temp_") + name);
    }
    return {};
}

Result<void> saveTemplate(StoryTemplate &story, const AppFolder &folder, Messages &messages) {
    const QString path = folder.filePath(templateFileName(story.storyId));
    // The file comes first: if it cannot be written, nothing else may change.
    if (auto written = writeTextLines(path, templateLines(story)); !written) {
        (void)messages.inform(QStringLiteral("The Story ") + story.storyTitle +
                              QStringLiteral(" could not be saved.\n") + written.error().text());
        return written;
    }
    if (story.colorScheme == 0)
        story.colorScheme = 1;
    // Working recordings of every template are promoted, not only this one's; the working
    // copies stay for the designer.
    bool allPromoted = true;
    for (const QString &name : listFolder(folder, QStringLiteral("temp_recording_*.wav"))) {
        if (!copyDataFile(folder, messages, name, name.mid(5)))
            allPromoted = false;
    }
    if (!allPromoted)
        return FileError{QStringLiteral("Some recordings could not be saved"),
                         templateFileName(story.storyId)};
    (void)messages.inform(QStringLiteral("The Story ") + story.storyTitle +
                          QStringLiteral(" has been saved"));
    return {};
}

Result<TemplateSummary> readTemplateSummary(const AppFolder &folder, const QString &fileName) {
    QFile file(folder.filePath(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return FileError{QStringLiteral("The file cannot be read: ") + file.errorString(),
                         fileName};
    // Only the head lines are decoded: a topic list of many large templates must not read
    // them whole.
    QByteArray head;
    qsizetype cut = -1;
    while (cut < 0 && !file.atEnd() && head.size() <= kHeaderLines * (kMaxTextLineLength + 2)) {
        head += file.read(4096);
        cut = endOfLines(head, kHeaderLines);
    }
    if (file.error() != QFileDevice::NoError)
        return FileError{QStringLiteral("The file cannot be read: ") + file.errorString(),
                         fileName};
    LineReader in(fileName, splitLines(cut < 0 ? head : head.left(cut)).mid(0, kHeaderLines));
    TemplateSummary summary;
    summary.fileName = fileName;
    if (auto read = readHead(in, summary); !read)
        return read.error();
    return summary;
}

QList<TemplateSummary> listTemplates(const AppFolder &folder, QList<FileError> *unreadable) {
    QList<TemplateSummary> templates;
    for (const QString &name : listFolder(folder, QStringLiteral("*.sty"))) {
        if (auto summary = readTemplateSummary(folder, name))
            templates.append(std::move(summary).value());
        else if (unreadable)
            unreadable->append(summary.error());
    }
    return templates;
}

} // namespace quillora
