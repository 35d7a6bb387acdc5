#pragma once

#include <QString>

namespace quillora {

inline constexpr int kMinimumScreenWidth = 1024;
inline constexpr int kMinimumScreenHeight = 768;

// The student screens are laid out for at least 1024 x 768 pixels.
inline bool screenIsLargeEnough(int width, int height) {
    return width >= kMinimumScreenWidth && height >= kMinimumScreenHeight;
}

// The message shown before the program ends on a smaller screen. Its wording is the
// program's own and is kept exactly, line breaks included.
inline QString screenTooSmallMessage(int width, int height) {
    return QStringLiteral("The screen resolution must be a minimum of 1024 x 768\n\n"
                          "Your screen resolution is set to ") +
           QLatin1Char(' ') + QString::number(width) + QStringLiteral(" x ") + QLatin1Char(' ') +
           QString::number(height) + QStringLiteral("\n\nQuillora will not terminate");
}

} // namespace quillora
