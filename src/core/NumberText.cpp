#include "core/NumberText.h"

#include <cmath>

namespace quillora {

QString numberText(long long value) {
    if (value < 0)
        return QString::number(value) + QLatin1Char(' ');
    return QLatin1Char(' ') + QString::number(value) + QLatin1Char(' ');
}

std::optional<long long> parseNumber(QStringView line) {
    const QStringView trimmed = line.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const long long whole = trimmed.toLongLong(&ok);
    if (ok)
        return whole;
    // Older files may hold a whole number written as a floating value.
    const double real = trimmed.toDouble(&ok);
    if (ok && std::isfinite(real) && real == std::floor(real) && std::fabs(real) < 9.0e15)
        return static_cast<long long>(real);
    return std::nullopt;
}

} // namespace quillora
