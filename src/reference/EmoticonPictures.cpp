#include "reference/EmoticonPictures.h"

#include "reference/EmoticonList.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <stdexcept>

namespace termora::reference {
namespace {

const QColor kFace(255, 214, 72);
const QColor kFaceEdge(196, 146, 24);
const QColor kInk(70, 45, 20);
const QColor kRed(214, 40, 56);
const QColor kTear(80, 160, 240);

QPen ink(qreal width = 1.2) { return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void face(QPainter& p, const QColor& fill = kFace, const QColor& edge = kFaceEdge) {
    p.setPen(QPen(edge, 1));
    p.setBrush(fill);
    p.drawEllipse(QRectF(1, 1, 14, 14));
}

void dot(QPainter& p, qreal x, qreal y, qreal r = 1.1, const QColor& colour = kInk) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(x, y), r, r);
}

void eyes(QPainter& p) {
    dot(p, 5.5, 6.2);
    dot(p, 10.5, 6.2);
}

void line(QPainter& p, qreal x1, qreal y1, qreal x2, qreal y2, const QPen& pen = ink()) {
    p.setPen(pen);
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void curve(QPainter& p, QPointF from, QPointF control, QPointF to, const QPen& pen = ink()) {
    QPainterPath path(from);
    path.quadTo(control, to);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void smile(QPainter& p) { curve(p, {4.5, 9.5}, {8, 13}, {11.5, 9.5}); }
void frown(QPainter& p) { curve(p, {5, 12}, {8, 8.8}, {11, 12}); }

void openMouth(QPainter& p, QRectF box, const QColor& inside = kInk) {
    p.setPen(ink(1));
    p.setBrush(inside);
    p.drawEllipse(box);
}

void brows(QPainter& p, bool angry) {
    const qreal in = angry ? 4.2 : 3.6;
    const qreal out = angry ? 3.2 : 3.6;
    line(p, 3.8, out, 7, in);
    line(p, 12.2, out, 9, in);
}

void heartShape(QPainter& p, QRectF box, const QColor& fill) {
    const qreal w = box.width();
    const qreal h = box.height();
    QPainterPath path(QPointF(box.left() + w / 2, box.top() + h));
    path.cubicTo(box.left() - w * 0.1, box.top() + h * 0.55, box.left() + w * 0.1, box.top() - h * 0.1,
                 box.left() + w / 2, box.top() + h * 0.28);
    path.cubicTo(box.right() - w * 0.1, box.top() - h * 0.1, box.right() + w * 0.1, box.top() + h * 0.55,
                 box.left() + w / 2, box.top() + h);
    p.setPen(QPen(fill.darker(140), 0.8));
    p.setBrush(fill);
    p.drawPath(path);
}

void drawSmile(QPainter& p) {
    face(p);
    eyes(p);
    smile(p);
}

void drawTongue(QPainter& p) {
    face(p);
    eyes(p);
    line(p, 4.5, 9.5, 11.5, 9.5);
    p.setPen(QPen(kRed.darker(130), 0.8));
    p.setBrush(QColor(240, 110, 130));
    p.drawChord(QRectF(6, 7.5, 5, 6), 180 * 16, 180 * 16);
}

void drawWink(QPainter& p) {
    face(p);
    dot(p, 5.5, 6.2);
    curve(p, {9, 6.5}, {10.5, 5}, {12, 6.5});
    smile(p);
}

void drawGrin(QPainter& p) {
    face(p);
    eyes(p);
    p.setPen(ink(1));
    p.setBrush(Qt::white);
    p.drawChord(QRectF(3.5, 5.5, 9, 8), 180 * 16, 180 * 16);
}

void drawCurlyLips(QPainter& p) {
    face(p);
    eyes(p);
    curve(p, {5, 10}, {6.5, 12.5}, {8, 10});
    curve(p, {8, 10}, {9.5, 12.5}, {11, 10});
}

void drawKiss(QPainter& p) {
    face(p);
    line(p, 4.5, 6.2, 6.5, 6.2);
    line(p, 9.5, 6.2, 11.5, 6.2);
    openMouth(p, QRectF(6.8, 9.5, 2.4, 2.6), kRed);
    heartShape(p, QRectF(10.5, 9, 4.5, 4.5), kRed);
}

void drawGrumpy(QPainter& p) {
    face(p);
    brows(p, true);
    eyes(p);
    frown(p);
}

void glassesFrames(QPainter& p, const QColor& lens) {
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(lens);
    p.drawRoundedRect(QRectF(2.5, 4.5, 5, 4), 1.5, 1.5);
    p.drawRoundedRect(QRectF(8.5, 4.5, 5, 4), 1.5, 1.5);
    line(p, 7.5, 6, 8.5, 6, QPen(QColor(30, 30, 30), 1));
}

void drawGlasses(QPainter& p) {
    face(p);
    glassesFrames(p, QColor(255, 255, 255, 160));
    eyes(p);
    smile(p);
}

void drawSunglasses(QPainter& p) {
    face(p);
    glassesFrames(p, QColor(20, 20, 20));
    line(p, 5, 11, 11, 11);
}

void drawUpset(QPainter& p) {
    face(p, QColor(255, 150, 90), QColor(200, 80, 40));
    brows(p, true);
    eyes(p);
    openMouth(p, QRectF(6, 9, 4, 4.5));
}

void drawConfused(QPainter& p) {
    face(p);
    dot(p, 5.5, 6.2, 0.9);
    p.setPen(ink(1));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(10.5, 6.2), 2.2, 2.2);
    dot(p, 10.5, 6.2, 1);
    curve(p, {5, 11}, {8, 9.5}, {11, 11.5});
}

void drawShark(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 140, 220));
    p.drawRoundedRect(QRectF(0.5, 10, 15, 5.5), 2, 2);
    QPainterPath fin(QPointF(3, 11));
    fin.quadTo(6, 5, 11, 1.5);
    fin.quadTo(10, 7, 13, 11);
    fin.closeSubpath();
    p.setPen(QPen(QColor(60, 70, 85), 0.8));
    p.setBrush(QColor(120, 135, 155));
    p.drawPath(fin);
    line(p, 1, 12.5, 15, 12.5, QPen(Qt::white, 0.8));
}

