#include "core/template/TemplateValidation.h"

#include "core/template/TemplateFile.h"

#include <algorithm>

namespace quillora {

namespace {

SaveRefusal onCover(SaveCheck check, const QString &message) {
    return SaveRefusal{check, message, kCoverSection, 0, 0};
}

QString pictureReason(const TemplatePage &page, int choice) {
    if (page.layout <= kLayoutSimple)
        return QStringLiteral("A Picture is required");
    return QStringLiteral("A Picture is required for choice number ") + QString::number(choice);
}

// The number goes in in its line-printer form, a space standing for its sign.
QString endsInDecisionReason(int choice) {
    return QStringLiteral("The end of path number  %1 cannot end with a decision").arg(choice);
}

QString subtitleReason() {
    return QStringLiteral("Please enter a subtitle for this path\rThis subtitle is displayed on "
                          "the book cover when the student chooses this path");
}

bool isDecision(const TemplatePage &page) {
    return page.layout > kLayoutSimple;
}

int shownChoices(const TemplatePage &page) {
    return isDecision(page) ? page.layout : kLayoutSimple;
}

} // namespace

std::optional<SaveRefusal> checkCover(const CoverEntry &shown, int storyId,
                                      const AppFolder &folder) {
    const QString title = shown.title.trimmed();
    if (title.isEmpty())
        return onCover(SaveCheck::TitleMissing, QStringLiteral("A Story Title is Required"));
    if (shown.coverPicture.trimmed().isEmpty())
        return onCover(SaveCheck::CoverPictureMissing,
                       QStringLiteral("A picture is required for the cover"));
    if (titleInUse(title, storyId, folder))
        return onCover(SaveCheck::TitleInUse, QStringLiteral("The Title of this Story ") + title +
                                                  QStringLiteral(" has already been used"));
    return std::nullopt;
}

bool titleInUse(const QString &title, int storyId, const AppFolder &folder) {
    const QList<TemplateSummary> templates = listTemplates(folder);
    return std::any_of(templates.begin(), templates.end(), [&](const TemplateSummary &other) {
        return other.storedTitle == title && other.storyId != storyId;
    });
}

std::optional<SaveRefusal> checkPaths(const StoryTemplate &story) {
    const bool decisions = hasDecisionPage(story);
    for (int slot = 1; slot <= kTemplateSlots; ++slot) {
        if (!story.page(slot).inUse)
            continue;
        // The pictures of other pages were checked as the teacher left them; only the
        // paths are this check's business.
        for (const PageProblem &problem : pageProblems(story, slot, decisions)) {
            if (problem.check != SaveCheck::PictureMissing)
                return SaveRefusal{problem.check, problem.reason, kPageDetailsSection,
                                   story.page(slot).pageId, slot};
        }
    }
    return std::nullopt;
}

bool hasDecisionPage(const StoryTemplate &story) {
    for (int slot = 1; slot <= kTemplateSlots; ++slot) {
        if (story.page(slot).inUse && isDecision(story.page(slot)))
            return true;
    }
    return false;
}

QList<PageProblem> pageProblems(const StoryTemplate &story, int slot, bool hasDecisions) {
    const TemplatePage &page = story.page(slot);
    QList<PageProblem> problems;
    for (int k = 1; k <= shownChoices(page); ++k) {
        if (page.choice(k).picture.isEmpty())
            problems.append({SaveCheck::PictureMissing, k, pictureReason(page, k)});
    }
    if (isDecision(page)) {
        for (int k = 1; k <= page.layout; ++k) {
            if (page.choice(k).nextPageId == 0)
                problems.append({SaveCheck::PathEndsInDecision, k, endsInDecisionReason(k)});
        }
    } else if (hasDecisions && page.choice(1).nextPageId == 0 && page.pathSubtitle.isEmpty()) {
        problems.append({SaveCheck::SubtitleMissing, 0, subtitleReason()});
    }
    return problems;
}

} // namespace quillora
