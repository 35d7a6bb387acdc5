#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

#include <cstdint>

class QPainter;

namespace quillora::assets {

QColor rgb(std::uint32_t value);

// An opaque picture filled with one colour, ready to paint on.
QImage blankImage(int width, int height, const QColor &fill);

// The one face every picture uses: the fonts here are DejaVu only.
QFont boldFont(qreal pixelSize);

// Draws text in the box, shrinking the font until the text fits (wrapping at spaces when
// allowed), with a soft dark shadow so it stays readable on any colour.
void drawFittedText(QPainter &painter, const QRectF &box, const QString &text, qreal maxPixels,
                    const QColor &colour, bool wrap = true, bool shadow = true);

// A vertical gradient from `top` to `bottom` filling the box.
void fillGradient(QPainter &painter, const QRectF &box, const QColor &top, const QColor &bottom,
                  qreal radius = 0);

} // namespace quillora::assets