void drawGasp(QPainter& p) {
    face(p);
    dot(p, 5.5, 5.8, 1.4);
    dot(p, 10.5, 5.8, 1.4);
    openMouth(p, QRectF(6, 8.5, 4, 5));
}

void drawPacman(QPainter& p) {
    p.setPen(QPen(kFaceEdge, 1));
    p.setBrush(QColor(255, 230, 0));
    p.drawPie(QRectF(1, 1, 14, 14), 35 * 16, 290 * 16);
    dot(p, 8, 4.5, 1);
}

void drawSquint(QPainter& p) {
    face(p);
    line(p, 4, 6.5, 7, 6.5);
    line(p, 9, 6.5, 12, 6.5);
    line(p, 6, 11, 10, 11);
}

void drawDevil(QPainter& p) {
    const QColor purple(150, 70, 200);
    p.setPen(QPen(purple.darker(150), 0.8));
    p.setBrush(purple.darker(120));
    p.drawPolygon(QPolygonF({QPointF(2, 5), QPointF(1.5, 0.5), QPointF(5.5, 3)}));
    p.drawPolygon(QPolygonF({QPointF(14, 5), QPointF(14.5, 0.5), QPointF(10.5, 3)}));
    p.setPen(QPen(purple.darker(150), 1));
    p.setBrush(purple);
    p.drawEllipse(QRectF(1.5, 2, 13, 13));
    brows(p, true);
    dot(p, 5.5, 7, 1.1, Qt::white);
    dot(p, 10.5, 7, 1.1, Qt::white);
    curve(p, {4.5, 10}, {8, 13.5}, {11.5, 10}, QPen(Qt::white, 1.2, Qt::SolidLine, Qt::RoundCap));
}

void drawUnsure(QPainter& p) {
    face(p);
    eyes(p);
    line(p, 5, 11.5, 11, 9.5);
}

void drawFrown(QPainter& p) {
    face(p);
    eyes(p);
    frown(p);
}

void drawCry(QPainter& p) {
    drawFrown(p);
    QPainterPath tear(QPointF(4.5, 7.5));
    tear.quadTo(2.5, 11, 4.5, 11.5);
    tear.quadTo(6.5, 11, 4.5, 7.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kTear);
    p.drawPath(tear);
}

