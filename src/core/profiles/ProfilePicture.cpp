#include "core/profiles/ProfilePicture.h"

namespace quillora {

QSize fitProfilePicture(QSize natural) {
    if (natural.width() <= 0 || natural.height() <= 0)
        return {};
    long long width = natural.width();
    long long height = natural.height();
    if (width > kProfilePictureMaxWidthTwips) {
        height = height * kProfilePictureMaxWidthTwips / width;
        width = kProfilePictureMaxWidthTwips;
    }
    if (height > kProfilePictureMaxHeightTwips) {
        width = width * kProfilePictureMaxHeightTwips / height;
        height = kProfilePictureMaxHeightTwips;
    }
    return {static_cast<int>(width), static_cast<int>(height)};
}

} // namespace quillora
