#pragma once

#include "AssetCatalog.h"

#include <QColor>
#include <QRectF>

class QPainter;

namespace quillora::assets {

// Draws a bold, outlined pictogram into the largest square that fits the box. Shapes are
// white with a dark outline so they read on any button colour; accent marks take `accent`.
void drawIcon(QPainter &painter, Icon icon, const QRectF &box, const QColor &accent);

} // namespace quillora::assets
