#pragma once

#include "AssetCatalog.h"

#include <QImage>

namespace quillora::assets {

// Draws one of the catalogue's pictures (covers, pages, logo, panels). A null image for a
// name this module does not know.
QImage drawPicture(const PictureArtwork &art);

} // namespace quillora::assets
