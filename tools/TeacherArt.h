#pragma once

#include "AssetCatalog.h"

#include <QImage>

namespace quillora::assets {

// The teacher form's own pictures that are not buttons (the designer's start marker). A null
// image for a name this module does not know.
QImage drawTeacherPicture(const PictureArtwork &art);

} // namespace quillora::assets
