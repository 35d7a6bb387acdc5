#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace quillora {

// Numbers in data files take the line-printer form: a space for the sign of a number that
// is not negative (a minus sign otherwise), the digits, one trailing space.
QString numberText(long long value);

// Reads a number line, ignoring the spaces around it. Nothing for a line that is not a
// whole number (or a whole number written with a decimal point, such as "12.0").
std::optional<long long> parseNumber(QStringView line);

} // namespace quillora
