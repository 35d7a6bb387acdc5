#include "FuzzSupport.h"
#include "core/book/PersonalBook.h"

using namespace quillora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString path = QStringLiteral("mystory_601_4999_1_12_106.msy");
    auto first = parseBook(path, fuzz::linesOf(data, size));
    if (!first)
        return 0;
    auto again = parseBook(path, bookLines(first.value()));
    fuzz::require(again.ok(), "a written book does not read back");
    fuzz::require(again.value() == first.value(), "a book reads back different");
    return 0;
}
