#include "StoryArt.h"

#include "Canvas.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>

namespace quillora::assets {

namespace {

const QColor kInk(40, 32, 28);
const QColor kFur(244, 150, 50);
const QColor kFurDark(200, 105, 25);
const QColor kYarn(70, 120, 230);

QPen ink(qreal width = 4) {
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void sky(QPainter &p, const QColor &top = QColor(110, 185, 255),
         const QColor &bottom = QColor(205, 235, 255)) {
    fillGradient(p, QRectF(0, 0, 640, 480), top, bottom);
}

void sun(QPainter &p, const QPointF &c, qreal r) {
    p.setPen(QPen(QColor(255, 190, 40), 6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * (r + 8),
                   c + QPointF(std::cos(a), std::sin(a)) * (r + 24));
    }
    p.setPen(ink(3));
    p.setBrush(QColor(255, 215, 60));
    p.drawEllipse(c, r, r);
}

void cloud(QPainter &p, const QPointF &c, qreal s) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(c + QPointF(-s, 0), s * 0.8, s * 0.6);
    p.drawEllipse(c, s, s * 0.8);
    p.drawEllipse(c + QPointF(s, 0.1 * s), s * 0.8, s * 0.6);
}

void grass(QPainter &p, qreal top) {
    fillGradient(p, QRectF(0, top, 640, 480 - top), QColor(120, 200, 90), QColor(70, 160, 60));
    const QColor petals[] = {QColor(255, 110, 140), QColor(255, 230, 80), QColor(255, 255, 255)};
    for (int i = 0; i < 9; ++i) {
        const QPointF c(30 + i * 72, top + 30 + (i * 37) % 90);
        p.setPen(Qt::NoPen);
        p.setBrush(petals[i % 3]);
        for (int k = 0; k < 5; ++k) {
            const qreal a = k * 2 * M_PI / 5;
            p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * 7, 6, 6);
        }
        p.setBrush(QColor(255, 180, 40));
        p.drawEllipse(c, 5, 5);
    }
}

// Milo: an orange tabby sitting up, facing the viewer. `s` is his height in pixels.
void milo(QPainter &p, const QPointF &feet, qreal s, bool flip = false, bool happy = true) {
    p.save();
    p.translate(feet);
    if (flip)
        p.scale(-1, 1);
    p.scale(s / 200.0, s / 200.0);
    // Tail behind the body.
    QPainterPath tail;
    tail.moveTo(40, -20);
    tail.cubicTo(110, -10, 110, -110, 70, -120);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 26, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
    p.setPen(QPen(kFur, 17, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
    p.setPen(ink());
    p.setBrush(kFur);
    p.drawEllipse(QRectF(-62, -120, 124, 120)); // body
    p.setBrush(QColor(255, 236, 210));
    p.drawEllipse(QRectF(-30, -95, 60, 80)); // chest
    p.setBrush(kFur);
    p.drawEllipse(QRectF(-46, -14, 36, 18)); // paws
    p.drawEllipse(QRectF(10, -14, 36, 18));
    // Ears, then the head over them.
    p.drawPolygon(QPolygonF({QPointF(-56, -168), QPointF(-50, -222), QPointF(-14, -190)}));
    p.drawPolygon(QPolygonF({QPointF(56, -168), QPointF(50, -222), QPointF(14, -190)}));
    p.drawEllipse(QRectF(-64, -206, 128, 100));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 170, 180));
    p.drawPolygon(QPolygonF({QPointF(-48, -178), QPointF(-46, -208), QPointF(-26, -190)}));
    p.drawPolygon(QPolygonF({QPointF(48, -178), QPointF(46, -208), QPointF(26, -190)}));
    // Stripes.
    p.setPen(QPen(kFurDark, 6, Qt::SolidLine, Qt::RoundCap));
    for (const qreal x : {-14.0, 0.0, 14.0})
        p.drawLine(QPointF(x, -204), QPointF(x * 1.2, -186));
    p.drawLine(QPointF(-60, -80), QPointF(-40, -74));
    p.drawLine(QPointF(60, -80), QPointF(40, -74));
    // Face.
    p.setPen(ink(3));
    p.setBrush(QColor(60, 150, 70));
    p.drawEllipse(QPointF(-24, -160), 10, 12);
    p.drawEllipse(QPointF(24, -160), 10, 12);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(-22, -158), 4, 7);
    p.drawEllipse(QPointF(26, -158), 4, 7);
    p.setBrush(QColor(255, 120, 140));
    p.drawPolygon(QPolygonF({QPointF(-7, -140), QPointF(7, -140), QPointF(0, -132)}));
    p.setBrush(Qt::NoBrush);
    if (happy) {
        p.drawArc(QRectF(-14, -138, 14, 12), 180 * 16, 180 * 16);
        p.drawArc(QRectF(0, -138, 14, 12), 180 * 16, 180 * 16);
    } else {
        p.drawEllipse(QPointF(0, -124), 6, 7);
    }
    p.setPen(ink(2));
    for (const int side : {-1, 1})
        for (const qreal dy : {-6.0, 2.0})
            p.drawLine(QPointF(side * 20, -134 + dy / 2), QPointF(side * 62, -140 + dy * 1.6));
    p.restore();
}

