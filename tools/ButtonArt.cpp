#include "ButtonArt.h"

#include "Canvas.h"
#include "Icons.h"

#include <QPainter>
#include <QPainterPath>

namespace quillora::assets {

namespace {

const QColor kRim(20, 24, 32);
const QColor kHighlight(0xFF, 0xD7, 0x00);

struct Frame {
    int outer;
    int band;
    int inner;
    int total() const { return outer + band + inner; }
};

Frame frameFor(int width, int height) {
    const int side = std::min(width, height);
    if (side < 60)
        return {1, 4, 2};
    return {2, highlightBand(width, height), 3};
}

void drawFace(QPainter &p, const ButtonArtwork &art, const QRectF &face) {
    const QColor colour = rgb(art.colour);
    const qreal radius = std::min(face.width(), face.height()) / 8.0;
    fillGradient(p, face, colour.lighter(135), colour.darker(115), radius);
    // A soft gloss on the upper half makes the face read as something to press.
    QPainterPath gloss;
    gloss.addRoundedRect(face.adjusted(3, 3, -3, -face.height() * 0.55), radius, radius);
    p.fillPath(gloss, QColor(255, 255, 255, 45));

    const qreal pad = std::max<qreal>(3.0, std::min(face.width(), face.height()) * 0.06);
    const QRectF inside = face.adjusted(pad, pad, -pad, -pad);
    if (art.label.isEmpty()) {
        drawIcon(p, art.icon, inside, colour);
        return;
    }
    if (face.width() >= face.height() * 1.5) {
        // Wide, low buttons put the label beside the pictogram.
        const qreal iconSide = inside.height();
        drawIcon(p, art.icon, QRectF(inside.topLeft(), QSizeF(iconSide, iconSide)), colour);
        const QRectF label = inside.adjusted(iconSide + pad, 0, 0, 0);
        drawFittedText(p, label, art.label, inside.height() * 0.34, Qt::white);
        return;
    }
    const qreal labelHeight = inside.height() * 0.32;
    drawIcon(p, art.icon, inside.adjusted(0, 0, 0, -labelHeight), colour);
    const QRectF label(inside.left(), inside.bottom() - labelHeight, inside.width(), labelHeight);
    drawFittedText(p, label, art.label, labelHeight * 0.62, Qt::white);
}

} // namespace

int highlightBand(int width, int height) {
    const int side = std::min(width, height);
    if (side >= 150)
        return 10;
    if (side >= 60)
        return 8;
    return 4;
}

QImage drawButton(const ButtonArtwork &art, bool active) {
    const Frame frame = frameFor(art.width, art.height);
    const QColor colour = rgb(art.colour);
    QImage image = blankImage(art.width, art.height, active ? kRim : colour.darker(160));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF whole(0, 0, art.width, art.height);
    if (active) {
        // Dark, yellow, dark: the band contrasts with the face inside and the screen outside.
        const QRectF band = whole.adjusted(frame.outer, frame.outer, -frame.outer, -frame.outer);
        p.fillRect(band, kHighlight);
        const int rim = frame.outer + frame.band;
        p.fillRect(whole.adjusted(rim, rim, -rim, -rim), kRim);
    } else {
        // A bevel in a darker shade of the face, lit from the top left.
        fillGradient(p, whole.adjusted(1, 1, -1, -1), colour.darker(120), colour.darker(190));
        p.setPen(QPen(kRim, frame.outer));
        p.setBrush(Qt::NoBrush);
        p.drawRect(whole.adjusted(frame.outer / 2.0, frame.outer / 2.0, -frame.outer / 2.0,
                                  -frame.outer / 2.0));
    }
    const int inset = frame.total();
    drawFace(p, art, whole.adjusted(inset, inset, -inset, -inset));
    return image;
}

} // namespace quillora::assets
