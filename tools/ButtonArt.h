#pragma once

#include "AssetCatalog.h"

#include <QImage>

namespace quillora::assets {

// A button picture: a raised coloured face with its pictogram and label. The highlighted
// twin is the same face inside a thick yellow frame with dark rims on both sides, so the
// highlight stands out against the face and against any screen colour.
QImage drawButton(const ButtonArtwork &art, bool active);

// Width of the yellow band of the highlight for a button of this size.
int highlightBand(int width, int height);

} // namespace quillora::assets