void yarnBall(QPainter &p, const QPointF &c, qreal r) {
    p.setPen(ink(3));
    p.setBrush(kYarn);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(kYarn.lighter(150), 3));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i)
        p.drawArc(QRectF(c.x() - r + i * 6, c.y() - r * 0.8, 2 * r - i * 12, 1.6 * r),
                  (20 + i * 30) * 16, 140 * 16);
}

void tree(QPainter &p, qreal x, qreal ground) {
    p.setPen(ink());
    p.setBrush(QColor(140, 90, 50));
    p.drawRect(QRectF(x - 34, ground - 300, 68, 300));
    p.setBrush(QColor(60, 160, 70));
    for (const QPointF &c :
         {QPointF(x - 90, ground - 300), QPointF(x + 90, ground - 310), QPointF(x, ground - 380),
          QPointF(x - 40, ground - 260), QPointF(x + 50, ground - 250)})
        p.drawEllipse(c, 95, 75);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 40, 40));
    for (const QPointF &c : {QPointF(x - 110, ground - 300), QPointF(x + 60, ground - 340),
                             QPointF(x + 120, ground - 270), QPointF(x - 30, ground - 400)})
        p.drawEllipse(c, 10, 10);
}

QImage scene(const std::function<void(QPainter &)> &paint) {
    QImage image = blankImage(640, 480, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    return image;
}

void coverScene(QPainter &p) {
    sky(p, QColor(255, 200, 120), QColor(255, 240, 200));
    sun(p, QPointF(540, 90), 44);
    grass(p, 380);
    yarnBall(p, QPointF(140, 400), 44);
    milo(p, QPointF(330, 440), 360);
}

void introScene(QPainter &p) {
    sky(p);
    sun(p, QPointF(90, 80), 40);
    cloud(p, QPointF(420, 90), 50);
    grass(p, 340);
    milo(p, QPointF(320, 440), 300);
}

void wakeUpScene(QPainter &p) {
    fillGradient(p, QRectF(0, 0, 640, 480), QColor(255, 236, 200), QColor(245, 210, 170));
    p.setPen(ink());
    p.setBrush(QColor(150, 210, 255));
    p.drawRect(QRectF(400, 50, 180, 160));
    sun(p, QPointF(490, 130), 30);
    p.setPen(ink(6));
    p.drawLine(QPointF(490, 50), QPointF(490, 210));
    p.drawLine(QPointF(400, 130), QPointF(580, 130));
    p.setPen(ink());
    p.setBrush(QColor(210, 60, 70));
    p.drawRoundedRect(QRectF(130, 380, 340, 70), 30, 30);
    milo(p, QPointF(300, 420), 270);
    drawFittedText(p, QRectF(60, 60, 160, 120), QStringLiteral("z z Z"), 48, QColor(90, 90, 200),
                   false, false);
}

void treeChoiceScene(QPainter &p) {
    sky(p);
    cloud(p, QPointF(540, 80), 40);
    grass(p, 400);
    tree(p, 320, 430);
    milo(p, QPointF(470, 460), 170);
}

void yarnChoiceScene(QPainter &p) {
    sky(p, QColor(255, 225, 240), QColor(255, 245, 250));
    p.fillRect(QRectF(0, 360, 640, 120), QColor(190, 140, 100));
    yarnBall(p, QPointF(440, 370), 70);
    QPainterPath thread;
    thread.moveTo(380, 400);
    thread.cubicTo(330, 460, 260, 420, 200, 460);
    p.setPen(QPen(kYarn, 5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(thread);
    milo(p, QPointF(200, 440), 250);
}

void climbScene(QPainter &p) {
    sky(p);
    sun(p, QPointF(560, 70), 34);
    grass(p, 420);
    tree(p, 300, 470);
    p.save();
    p.translate(300, 300);
    p.rotate(-12);
    milo(p, QPointF(0, 60), 170);
    p.restore();
    drawFittedText(p, QRectF(440, 160, 180, 180), QStringLiteral("up!\nup!\nup!"), 44,
                   QColor(200, 60, 60), false, false);
}

void nestScene(QPainter &p) {
    sky(p, QColor(120, 200, 255), QColor(220, 245, 255));
    p.setPen(ink());
    p.setBrush(QColor(60, 160, 70));
    for (const QPointF &c : {QPointF(80, 60), QPointF(580, 40), QPointF(600, 420)})
        p.drawEllipse(c, 120, 90);
    p.setBrush(QColor(140, 90, 50));
    p.drawRect(QRectF(0, 300, 640, 40));
    p.setBrush(QColor(170, 120, 70));
    p.drawEllipse(QRectF(330, 240, 200, 90));
    const QColor birds[] = {QColor(255, 220, 60), QColor(120, 200, 255), QColor(255, 150, 170)};
    for (int i = 0; i < 3; ++i) {
        const QPointF c(380 + i * 50, 245);
        p.setPen(ink(3));
        p.setBrush(birds[i]);
        p.drawEllipse(c, 22, 22);
        p.setBrush(kInk);
        p.drawEllipse(c + QPointF(-6, -4), 3, 3);
        p.drawEllipse(c + QPointF(6, -4), 3, 3);
        p.setBrush(QColor(255, 150, 30));
        p.drawPolygon(QPolygonF({c + QPointF(-6, 4), c + QPointF(6, 4), c + QPointF(0, 14)}));
    }
    milo(p, QPointF(170, 330), 220, false, true);
    drawFittedText(p, QRectF(360, 120, 240, 80), QStringLiteral("Tweet!"), 52, QColor(230, 90, 30),
                   false, false);
}

void chaseScene(QPainter &p) {
    sky(p, QColor(255, 225, 240), QColor(255, 245, 250));
    p.fillRect(QRectF(0, 360, 640, 120), QColor(190, 140, 100));
    QPainterPath thread;
    thread.moveTo(530, 420);
    thread.cubicTo(430, 470, 380, 380, 300, 440);
    thread.cubicTo(260, 470, 220, 430, 180, 440);
    p.setPen(QPen(kYarn, 5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(thread);
    yarnBall(p, QPointF(560, 400), 50);
    milo(p, QPointF(220, 450), 260, true);
    p.setPen(QPen(QColor(120, 120, 140), 5, Qt::SolidLine, Qt::RoundCap));
    for (const qreal y : {300.0, 340.0, 380.0})
        p.drawLine(QPointF(40, y), QPointF(90, y));
}

void tangledScene(QPainter &p) {
    sky(p, QColor(255, 225, 240), QColor(255, 245, 250));
    p.fillRect(QRectF(0, 380, 640, 100), QColor(190, 140, 100));
    milo(p, QPointF(320, 450), 300, false, false);
    p.setPen(QPen(kYarn, 6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    // Loops of yarn around his body; his face stays clear.
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(320 + (i % 3 - 1) * 16, 420 - i * 22), 112 - i * 6, 22 + i * 2);
    yarnBall(p, QPointF(520, 420), 36);
}

const QHash<QString, std::function<void(QPainter &)>> &scenes() {
    static const QHash<QString, std::function<void(QPainter &)>> table{
        {QStringLiteral("cover_pic_1.jpg"), coverScene},
        {QStringLiteral("page_pic_1_102_1.jpg"), introScene},
        {QStringLiteral("page_pic_1_103_1.jpg"), wakeUpScene},
        {QStringLiteral("page_pic_1_104_1.jpg"), treeChoiceScene},
        {QStringLiteral("page_pic_1_104_2.jpg"), yarnChoiceScene},
        {QStringLiteral("page_pic_1_105_1.jpg"), climbScene},
        {QStringLiteral("page_pic_1_106_1.jpg"), nestScene},
        {QStringLiteral("page_pic_1_107_1.jpg"), chaseScene},
        {QStringLiteral("page_pic_1_108_1.jpg"), tangledScene},
    };
    return table;
}

} // namespace

QImage drawStoryPicture(const QString &name) {
    const auto found = scenes().find(name);
    if (found == scenes().end())
        return {};
    return scene(found.value());
}

QStringList storyPictureNames() {
    QStringList names = scenes().keys();
    names.sort();
    return names;
}

} // namespace quillora::assets
