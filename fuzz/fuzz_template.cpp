#include "FuzzSupport.h"
#include "core/template/TemplateFile.h"

using namespace quillora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString path = QStringLiteral("story_1.sty");
    auto first = parseTemplate(path, fuzz::linesOf(data, size), fuzz::fuzzFolder());
    if (!first)
        return 0;
    StoryTemplate story = std::move(first).value();
    const QStringList written = templateLines(story);
    auto again = parseTemplate(path, written, fuzz::fuzzFolder());
    fuzz::require(again.ok(), "a written template does not read back");
    // A scheme of 0 is written as 1; everything else must come back as it was.
    if (story.colorScheme == 0)
        story.colorScheme = 1;
    fuzz::require(again.value() == story, "a template reads back different");
    fuzz::require(templateLines(again.value()) == written, "a template writes differently");
    return 0;
}
