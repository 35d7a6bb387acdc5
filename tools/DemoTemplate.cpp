#include "DemoTemplate.h"

#include "core/NumberText.h"
#include "core/TextFile.h"

#include <QFileInfo>
#include <QSet>

namespace quillora::assets {

namespace {

constexpr int kHeaderLines = 9;
constexpr int kPageLines = 26;
const QString kPageSeparator(28, QLatin1Char('='));
const QString kChoiceSeparator(12, QLatin1Char('-'));

Result<int> pageNumber(LineReader &reader) {
    auto value = reader.number(0, 32767);
    if (!value)
        return value.error();
    return static_cast<int>(*value);
}

Result<void> separator(LineReader &reader, const QString &expected) {
    auto line = reader.text();
    if (!line)
        return line.error();
    if (*line != expected)
        return reader.errorAt(QStringLiteral("Expected the separator ") + expected,
                              reader.lineNumber());
    return {};
}

Result<DemoChoice> readChoice(LineReader &reader) {
    if (auto ok = separator(reader, kChoiceSeparator); !ok)
        return ok.error();
    DemoChoice choice;
    for (QString *field : {&choice.picture, &choice.text, &choice.recording, &choice.soundEffect}) {
        auto line = reader.text();
        if (!line)
            return line.error();
        *field = *line;
    }
    auto next = pageNumber(reader);
    if (!next)
        return next.error();
    auto prev = pageNumber(reader);
    if (!prev)
        return prev.error();
    choice.nextPageId = *next;
    choice.prevPageId = *prev;
    return choice;
}

Result<DemoPage> readPage(LineReader &reader) {
    if (auto ok = separator(reader, kPageSeparator); !ok)
        return ok.error();
    DemoPage page;
    auto id = pageNumber(reader);
    if (!id)
        return id.error();
    auto layout = reader.number(1, 3);
    if (!layout)
        return layout.error();
    page.pageId = *id;
    page.layout = static_cast<int>(*layout);
    for (QString *field : {&page.pathSubtitle, &page.pathRecording}) {
        auto line = reader.text();
        if (!line)
            return line.error();
        *field = *line;
    }
    for (DemoChoice &choice : page.choices) {
        auto read = readChoice(reader);
        if (!read)
            return read.error();
        choice = *read;
    }
    return page;
}

Result<void> readHeader(LineReader &reader, DemoTemplate &story) {
    auto id = reader.number(1, 1000000);
    if (!id)
        return id.error();
    story.storyId = static_cast<int>(*id);
    for (QString *field : {&story.title, &story.coverRecording, &story.backgroundMusic}) {
        auto line = reader.text();
        if (!line)
            return line.error();
        *field = *line;
    }
    auto scheme = reader.number(1, 12);
    if (!scheme)
        return scheme.error();
    story.colorScheme = static_cast<int>(*scheme);
    for (QString *field : {&story.coverPicture, &story.fontName}) {
        auto line = reader.text();
        if (!line)
            return line.error();
        *field = *line;
    }
    auto bold = reader.number(0, 1);
    if (!bold)
        return bold.error();
    auto italic = reader.number(0, 1);
    if (!italic)
        return italic.error();
    story.fontBold = static_cast<int>(*bold);
    story.fontItalic = static_cast<int>(*italic);
    return {};
}

// The demo must be a tree rooted at one first page, with every link pointing at a page.
Result<void> checkLinks(const DemoTemplate &story, const QString &name) {
    QSet<int> ids;
    for (const DemoPage &page : story.pages)
        ids.insert(page.pageId);
    int firstPages = 0;
    for (const DemoPage &page : story.pages) {
        const auto fail = [&](const QString &why) {
            return FileError{QStringLiteral("Page %1: ").arg(page.pageId) + why, name};
        };
        const int prev = page.choices[0].prevPageId;
        if (prev == 0)
            ++firstPages;
        else if (!ids.contains(prev))
            return fail(QStringLiteral("the previous page does not exist"));
        for (int k = 0; k < 3; ++k) {
            const DemoChoice &choice = page.choices[static_cast<size_t>(k)];
            if (choice.prevPageId != prev)
                return fail(QStringLiteral("the choices disagree about the previous page"));
            if (k < page.layout && choice.nextPageId != 0 && !ids.contains(choice.nextPageId))
                return fail(QStringLiteral("a choice leads to a page that does not exist"));
        }
    }
    if (firstPages != 1)
        return FileError{QStringLiteral("The story must have exactly one first page"), name};
    return {};
}

} // namespace

QString decodeLineBreaks(const QString &text) {
    QString result = text;
    result.replace(QLatin1Char('{'), QLatin1Char('\n'));
    result.replace(QLatin1Char('}'), QLatin1Char('\r'));
    return result;
}

Result<DemoTemplate> readDemoTemplate(const QString &path) {
    auto lines = readTextLines(path);
    if (!lines)
        return lines.error();
    const QString name = QFileInfo(path).fileName();
    if (lines->size() < kHeaderLines + kPageLines ||
        (lines->size() - kHeaderLines) % kPageLines != 0)
        return FileError{QStringLiteral("Expected 9 header lines and whole 26-line page groups"),
                         name};
    LineReader reader(path, *lines);
    DemoTemplate story;
    if (auto ok = readHeader(reader, story); !ok)
        return ok.error();
    while (!reader.atEnd()) {
        auto page = readPage(reader);
        if (!page)
            return page.error();
        story.pages.append(*page);
    }
    if (auto ok = checkLinks(story, name); !ok)
        return ok.error();
    return story;
}

QStringList templateLines(const DemoTemplate &story) {
    QStringList lines{numberText(story.storyId),
                      story.title,
                      story.coverRecording,
                      story.backgroundMusic,
                      numberText(story.colorScheme),
                      story.coverPicture,
                      story.fontName,
                      numberText(story.fontBold),
                      numberText(story.fontItalic)};
    for (const DemoPage &page : story.pages) {
        lines << kPageSeparator << numberText(page.pageId) << numberText(page.layout)
              << page.pathSubtitle << page.pathRecording;
        for (const DemoChoice &choice : page.choices)
            lines << kChoiceSeparator << choice.picture << choice.text << choice.recording
                  << choice.soundEffect << numberText(choice.nextPageId)
                  << numberText(choice.prevPageId);
    }
    return lines;
}

QStringList mediaNames(const DemoTemplate &story) {
    QStringList names{story.coverRecording, story.backgroundMusic, story.coverPicture};
    for (const DemoPage &page : story.pages) {
        names << page.pathRecording;
        for (const DemoChoice &choice : page.choices)
            names << choice.picture << choice.recording << choice.soundEffect;
    }
    names.removeAll(QString());
    names.removeAll(QStringLiteral("None"));
    names.removeDuplicates();
    return names;
}

} // namespace quillora::assets
