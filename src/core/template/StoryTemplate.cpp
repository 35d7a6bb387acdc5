#include "core/template/StoryTemplate.h"

#include <algorithm>

namespace quillora {

namespace {
// Page numbers start above 101 so that the first page of a template is 102.
constexpr int kLowestPageIdBase = 101;
constexpr int kHighestPageId = 32767;
} // namespace

StoryTemplate::StoryTemplate()
    : m_pages(kTemplateSlots) {}

void StoryTemplate::clearTemplate() {
    std::fill(m_pages.begin(), m_pages.end(), TemplatePage{});
    editingAllowed = true;
}

int StoryTemplate::findPageIndex(int pageId) const {
    const auto found = std::find_if(m_pages.begin(), m_pages.end(),
                                    [pageId](const TemplatePage &p) { return p.pageId == pageId; });
    if (found == m_pages.end())
        return 0;
    return static_cast<int>(found - m_pages.begin()) + 1;
}

std::optional<int> StoryTemplate::newPageId() {
    int highest = kLowestPageIdBase;
    for (const TemplatePage &p : m_pages)
        highest = std::max(highest, p.pageId);
    if (highest >= kHighestPageId)
        return std::nullopt;
    currentPageId = highest + 1;
    return currentPageId;
}

int StoryTemplate::pagesInUse() const {
    return static_cast<int>(std::count_if(m_pages.begin(), m_pages.end(),
                                          [](const TemplatePage &p) { return p.inUse; }));
}

QString encodeLineBreaks(const QString &text) {
    QString encoded = text;
    encoded.replace(QLatin1Char('\n'), QLatin1Char('{'));
    encoded.replace(QLatin1Char('\r'), QLatin1Char('}'));
    return encoded;
}

QString decodeLineBreaks(const QString &text) {
    QString decoded = text;
    decoded.replace(QLatin1Char('{'), QLatin1Char('\n'));
    decoded.replace(QLatin1Char('}'), QLatin1Char('\r'));
    return decoded;
}

} // namespace quillora
