#include "TeacherArt.h"

#include "Canvas.h"
#include "Icons.h"

#include <QPainter>

namespace quillora::assets {

namespace {

// Marks the first page of a story in the designer's left preview: a green flag on a post,
// with the word the teacher reads.
QImage startMarker(int width, int height) {
    QImage image = blankImage(width, height, QColor(51, 102, 153));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillGradient(p, QRectF(4, 4, width - 8, height - 8), QColor(76, 175, 80), QColor(27, 94, 32),
                 10);
    p.setPen(QPen(Qt::white, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(4, 4, width - 8, height - 8), 10, 10);
    drawIcon(p, Icon::Flag, QRectF(8, 8, height * 0.55, height * 0.55), QColor(255, 215, 0));
    drawFittedText(p, QRectF(8, height * 0.55, width - 16, height * 0.4), QStringLiteral("Start"),
                   height * 0.3, Qt::white, false);
    return image;
}

} // namespace

QImage drawTeacherPicture(const PictureArtwork &art) {
    if (art.name == QLatin1String(kTeacherStartMarker))
        return startMarker(art.width, art.height);
    return {};
}

} // namespace quillora::assets
