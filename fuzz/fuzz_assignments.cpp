#include "FuzzSupport.h"
#include "core/profiles/Assignments.h"

using namespace quillora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString path = QStringLiteral("student_story_assignments_601.asg");
    auto first = parseAssignments(path, fuzz::linesOf(data, size));
    if (!first)
        return 0;
    fuzz::require(first.value().size() <= kAssignmentLimit, "too many assignments read");
    auto again = parseAssignments(path, assignmentLines(first.value()));
    fuzz::require(again.ok() && again.value() == first.value(), "assignments read back different");
    return 0;
}
