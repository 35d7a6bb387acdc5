#include "Canvas.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace quillora::assets {

QColor rgb(std::uint32_t value) {
    return QColor((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

QImage blankImage(int width, int height, const QColor &fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QFont boldFont(qreal pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(6, static_cast<int>(pixelSize)));
    return font;
}

void drawFittedText(QPainter &painter, const QRectF &box, const QString &text, qreal maxPixels,
                    const QColor &colour, bool wrap, bool shadow) {
    const int flags = Qt::AlignCenter | (wrap ? Qt::TextWordWrap : 0);
    qreal size = maxPixels;
    for (; size > 7; size -= 1) {
        const QFontMetricsF metrics(boldFont(size));
        const QRectF needed = metrics.boundingRect(box, flags, text);
        if (needed.width() <= box.width() && needed.height() <= box.height())
            break;
    }
    painter.save();
    painter.setFont(boldFont(size));
    if (shadow) {
        const qreal offset = std::max<qreal>(1.0, size / 14.0);
        painter.setPen(QColor(0, 0, 0, 150));
        painter.drawText(box.translated(offset, offset), flags, text);
    }
    painter.setPen(colour);
    painter.drawText(box, flags, text);
    painter.restore();
}

void fillGradient(QPainter &painter, const QRectF &box, const QColor &top, const QColor &bottom,
                  qreal radius) {
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    if (radius > 0)
        painter.drawRoundedRect(box, radius, radius);
    else
        painter.drawRect(box);
    painter.restore();
}

} // namespace quillora::assets