void drawAda(QPainter& p) {
    const QColor hair(110, 60, 30);
    p.setPen(Qt::NoPen);
    p.setBrush(hair);
    p.drawEllipse(QRectF(0.5, 1, 15, 14));
    p.setPen(QPen(QColor(210, 150, 110), 0.8));
    p.setBrush(QColor(255, 214, 180));
    p.drawEllipse(QRectF(3, 4, 10, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(hair);
    p.drawChord(QRectF(2.5, 2, 11, 6), 0, 180 * 16);
    dot(p, 6, 8.5, 0.9);
    dot(p, 10, 8.5, 0.9);
    curve(p, {6, 11.5}, {8, 13}, {10, 11.5}, ink(1));
}

void drawRobot(QPainter& p) {
    line(p, 8, 0.5, 8, 3, QPen(QColor(90, 90, 100), 1));
    dot(p, 8, 1, 1.1, kRed);
    p.setPen(QPen(QColor(70, 75, 85), 1));
    p.setBrush(QColor(175, 185, 200));
    p.drawRoundedRect(QRectF(2, 3, 12, 11.5), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 220, 255));
    p.drawRect(QRectF(4, 6, 3, 2.5));
    p.drawRect(QRectF(9, 6, 3, 2.5));
    p.setBrush(QColor(70, 75, 85));
    p.drawRect(QRectF(5, 10.5, 6, 1.6));
}

void drawHeart(QPainter& p) { heartShape(p, QRectF(1, 2, 14, 12.5), kRed); }

void drawAngel(QPainter& p) {
    p.setPen(QPen(QColor(230, 190, 0), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(3.5, 0.5, 9, 2.5));
    p.setPen(QPen(kFaceEdge, 1));
    p.setBrush(kFace);
    p.drawEllipse(QRectF(2, 3, 12, 12));
    dot(p, 6, 8, 1);
    dot(p, 10, 8, 1);
    curve(p, {5.5, 10.5}, {8, 13.5}, {10.5, 10.5});
}

void drawKiki(QPainter& p) {
    face(p);
    curve(p, {4, 7}, {5.5, 4.5}, {7, 7});
    curve(p, {9, 7}, {10.5, 4.5}, {12, 7});
    dot(p, 4, 9.5, 1.2, QColor(250, 140, 150));
    dot(p, 12, 9.5, 1.2, QColor(250, 140, 150));
    curve(p, {6.5, 10}, {8, 11.5}, {9.5, 10});
}

void drawPenguin(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 40));
    p.drawEllipse(QRectF(2.5, 0.5, 11, 15));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(4.5, 4, 7, 11));
    dot(p, 6.5, 3.5, 0.9, Qt::white);
    dot(p, 9.5, 3.5, 0.9, Qt::white);
    p.setBrush(QColor(255, 150, 0));
    p.drawPolygon(QPolygonF({QPointF(6.5, 5), QPointF(9.5, 5), QPointF(8, 7)}));
    p.drawEllipse(QRectF(4, 14, 3.5, 1.8));
    p.drawEllipse(QRectF(8.5, 14, 3.5, 1.8));
}

void drawFortyTwo(QPainter& p) {
    p.setPen(QPen(QColor(20, 80, 160), 1));
    p.setBrush(QColor(60, 130, 220));
    p.drawRoundedRect(QRectF(0.5, 1.5, 15, 13), 3, 3);
    QFont font;
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0.5, 1.5, 15, 13), Qt::AlignCenter, QStringLiteral("42"));
}

void drawThumbUp(QPainter& p) {
    const QColor skin(255, 200, 90);
    p.setPen(QPen(kFaceEdge, 1));
    p.setBrush(skin);
    QPainterPath thumb(QPointF(5.5, 7));
    thumb.lineTo(8, 1.5);
    thumb.quadTo(10.5, 1.5, 9.5, 6);
    thumb.lineTo(13.5, 6);
    thumb.quadTo(15, 7, 14, 8.5);
    thumb.lineTo(13, 14);
    thumb.lineTo(5.5, 14);
    thumb.closeSubpath();
    p.drawPath(thumb);
    p.setBrush(QColor(60, 90, 200));
    p.drawRect(QRectF(1, 7, 4, 7.5));
}

void drawPoop(QPainter& p) {
    const QColor brown(140, 85, 45);
    p.setPen(QPen(brown.darker(140), 0.8));
    p.setBrush(brown);
    p.drawRoundedRect(QRectF(1, 10, 14, 5), 2.5, 2.5);
    p.drawRoundedRect(QRectF(3, 6, 10, 5), 2.5, 2.5);
    QPainterPath top(QPointF(5, 7));
    top.quadTo(7, 1, 10.5, 1);
    top.quadTo(9, 4, 11, 7);
    top.closeSubpath();
    p.drawPath(top);
    dot(p, 6, 9, 1, Qt::white);
    dot(p, 10, 9, 1, Qt::white);
    dot(p, 6, 9, 0.5);
    dot(p, 10, 9, 0.5);
    curve(p, {5.5, 12}, {8, 14}, {10.5, 12}, QPen(Qt::white, 1));
}

using Painter = void (*)(QPainter&);

// In the order of kEmoticons.
constexpr std::array<Painter, kEmoticons.size()> kPainters = {
    drawSmile, drawTongue, drawWink,   drawGrin,   drawCurlyLips, drawKiss,     drawGrumpy,
    drawGlasses, drawSunglasses, drawUpset, drawConfused, drawShark, drawGasp, drawPacman,
    drawSquint, drawDevil, drawUnsure, drawFrown, drawCry, drawAda, drawRobot,
    drawHeart, drawAngel, drawKiki, drawPenguin, drawFortyTwo, drawThumbUp, drawPoop,
};

}  // namespace

QImage emoticonPicture(std::size_t row) {
    if (row >= kPainters.size()) throw std::out_of_range("no emoticon at that row");
    QImage image(kEmoticonPictureSize, kEmoticonPictureSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    kPainters[row](painter);
    return image;
}

}  // namespace termora::reference
