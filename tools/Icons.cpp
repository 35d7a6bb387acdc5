#include "Icons.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace quillora::assets {

namespace {

// Every pictogram is drawn on a 100 x 100 design grid.
const QColor kInk(27, 36, 48);
const QColor kPaper(255, 255, 255);
const QColor kSoft(222, 228, 236);

QPen inkPen(qreal width = 4.5) {
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void shape(QPainter &p, const QPainterPath &path, const QColor &fill) {
    p.setPen(inkPen());
    p.setBrush(fill);
    p.drawPath(path);
}

void rect(QPainter &p, const QRectF &r, const QColor &fill, qreal radius = 4) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    shape(p, path, fill);
}

void polygon(QPainter &p, std::initializer_list<QPointF> points, const QColor &fill) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    shape(p, path, fill);
}

// A thick line drawn as a white band with a dark edge, like the filled shapes.
void band(QPainter &p, const QPainterPath &path, qreal width, const QColor &fill = kPaper) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, width + 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(fill, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void lines(QPainter &p, qreal x1, qreal x2, std::initializer_list<qreal> ys) {
    p.setPen(QPen(QColor(150, 160, 175), 3, Qt::SolidLine, Qt::RoundCap));
    for (const qreal y : ys)
        p.drawLine(QPointF(x1, y), QPointF(x2, y));
}

void text(QPainter &p, const QRectF &r, const QString &s, qreal size, const QColor &colour) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(size));
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, s);
}

void arrowRight(QPainter &p, qreal x, qreal y, qreal s, const QColor &fill) {
    polygon(p,
            {{x, y - 0.22 * s},
             {x + 0.5 * s, y - 0.22 * s},
             {x + 0.5 * s, y - 0.5 * s},
             {x + s, y},
             {x + 0.5 * s, y + 0.5 * s},
             {x + 0.5 * s, y + 0.22 * s},
             {x, y + 0.22 * s}},
            fill);
}

void page(QPainter &p, const QRectF &r) {
    QPainterPath path;
    const qreal fold = r.width() * 0.28;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    shape(p, path, kPaper);
    polygon(p,
            {{r.right() - fold, r.top()},
             {r.right() - fold, r.top() + fold},
             {r.right(), r.top() + fold}},
            kSoft);
    lines(p, r.left() + 8, r.right() - 8,
          {r.top() + r.height() * 0.45, r.top() + r.height() * 0.62, r.top() + r.height() * 0.79});
}

void closedBook(QPainter &p, const QRectF &r, const QColor &accent) {
    rect(p, r.adjusted(4, 4, 4, 4), kPaper, 3);
    rect(p, r, accent.lighter(115), 4);
    p.setPen(inkPen(3.5));
    p.drawLine(QPointF(r.left() + 9, r.top() + 2), QPointF(r.left() + 9, r.bottom() - 2));
    rect(p, QRectF(r.left() + 16, r.top() + r.height() * 0.2, r.width() - 24, r.height() * 0.22),
         kPaper, 2);
}

void badge(QPainter &p, const QPointF &centre, qreal radius, const QColor &fill) {
    p.setPen(inkPen());
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
}

void openBook(QPainter &p) {
    QPainterPath left;
    left.moveTo(50, 28);
    left.cubicTo(38, 18, 20, 18, 8, 24);
    left.lineTo(8, 80);
    left.cubicTo(20, 74, 38, 74, 50, 84);
    left.closeSubpath();
    shape(p, left, kPaper);
    QPainterPath right;
    right.moveTo(50, 28);
    right.cubicTo(62, 18, 80, 18, 92, 24);
    right.lineTo(92, 80);
    right.cubicTo(80, 74, 62, 74, 50, 84);
    right.closeSubpath();
    shape(p, right, kPaper);
    lines(p, 16, 42, {38, 50, 62});
    lines(p, 58, 84, {38, 50, 62});
}

