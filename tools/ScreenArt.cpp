#include "ScreenArt.h"

#include "Canvas.h"
#include "Icons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>

namespace quillora::assets {

namespace {

const QColor kInk(27, 36, 48);
const QColor kCream(255, 250, 235);
const QColor kMenuBlue(70, 130, 180);  // the main menu's background
const QColor kPageGrey(239, 239, 239); // the page frames' background

QColor coverColour(const QString &name) {
    static const QHash<QString, QColor> colours{{QStringLiteral("green"), QColor(46, 158, 74)},
                                                {QStringLiteral("blue"), QColor(31, 111, 196)},
                                                {QStringLiteral("purple"), QColor(123, 70, 184)},
                                                {QStringLiteral("gray"), QColor(120, 128, 140)},
                                                {QStringLiteral("orange"), QColor(232, 128, 20)},
                                                {QStringLiteral("red"), QColor(200, 52, 46)}};
    return colours.value(name, Qt::gray);
}

QPainterPath starPath(const QPointF &c, qreal outer, qreal inner) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? outer : inner;
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

void star(QPainter &p, const QPointF &c, qreal size, const QColor &fill) {
    p.setPen(QPen(kInk, std::max<qreal>(1.5, size / 8)));
    p.setBrush(fill);
    p.drawPath(starPath(c, size, size * 0.45));
}

void roundedPanel(QPainter &p, const QRectF &r, const QColor &fill, qreal radius, qreal pen = 3,
                  const QColor &edge = kInk) {
    p.setPen(pen > 0 ? QPen(edge, pen) : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
}

void shadowedPanel(QPainter &p, const QRectF &r, const QColor &fill, qreal radius) {
    roundedPanel(p, r.translated(6, 6), QColor(0, 0, 0, 70), radius, 0);
    roundedPanel(p, r, fill, radius);
}

// The collection cover. Its plain areas sit where the collection screen lays its labels
// and pictures: the title (49, 47, 516 x 172), the template cover and the last page
// (80 / 321, 253, 234 x 164), the version and the author along the bottom.
QImage cover(const QString &colourName) {
    const QColor colour = coverColour(colourName);
    QImage image = blankImage(580, 568, colour);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillGradient(p, QRectF(0, 0, 580, 568), colour.lighter(120), colour.darker(115));
    // A quiet pattern of dots, so the cover looks like cloth rather than paint.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 28));
    for (int y = 20; y < 568; y += 24)
        for (int x = 50 + (y / 24 % 2) * 12; x < 580; x += 24)
            p.drawEllipse(QPointF(x, y), 3, 3);
    // Spine with stitching.
    fillGradient(p, QRectF(0, 0, 36, 568), colour.darker(150), colour.darker(170));
    p.setPen(QPen(QColor(255, 255, 255, 150), 2, Qt::DashLine));
    p.drawLine(QPointF(28, 8), QPointF(28, 560));
    p.setPen(QPen(colour.lighter(160), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(42, 10, 528, 548), 16, 16);
    shadowedPanel(p, QRectF(49, 40, 516, 186), kCream, 18);
    for (const qreal x : {80.0, 321.0})
        shadowedPanel(p, QRectF(x - 3, 250, 240, 170), Qt::white, 8);
    shadowedPanel(p, QRectF(52, 494, 510, 62), kCream, 14);
    for (int i = 0; i < 5; ++i)
        star(p, QPointF(140 + i * 80, 458), 13, i % 2 ? QColor(255, 215, 0) : colour.lighter(170));
    return image;
}

QImage thumbnail(const QString &colourName) {
    return cover(colourName).scaled(145, 142, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The notebook page of a simple page: the template picture goes 50 px from the top and the
// text below it, so the rings stay in the top 40 px. They leave the top corners free: the
// read-aloud button stands in the right one (x 659-707), a star in the left. The text lies
// on a panel of its own, so the page has no ruled lines for it to cut through.
QImage notebookPage() {
    QImage image = blankImage(760, 570, kPageGrey);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The paper reaches below the text panel (430 to 563), so the panel sits on the page.
    roundedPanel(p, QRectF(8, 14, 748, 556), QColor(0, 0, 0, 50), 18, 0);
    roundedPanel(p, QRectF(4, 10, 748, 556), QColor(253, 252, 245), 18, 2, QColor(170, 170, 160));
    p.setPen(QPen(QColor(230, 120, 120), 2));
    p.drawLine(QPointF(30, 40), QPointF(30, 556));
    for (int x = 120; x + 16 <= 640; x += 36) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 70, 80));
        p.drawEllipse(QPointF(x + 8, 30), 5, 5);
        p.setPen(QPen(QColor(120, 125, 135), 5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(x, 2, 16, 34), 0, 180 * 16);
        p.setPen(QPen(QColor(210, 214, 222), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(x + 2, 4, 12, 30), 30 * 16, 120 * 16);
    }
    star(p, QPointF(66, 28), 12, QColor(255, 215, 0));
    return image;
}

QImage decisionCard() {
    QImage image = blankImage(300, 480, kPageGrey);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    roundedPanel(p, QRectF(8, 8, 290, 470), QColor(0, 0, 0, 50), 20, 0);
    roundedPanel(p, QRectF(4, 4, 290, 470), Qt::white, 20, 3, QColor(90, 140, 200));
    p.setPen(QPen(QColor(255, 200, 60), 4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(12, 12, 274, 454), 14, 14);
    star(p, QPointF(30, 30), 9, QColor(255, 215, 0));
    star(p, QPointF(268, 30), 9, QColor(255, 215, 0));
    return image;
}

QImage theEnd() {
    QImage image = blankImage(640, 480, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillGradient(p, QRectF(0, 0, 640, 480), QColor(120, 190, 255), QColor(255, 236, 180));
    // Stars above the title and beside the book, never behind the letters.
    const QPointF stars[] = {{60, 50}, {190, 36}, {450, 36}, {580, 50}, {110, 370}, {530, 370}};
    for (const QPointF &c : stars)
        star(p, c, 18, QColor(255, 215, 0));
    // A closed book with a ribbon.
    roundedPanel(p, QRectF(230, 290, 180, 140), QColor(200, 52, 46), 10);
    roundedPanel(p, QRectF(244, 302, 152, 30), kCream, 6, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 215, 0));
    p.drawPolygon(QPolygonF({QPointF(370, 290), QPointF(390, 290), QPointF(390, 460),
                             QPointF(380, 448), QPointF(370, 460)}));
    drawFittedText(p, QRectF(70, 90, 500, 170), QStringLiteral("The End"), 110,
                   QColor(123, 70, 184), false);
    return image;
}

QImage movie() {
    QImage image = blankImage(320, 240, QColor(30, 30, 36));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 235, 240));
    for (int x = 10; x < 320; x += 28) {
        p.drawRoundedRect(QRectF(x, 10, 16, 20), 3, 3);
        p.drawRoundedRect(QRectF(x, 210, 16, 20), 3, 3);
    }
    fillGradient(p, QRectF(20, 42, 280, 156), QColor(80, 140, 220), QColor(40, 80, 150), 8);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(QPointF(160, 112), 40, 40);
    p.setBrush(QColor(200, 52, 46));
    p.drawPolygon(QPolygonF({QPointF(146, 90), QPointF(182, 112), QPointF(146, 134)}));
    drawFittedText(p, QRectF(20, 160, 280, 36), QStringLiteral("Movie"), 24, Qt::white, false);
    return image;
}

void quillAndBook(QPainter &p, const QRectF &area) {
    p.save();
    p.translate(area.topLeft());
    p.scale(area.width() / 260.0, area.height() / 240.0);
    drawIcon(p, Icon::OpenBook, QRectF(10, 40, 200, 200), QColor(31, 111, 196));
    // The quill: a curved feather with a dark nib.
    QPainterPath feather;
    feather.moveTo(150, 150);
    feather.cubicTo(170, 90, 210, 40, 250, 10);
    feather.cubicTo(244, 60, 214, 110, 158, 152);
    feather.closeSubpath();
    p.setPen(QPen(kInk, 3));
    p.setBrush(QColor(255, 160, 60));
    p.drawPath(feather);
    p.setPen(QPen(kInk, 2));
    p.drawLine(QPointF(154, 150), QPointF(244, 20));
    p.setPen(QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(152, 152), QPointF(140, 176));
    p.restore();
}

QImage mainLogo() {
    QImage image = blankImage(760, 300, kMenuBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    shadowedPanel(p, QRectF(10, 10, 734, 274), kCream, 30);
    quillAndBook(p, QRectF(30, 30, 250, 230));
    drawFittedText(p, QRectF(290, 40, 440, 150), QStringLiteral("Quillora"), 110,
                   QColor(123, 70, 184), false);
    drawFittedText(p, QRectF(290, 190, 440, 70),
                   QStringLiteral("Write and read your own picture books"), 30,
                   QColor(31, 111, 196), true, false);
    return image;
}

QImage mainFooter() {
    QImage image = blankImage(1000, 70, kMenuBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor spines[] = {QColor(200, 52, 46), QColor(232, 128, 20), QColor(255, 200, 40),
                             QColor(46, 158, 74), QColor(31, 111, 196), QColor(123, 70, 184)};
    for (int i = 0; i < 12; ++i) {
        const qreal height = 40 + (i * 7) % 20;
        const QColor colour = spines[i % 6];
        for (const qreal x : {20.0 + i * 22, 958.0 - i * 22})
            roundedPanel(p, QRectF(x, 66 - height, 18, height), colour, 3, 2);
    }
    drawFittedText(p, QRectF(300, 8, 400, 54), QStringLiteral("Quillora  \u2022  Version 1.0"), 26,
                   Qt::white, false);
    return image;
}

void hourglass(QPainter &p, const QRectF &box) {
    const qreal cx = box.center().x();
    const qreal w = box.width() * 0.32;
    p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawPolygon(
        QPolygonF({QPointF(cx - w, box.top() + 8), QPointF(cx + w, box.top() + 8),
                   QPointF(cx + 4, box.center().y()), QPointF(cx + w, box.bottom() - 8),
                   QPointF(cx - w, box.bottom() - 8), QPointF(cx - 4, box.center().y())}));
    p.setBrush(QColor(255, 200, 40));
    p.drawPolygon(
        QPolygonF({QPointF(cx - w * 0.7, box.bottom() - 10),
                   QPointF(cx + w * 0.7, box.bottom() - 10), QPointF(cx, box.center().y() + 14)}));
    p.setBrush(QColor(170, 110, 60));
    p.drawRoundedRect(QRectF(cx - w - 8, box.top(), 2 * w + 16, 10), 4, 4);
    p.drawRoundedRect(QRectF(cx - w - 8, box.bottom() - 10, 2 * w + 16, 10), 4, 4);
}

QImage loading(int width, int height) {
    QImage image = blankImage(width, height, QColor(40, 40, 60));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillGradient(p, QRectF(3, 3, width - 6, height - 6), QColor(150, 110, 210), QColor(90, 50, 150),
                 16);
    const qreal label = height * 0.28;
    hourglass(p, QRectF(width * 0.25, 12, width * 0.5, height - label - 18));
    drawFittedText(p, QRectF(6, height - label - 4, width - 12, label),
                   QStringLiteral("Loading..."), label * 0.6, Qt::white, false);
    return image;
}

QImage escKey() {
    QImage image = blankImage(60, 40, QColor(250, 250, 250));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    roundedPanel(p, QRectF(2, 2, 56, 36), QColor(150, 154, 162), 7, 1.5);
    roundedPanel(p, QRectF(6, 4, 48, 27), QColor(246, 246, 249), 5, 1, QColor(180, 180, 190));
    p.setFont(boldFont(15));
    p.setPen(kInk);
    p.drawText(QRectF(6, 4, 48, 27), Qt::AlignCenter, QStringLiteral("Esc"));
    return image;
}

// Calm behind the logon list: the panel's teal, a soft inner panel and a few quiet books.
QImage logonBackground() {
    QImage image = blankImage(700, 520, QColor(0, 64, 64));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillGradient(p, QRectF(0, 0, 700, 520), QColor(0, 92, 92), QColor(0, 52, 60));
    p.setPen(QPen(QColor(255, 215, 0, 170), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(8, 8, 684, 504), 22, 22);
    roundedPanel(p, QRectF(40, 90, 620, 330), QColor(255, 255, 255, 28), 18, 0);
    const QColor spines[] = {QColor(200, 52, 46, 110), QColor(255, 200, 40, 110),
                             QColor(120, 200, 255, 110)};
    for (int i = 0; i < 3; ++i) {
        roundedPanel(p, QRectF(610 + i * 20, 440 - i * 8, 16, 56 + i * 8), spines[i], 3, 0);
        roundedPanel(p, QRectF(30 + i * 20, 440 - i * 8, 16, 56 + i * 8), spines[2 - i], 3, 0);
    }
    return image;
}

QImage writingTool(bool eraser) {
    QImage image = blankImage(120, 120, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(60, 60), 60);
    glow.setColorAt(0, QColor(255, 244, 200));
    glow.setColorAt(1, Qt::white);
    p.fillRect(image.rect(), glow);
    if (!eraser) {
        drawIcon(p, Icon::Pencil, QRectF(8, 8, 104, 104), QColor(60, 60, 60));
        return image;
    }
    p.translate(60, 60);
    p.rotate(-30);
    roundedPanel(p, QRectF(-44, -20, 54, 40), QColor(240, 130, 150), 6);
    roundedPanel(p, QRectF(6, -20, 38, 40), QColor(90, 140, 220), 6);
    p.resetTransform();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 130, 150));
    for (const QPointF &c : {QPointF(30, 100), QPointF(44, 106), QPointF(22, 90)})
        p.drawEllipse(c, 3, 3);
    return image;
}

} // namespace

QImage drawPicture(const PictureArtwork &art) {
    const QString &name = art.name;
    for (const QString &colour : coverColours()) {
        if (name == QStringLiteral("aobj_mybook_%1_cover.jpg").arg(colour))
            return cover(colour);
        if (name == QStringLiteral("aobj_mybook_%1_cover_thumbnail.jpg").arg(colour))
            return thumbnail(colour);
    }
    static const QHash<QString, std::function<QImage(const PictureArtwork &)>> painters{
        {QStringLiteral("aobj_spiral_blank_page.jpg"), [](auto &) { return notebookPage(); }},
        {QStringLiteral("aobj_blank_decision_page_long.jpg"),
         [](auto &) { return decisionCard(); }},
        {QStringLiteral("aobj_the_end.jpg"), [](auto &) { return theEnd(); }},
        {QStringLiteral("aobj_movie.jpg"), [](auto &) { return movie(); }},
        {QStringLiteral("aobj_main_logo.jpg"), [](auto &) { return mainLogo(); }},
        {QStringLiteral("aobj_main_footer.jpg"), [](auto &) { return mainFooter(); }},
        {QStringLiteral("aobj_teacher_loading.jpg"),
         [](auto &s) { return loading(s.width, s.height); }},
        {QStringLiteral("aobj_teacher_button_loading.jpg"),
         [](auto &s) { return loading(s.width, s.height); }},
        {QStringLiteral("aobj_esc_key.jpg"), [](auto &) { return escKey(); }},
        {QStringLiteral("aobj_logon_background.jpg"), [](auto &) { return logonBackground(); }},
        {QStringLiteral("aobj_pencil.jpg"), [](auto &) { return writingTool(false); }},
        {QStringLiteral("aobj_eraser.jpg"), [](auto &) { return writingTool(true); }},
    };
    const auto painter = painters.find(name);
    if (painter == painters.end())
        return {};
    return painter.value()(art);
}

} // namespace quillora::assets
