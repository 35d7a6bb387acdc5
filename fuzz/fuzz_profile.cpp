#include "FuzzSupport.h"
#include "core/profiles/StudentProfile.h"

using namespace quillora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString path = QStringLiteral("student_601.lgn");
    auto first = parseProfile(path, fuzz::linesOf(data, size));
    if (!first)
        return 0;
    auto again = parseProfile(path, profileLines(first.value()));
    fuzz::require(again.ok(), "a written profile does not read back");
    fuzz::require(again.value() == first.value(), "a profile reads back different");
    return 0;
}
