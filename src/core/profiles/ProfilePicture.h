#pragma once

#include <QSize>

namespace quillora {

// The student's picture on the options panel is at most this large, in twips.
inline constexpr int kProfilePictureMaxWidthTwips = 2750;
inline constexpr int kProfilePictureMaxHeightTwips = 2200;

// The shown size of a picture of the given natural size, both in twips: first no wider than
// 2750 (the height following), then no taller than 2200 (the width following), so it keeps
// its proportions. A picture that fits keeps its size.
QSize fitProfilePicture(QSize natural);

} // namespace quillora