void pencil(QPainter &p, const QColor &accent) {
    p.save();
    p.translate(50, 50);
    p.rotate(-45);
    p.translate(-50, -50);
    rect(p, QRectF(4, 40, 12, 20), QColor(240, 130, 150), 3);
    rect(p, QRectF(16, 40, 10, 20), QColor(190, 196, 206), 0);
    rect(p, QRectF(26, 40, 50, 20), QColor(255, 200, 61), 0);
    polygon(p, {{76, 40}, {96, 50}, {76, 60}}, QColor(245, 214, 160));
    polygon(p, {{89, 46.5}, {96, 50}, {89, 53.5}}, accent.darker(160));
    p.restore();
}

void trash(QPainter &p) {
    rect(p, QRectF(40, 10, 20, 10), kPaper, 3);
    rect(p, QRectF(18, 18, 64, 12), kPaper, 4);
    polygon(p, {{25, 32}, {75, 32}, {69, 90}, {31, 90}}, kPaper);
    p.setPen(inkPen(4));
    for (const qreal x : {38.0, 50.0, 62.0})
        p.drawLine(QPointF(x, 42), QPointF(x, 80));
}

void printer(QPainter &p, const QColor &accent) {
    rect(p, QRectF(28, 10, 44, 30), kPaper, 2);
    rect(p, QRectF(10, 34, 80, 38), kSoft, 8);
    badge(p, QPointF(78, 46), 4, accent.lighter(130));
    rect(p, QRectF(26, 60, 48, 32), kPaper, 2);
    lines(p, 33, 67, {71, 80});
}

void speaker(QPainter &p) {
    polygon(p, {{10, 38}, {28, 38}, {50, 18}, {50, 82}, {28, 62}, {10, 62}}, kPaper);
    QPainterPath waves;
    waves.moveTo(62, 36);
    waves.quadTo(72, 50, 62, 64);
    waves.moveTo(74, 24);
    waves.quadTo(92, 50, 74, 76);
    band(p, waves, 6);
}

void circularArrow(QPainter &p, bool clockwise) {
    QPainterPath arc;
    const QRectF circle(18, 18, 64, 64);
    arc.arcMoveTo(circle, clockwise ? 120 : 60);
    arc.arcTo(circle, clockwise ? 120 : 60, clockwise ? -270 : 270);
    band(p, arc, 9);
    // The head sits where the arc ends, pointing along it.
    const qreal endAngle = (clockwise ? 120 - 270 : 60 + 270) * M_PI / 180.0;
    const QPointF tip(50 + 32 * std::cos(endAngle), 50 - 32 * std::sin(endAngle));
    const qreal tangent = endAngle + (clockwise ? -M_PI / 2 : M_PI / 2);
    const QPointF dir(std::cos(tangent), -std::sin(tangent));
    const QPointF normal(-dir.y(), dir.x());
    polygon(p, {tip + dir * 22, tip + normal * 18, tip - normal * 18}, kPaper);
}

void flag(QPainter &p) {
    rect(p, QRectF(16, 8, 8, 86), kSoft, 3);
    QPainterPath cloth;
    cloth.moveTo(24, 12);
    cloth.cubicTo(44, 4, 60, 20, 88, 12);
    cloth.lineTo(88, 54);
    cloth.cubicTo(60, 62, 44, 46, 24, 54);
    cloth.closeSubpath();
    shape(p, cloth, kPaper);
    p.save();
    p.setClipPath(cloth);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 6; ++col)
            if ((row + col) % 2 == 0)
                p.drawRect(QRectF(24 + col * 11, 4 + row * 14, 11, 14));
    p.restore();
    p.setPen(inkPen());
    p.setBrush(Qt::NoBrush);
    p.drawPath(cloth);
}

void house(QPainter &p, const QColor &accent) {
    rect(p, QRectF(22, 44, 56, 46), kPaper, 2);
    polygon(p, {{8, 50}, {50, 12}, {92, 50}}, accent.lighter(140));
    rect(p, QRectF(43, 62, 16, 28), accent.darker(120), 2);
}

void cross(QPainter &p) {
    QPainterPath path;
    path.moveTo(22, 22);
    path.lineTo(78, 78);
    path.moveTo(78, 22);
    path.lineTo(22, 78);
    band(p, path, 14);
}

void check(QPainter &p) {
    QPainterPath path;
    path.moveTo(16, 52);
    path.lineTo(40, 76);
    path.lineTo(86, 24);
    band(p, path, 14);
}

