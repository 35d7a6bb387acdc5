#include "core/library/LibraryCheck.h"

#include "core/AppFolder.h"
#include "core/TextFile.h"
#include "core/book/PersonalBook.h"
#include "core/template/FolderListing.h"
#include "core/template/TemplateFile.h"
#include "core/template/TemplateValidation.h"

#include <QFileInfo>
#include <QHash>
#include <QMap>

namespace quillora {

namespace {

QString readError(const FileError &error) {
    QString text = QStringLiteral("cannot be read: ") + error.message;
    if (error.line > 0)
        text += QStringLiteral(" (line %1)").arg(error.line);
    return text;
}

class TemplateChecker {
public:
    TemplateChecker(const AppFolder &folder, const QString &fileName, const StoryTemplate &story,
                    QList<LibraryProblem> &out)
        : m_folder(folder)
        , m_file(fileName)
        , m_story(story)
        , m_out(out) {}

    void run() {
        if (m_story.coverPicture.isEmpty() || m_story.coverPicture == QLatin1String("None"))
            add(0, QStringLiteral("the cover has no picture"));
        media(0, m_story.coverPicture, QStringLiteral("cover picture"));
        media(0, m_story.coverRecording, QStringLiteral("cover narration"));
        media(0, m_story.backgroundMusic, QStringLiteral("background music"));
        const bool decisions = hasDecisionPage(m_story);
        for (int slot = 1; slot <= kTemplateSlots; ++slot) {
            if (m_story.page(slot).inUse)
                page(slot, decisions);
        }
    }

private:
    void add(int pageId, const QString &text) {
        m_out.append(LibraryProblem{m_file, text, m_story.storyId, pageId});
    }

    void media(int pageId, const QString &stored, const QString &what) {
        if (stored.isEmpty() || stored == QLatin1String("None"))
            return;
        const QString path = m_folder.resolve(stored);
        if (!QFileInfo(path).isFile())
            add(pageId, QStringLiteral("%1%2 %3 is missing")
                            .arg(pageId ? QStringLiteral("page %1: ").arg(pageId) : QString(), what,
                                 QFileInfo(path).fileName()));
    }

    void page(int slot, bool decisions) {
        const TemplatePage &page = m_story.page(slot);
        const QString where = QStringLiteral("page %1: ").arg(page.pageId);
        for (const PageProblem &problem : pageProblems(m_story, slot, decisions))
            add(page.pageId, where + problem.reason);
        for (int k = 1; k <= kChoicesPerPage; ++k) {
            const PageChoice &choice = page.choice(k);
            if (k <= std::max(page.layout, 1) && choice.nextPageId != 0 &&
                m_story.findPageIndex(choice.nextPageId) == 0)
                add(page.pageId, where + QStringLiteral("choice %1 leads to page %2, which is not "
                                                        "in the template")
                                             .arg(k)
                                             .arg(choice.nextPageId));
            media(page.pageId, choice.picture, QStringLiteral("picture"));
            media(page.pageId, choice.recording, QStringLiteral("narration"));
            media(page.pageId, choice.soundEffect, QStringLiteral("sound effect"));
        }
        media(page.pageId, page.pathRecording, QStringLiteral("path narration"));
    }

    const AppFolder &m_folder;
    QString m_file;
    const StoryTemplate &m_story;
    QList<LibraryProblem> &m_out;
};

void checkBook(const AppFolder &folder, const QString &fileName,
               const QHash<int, StoryTemplate> &templates, QList<LibraryProblem> &out) {
    const QString path = folder.filePath(fileName);
    auto lines = readTextLines(path);
    if (!lines) {
        out.append(LibraryProblem{fileName, readError(lines.error()), 0, 0});
        return;
    }
    auto book = parseBook(path, lines.value());
    if (!book) {
        out.append(LibraryProblem{fileName, readError(book.error()), 0, 0});
        return;
    }
    const auto found = templates.constFind(book->storyId);
    // A book of a deleted template is never offered to read, so it cannot stop the program.
    if (found == templates.constEnd())
        return;
    for (int pageId : book->bookPageIds) {
        if (found->findPageIndex(pageId) == 0) {
            out.append(LibraryProblem{
                fileName,
                QStringLiteral("no longer fits story template %1: its page %2 is not there any "
                               "more")
                    .arg(book->storyId)
                    .arg(pageId),
                0, 0});
            return;
        }
    }
}

} // namespace

QString problemLine(const LibraryProblem &problem) {
    return problem.fileName + QStringLiteral(": ") + problem.text;
}

QList<LibraryProblem> checkLibrary(const AppFolder &folder) {
    QList<LibraryProblem> problems;
    QHash<int, StoryTemplate> templates;
    QMap<QString, QString> firstWithTitle;
    for (const QString &fileName : listFolder(folder, QStringLiteral("*.sty"))) {
        const QString path = folder.filePath(fileName);
        auto lines = readTextLines(path);
        auto story = lines ? parseTemplate(path, lines.value(), folder)
                           : Result<StoryTemplate>(lines.error());
        if (!story) {
            problems.append(LibraryProblem{fileName, readError(story.error()), 0, 0});
            continue;
        }
        TemplateChecker(folder, fileName, story.value(), problems).run();
        const auto earlier = firstWithTitle.constFind(story->storyTitle);
        if (earlier != firstWithTitle.constEnd())
            problems.append(
                LibraryProblem{fileName,
                               QStringLiteral("has the title \"%1\", as %2 has")
                                   .arg(decodeLineBreaks(story->storyTitle), earlier.value()),
                               story->storyId, 0});
        else
            firstWithTitle.insert(story->storyTitle, fileName);
        templates.insert(story->storyId, story.value());
    }
    for (const QString &fileName : listFolder(folder, QStringLiteral("mystory_*.msy")))
        checkBook(folder, fileName, templates, problems);
    return problems;
}

QString checkSummary(const QList<LibraryProblem> &problems) {
    if (problems.isEmpty())
        return QStringLiteral("The library check found no problem.");
    return problems.size() == 1
               ? QStringLiteral("The library check found 1 problem.")
               : QStringLiteral("The library check found %1 problems.").arg(problems.size());
}

} // namespace quillora