void apple(QPainter &p) {
    QPainterPath body;
    body.moveTo(50, 30);
    body.cubicTo(70, 16, 94, 30, 88, 56);
    body.cubicTo(84, 80, 66, 96, 50, 86);
    body.cubicTo(34, 96, 16, 80, 12, 56);
    body.cubicTo(6, 30, 30, 16, 50, 30);
    shape(p, body, QColor(226, 50, 50));
    QPainterPath leaf;
    leaf.moveTo(52, 26);
    leaf.cubicTo(56, 8, 74, 6, 80, 10);
    leaf.cubicTo(74, 24, 60, 28, 52, 26);
    shape(p, leaf, QColor(80, 190, 80));
    p.setPen(QPen(QColor(255, 255, 255, 170), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(22, 38, 30, 34), 100 * 16, 70 * 16);
}

void person(QPainter &p, const QPointF &at, qreal s, const QColor &shirt) {
    QPainterPath body;
    body.moveTo(at.x() - 0.5 * s, at.y() + 0.95 * s);
    body.cubicTo(at.x() - 0.5 * s, at.y() + 0.35 * s, at.x() + 0.5 * s, at.y() + 0.35 * s,
                 at.x() + 0.5 * s, at.y() + 0.95 * s);
    body.closeSubpath();
    shape(p, body, shirt);
    badge(p, at, 0.24 * s, QColor(255, 224, 189));
}

void key(QPainter &p, const QColor &accent) {
    badge(p, QPointF(30, 50), 20, QColor(255, 210, 70));
    badge(p, QPointF(30, 50), 7, accent.darker(110));
    polygon(p,
            {{48, 44},
             {92, 44},
             {92, 56},
             {86, 56},
             {86, 68},
             {76, 68},
             {76, 56},
             {68, 56},
             {68, 64},
             {60, 64},
             {60, 56},
             {48, 56}},
            QColor(255, 210, 70));
}

void guide(QPainter &p, const QColor &accent) {
    closedBook(p, QRectF(16, 10, 64, 80), accent);
    text(p, QRectF(24, 36, 56, 52), QStringLiteral("?"), 46, kInk);
}

void exitDoor(QPainter &p) {
    rect(p, QRectF(12, 10, 46, 82), kSoft, 2);
    polygon(p, {{12, 10}, {40, 18}, {40, 98}, {12, 92}}, QColor(170, 110, 60));
    badge(p, QPointF(34, 56), 3, QColor(255, 210, 70));
    arrowRight(p, 52, 50, 42, kPaper);
}

void coverArt(QPainter &p, const QColor &accent) {
    rect(p, QRectF(18, 8, 64, 84), accent.lighter(125), 5);
    rect(p, QRectF(28, 20, 44, 36), kPaper, 2);
    polygon(p, {{30, 54}, {44, 36}, {56, 54}}, QColor(80, 170, 90));
    badge(p, QPointF(62, 30), 5, QColor(255, 200, 40));
    lines(p, 30, 70, {68, 78});
}

void fonts(QPainter &p) {
    text(p, QRectF(0, 4, 100, 64), QStringLiteral("Aa"), 52, kPaper);
    const QColor dots[] = {QColor(230, 60, 60), QColor(255, 200, 40), QColor(60, 180, 80),
                           QColor(60, 120, 230)};
    for (int i = 0; i < 4; ++i)
        badge(p, QPointF(20 + i * 20, 82), 8, dots[i]);
}

void music(QPainter &p) {
    polygon(p, {{36, 22}, {82, 12}, {82, 26}, {36, 36}}, kPaper);
    rect(p, QRectF(32, 24, 6, 54), kPaper, 2);
    rect(p, QRectF(78, 14, 6, 54), kPaper, 2);
    p.setPen(inkPen());
    p.setBrush(kPaper);
    p.drawEllipse(QRectF(14, 68, 24, 18));
    p.drawEllipse(QRectF(60, 58, 24, 18));
}

void pages(QPainter &p) {
    rect(p, QRectF(30, 8, 54, 66), kSoft, 2);
    rect(p, QRectF(22, 16, 54, 66), kSoft, 2);
    page(p, QRectF(14, 24, 54, 68));
}

void floppy(QPainter &p, const QColor &accent) {
    rect(p, QRectF(12, 12, 76, 76), accent.darker(140), 6);
    rect(p, QRectF(28, 12, 40, 24), kSoft, 1);
    rect(p, QRectF(54, 16, 8, 16), kInk, 1);
    rect(p, QRectF(22, 50, 56, 38), kPaper, 2);
    lines(p, 30, 70, {62, 74});
}

void tray(QPainter &p) {
    polygon(p, {{10, 60}, {30, 60}, {36, 72}, {64, 72}, {70, 60}, {90, 60}, {90, 90}, {10, 90}},
            kSoft);
}

void verticalArrow(QPainter &p, qreal x, qreal top, qreal bottom, bool up,
                   const QColor &fill = kPaper) {
    const qreal head = 20;
    if (up)
        polygon(p,
                {{x, top},
                 {x + head, top + head},
                 {x + 8, top + head},
                 {x + 8, bottom},
                 {x - 8, bottom},
                 {x - 8, top + head},
                 {x - head, top + head}},
                fill);
    else
        polygon(p,
                {{x, bottom},
                 {x + head, bottom - head},
                 {x + 8, bottom - head},
                 {x + 8, top},
                 {x - 8, top},
                 {x - 8, bottom - head},
                 {x - head, bottom - head}},
                fill);
}

void cloud(QPainter &p) {
    QPainterPath path;
    path.moveTo(22, 78);
    path.cubicTo(4, 78, 4, 52, 22, 52);
    path.cubicTo(22, 30, 50, 22, 60, 40);
    path.cubicTo(76, 32, 94, 46, 86, 62);
    path.cubicTo(98, 66, 94, 80, 80, 78);
    path.closeSubpath();
    shape(p, path, kPaper);
    verticalArrow(p, 50, 46, 94, true, QColor(255, 210, 70));
}

void globe(QPainter &p) {
    badge(p, QPointF(50, 50), 40, QColor(120, 200, 255));
    p.setPen(inkPen(3.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(32, 10, 36, 80));
    p.drawLine(QPointF(50, 10), QPointF(50, 90));
    p.drawLine(QPointF(10, 50), QPointF(90, 50));
    p.drawArc(QRectF(14, 6, 72, 30), 200 * 16, 140 * 16);
    p.drawArc(QRectF(14, 64, 72, 30), 20 * 16, 140 * 16);
}

void language(QPainter &p) {
    QPainterPath left;
    left.addRoundedRect(QRectF(6, 10, 54, 44), 10, 10);
    left.moveTo(16, 52);
    left.lineTo(14, 68);
    left.lineTo(32, 52);
    shape(p, left.simplified(), kPaper);
    text(p, QRectF(6, 10, 54, 44), QStringLiteral("A"), 34, kInk);
    QPainterPath right;
    right.addRoundedRect(QRectF(40, 40, 54, 44), 10, 10);
    right.moveTo(82, 82);
    right.lineTo(86, 96);
    right.lineTo(68, 82);
    shape(p, right.simplified(), QColor(255, 220, 90));
    text(p, QRectF(40, 40, 54, 44), QString(QChar(0x3B1)), 34, kInk);
}

// Pictograms made of two simpler ones: a thing and what happens to it.
const QColor kMark(255, 210, 70);

void arrowLeft(QPainter &p) {
    p.save();
    p.translate(100, 0);
    p.scale(-1, 1);
    arrowRight(p, 10, 50, 80, kPaper);
    p.restore();
}

void saveBook(QPainter &p, const QColor &accent) {
    closedBook(p, QRectF(10, 8, 56, 80), accent);
    badge(p, QPointF(70, 68), 24, QColor(60, 180, 80));
    p.save();
    p.translate(46, 44);
    p.scale(0.48, 0.48);
    check(p);
    p.restore();
}

void skipPage(QPainter &p) {
    page(p, QRectF(30, 34, 40, 58));
    QPainterPath hop;
    hop.moveTo(10, 60);
    hop.cubicTo(18, 0, 82, 0, 88, 52);
    band(p, hop, 7, kMark);
    polygon(p, {{78, 50}, {98, 48}, {88, 68}}, kMark);
}

void newPage(QPainter &p) {
    page(p, QRectF(12, 8, 58, 84));
    badge(p, QPointF(72, 70), 22, QColor(60, 180, 80));
    text(p, QRectF(50, 46, 44, 46), QStringLiteral("+"), 44, kPaper);
}

using Painter = void (*)(QPainter &, const QColor &);

const QHash<Icon, Painter> &painters() {
    static const QHash<Icon, Painter> table{
        {Icon::Pencil, pencil},
        {Icon::OpenBook, [](QPainter &p, const QColor &) { openBook(p); }},
        {Icon::Trash, [](QPainter &p, const QColor &) { trash(p); }},
        {Icon::ArrowRight, [](QPainter &p, const QColor &) { arrowRight(p, 10, 50, 80, kPaper); }},
        {Icon::ArrowLeft, [](QPainter &p, const QColor &) { arrowLeft(p); }},
        {Icon::Check, [](QPainter &p, const QColor &) { check(p); }},
        {Icon::House, house},
        {Icon::Printer, printer},
        {Icon::Speaker, [](QPainter &p, const QColor &) { speaker(p); }},
        {Icon::Replay, [](QPainter &p, const QColor &) { circularArrow(p, true); }},
        {Icon::Undo, [](QPainter &p, const QColor &) { circularArrow(p, false); }},
        {Icon::Flag, [](QPainter &p, const QColor &) { flag(p); }},
        {Icon::NextPage,
         [](QPainter &p, const QColor &) {
             page(p, QRectF(8, 8, 58, 84));
             arrowRight(p, 46, 62, 48, kMark);
         }},
        {Icon::NextBook,
         [](QPainter &p, const QColor &accent) {
             closedBook(p, QRectF(8, 10, 52, 76), accent);
             arrowRight(p, 46, 62, 48, kMark);
         }},
        {Icon::NextTopic,
         [](QPainter &p, const QColor &accent) {
             coverArt(p, accent);
             arrowRight(p, 52, 66, 44, kMark);
         }},
        {Icon::SaveBook, saveBook},
        {Icon::SkipPage, [](QPainter &p, const QColor &) { skipPage(p); }},
        {Icon::Cross, [](QPainter &p, const QColor &) { cross(p); }},
        {Icon::Teacher, [](QPainter &p, const QColor &) { apple(p); }},
        {Icon::Students,
         [](QPainter &p, const QColor &) {
             person(p, QPointF(30, 30), 52, QColor(255, 180, 60));
             person(p, QPointF(68, 36), 56, QColor(120, 200, 255));
         }},
        {Icon::Logon, key},
        {Icon::Guide, guide},
        {Icon::Exit, [](QPainter &p, const QColor &) { exitDoor(p); }},
        {Icon::Cover, coverArt},
        {Icon::Fonts, [](QPainter &p, const QColor &) { fonts(p); }},
        {Icon::Music, [](QPainter &p, const QColor &) { music(p); }},
        {Icon::Pages, [](QPainter &p, const QColor &) { pages(p); }},
        {Icon::Save, floppy},
        {Icon::NewPage, [](QPainter &p, const QColor &) { newPage(p); }},
        {Icon::Export,
         [](QPainter &p, const QColor &) {
             tray(p);
             verticalArrow(p, 50, 6, 66, true, kMark);
         }},
        {Icon::Import,
         [](QPainter &p, const QColor &) {
             tray(p);
             verticalArrow(p, 50, 4, 68, false, kMark);
         }},
        {Icon::Upload, [](QPainter &p, const QColor &) { cloud(p); }},
        {Icon::Globe, [](QPainter &p, const QColor &) { globe(p); }},
        {Icon::Language, [](QPainter &p, const QColor &) { language(p); }},
    };
    return table;
}

} // namespace

void drawIcon(QPainter &painter, Icon icon, const QRectF &box, const QColor &accent) {
    const qreal side = std::min(box.width(), box.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    painter.scale(side / 100.0, side / 100.0);
    if (const Painter paint = painters().value(icon))
        paint(painter, accent);
    painter.restore();
}

} // namespace quillora::assets
