// The smaller pictures of the window layout: the ornament beside the help
// text, the start pictures of the card slots and of the outcome box, and the
// game's icon, drawn afresh for every icon size so the small ones stay crisp.

#include "art/art_parts.h"
#include "art/paint_kit.h"

#include <QLinearGradient>
#include <QPen>
#include <QRadialGradient>

#include <array>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace pairon::art {

namespace {

const QColor kGold(0xD9B45A);
const QColor kIvory(0xFFFCF2);
const QColor kBackBlue(0x1F3A94);
const QColor kBackEdge(0x0B1644);
const QColor kHeartRed(0xD7263D);

void PlaceCard(QPainter& painter, QPointF centre, double turnDegrees, double size) {
    painter.translate(centre);
    painter.rotate(turnDegrees);
    painter.scale(size, size);
    painter.translate(-24.5, -36.5);
}

// A plain ivory card with a big red heart, in card units (49 x 73).
void PaintIconFront(QPainter& painter, double outline) {
    painter.setPen(QPen(QColor(0x4A4438), outline));
    painter.setBrush(kIvory);
    painter.drawRoundedRect(QRectF(0.5, 0.5, 48, 72), 5, 5);
    FillShaded(painter, HeartPath(QRectF(5, 17, 39, 38)), kHeartRed, outline);
}

// A blue back with just a few diagonals, for icons too small for the lattice.
void PaintSimpleBack(QPainter& painter, double outline) {
    painter.setPen(QPen(kBackEdge, outline));
    painter.setBrush(kBackBlue);
    painter.drawRoundedRect(QRectF(0.5, 0.5, 48, 72), 5, 5);
    painter.save();
    painter.setClipRect(QRectF(6, 6, 37, 61));
    painter.setPen(QPen(QColor(0x7C9AE8), outline * 0.9));
    for (double d = -60; d < 60; d += 16) {
        painter.drawLine(QPointF(d, 0), QPointF(d + 73, 73));
        painter.drawLine(QPointF(49 - d, 0), QPointF(49 - d - 73, 73));
    }
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xDDE6FF), outline * 0.9));
    painter.drawRoundedRect(QRectF(6, 6, 37, 61), 2, 2);
}

// At 16 pixels every line sits on the pixel grid; no turning, no shading.
void PaintTinyIcon(QPainter& p) {
    p.setPen(QPen(kBackEdge, 1.0));
    p.setBrush(kBackBlue);
    p.drawRoundedRect(QRectF(0.5, 0.5, 9, 12), 1.5, 1.5);
    p.setPen(QPen(QColor(0x9CB4F0), 1.0));
    p.drawLine(QPointF(2.5, 2.5), QPointF(2.5, 10.5));
    p.setPen(QPen(QColor(0x3A3428), 1.0));
    p.setBrush(kIvory);
    p.drawRoundedRect(QRectF(5.5, 2.5, 10, 13), 1.5, 1.5);
    FillFlat(p, HeartPath(QRectF(6.8, 5.6, 7.4, 7.4)), kHeartRed);
}

}  // namespace

QImage DrawIcon(int size, double scale) {
    Canvas canvas(QSize(size, size), scale);
    QPainter& p = canvas.painter();
    if (size <= 16) {
        PaintTinyIcon(p);
        return canvas.Finish();
    }
    const double s = size;
    const double cardScale = (0.74 * s) / 73.0;
    // The outline stays near one pixel whatever the size.
    const double outline = std::max(1.0, s / 64.0) / cardScale;
    const QPointF backCentre(0.36 * s, 0.46 * s);
    const QPointF frontCentre(0.63 * s, 0.53 * s);
    const QPainterPath card = RoundedRectPath(QRectF(0.5, 0.5, 48, 72), 5);

    p.save();
    PlaceCard(p, backCentre, -12, cardScale);
    if (size >= 64) {
        DropShadow(p, card, QPointF(1.5, 2), 0.15);
        PaintCardBack(p, false);
    } else {
        PaintSimpleBack(p, outline);
    }
    p.restore();

    p.save();
    PlaceCard(p, frontCentre, 9, cardScale);
    if (size >= 64) DropShadow(p, card, QPointF(1.5, 2), 0.2);
    PaintIconFront(p, outline);
    p.restore();
    return canvas.Finish();
}

QImage DrawOrnament(double scale) {
    Canvas canvas(kOrnamentSize, scale);
    QPainter& p = canvas.painter();
    const double w = kOrnamentSize.width();
    const double h = kOrnamentSize.height();
    QLinearGradient deep(0, 0, 0, h);
    deep.setColorAt(0.0, QColor(0x22486A));
    deep.setColorAt(1.0, QColor(0x12283E));
    p.fillRect(canvas.rect(), deep);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 1.6));
    p.drawRoundedRect(QRectF(3, 3, w - 6, h - 6), 6, 6);
    p.setPen(QPen(WithAlpha(kGold, 0.7), 0.8));
    p.drawRoundedRect(QRectF(7, 7, w - 14, h - 14), 4, 4);

    DrawTitle(p, QRectF(8, 12, w - 16, 30), QStringLiteral("Pairon"), PictureFont(22, true, true), QColor(0xF2D27A),
              WithAlpha(Qt::black, 0.5));
    // A flourish under the name.
    p.setPen(QPen(kGold, 1.0));
    p.drawLine(QPointF(20, 48), QPointF(52, 48));
    p.drawLine(QPointF(69, 48), QPointF(101, 48));
    FillFlat(p, RegularPolygon(QPointF(w / 2, 48), 5, 4, -90), kGold);

    // Three cards fanned from a point below them.
    const QPointF pivot(w / 2, 188);
    const std::array<int, 3> faces = {6, 5, 1};
    for (std::size_t i = 0; i < faces.size(); ++i) {
        double turn = -15.0 + 15.0 * static_cast<double>(i);
        double radians = turn * std::numbers::pi / 180.0;
        QPointF centre = pivot + QPointF(100 * std::sin(radians), -100 * std::cos(radians));
        p.save();
        PlaceCard(p, centre, turn, 0.7);
        DropShadow(p, RoundedRectPath(QRectF(0.5, 0.5, 48, 72), 4), QPointF(1.5, 2), 0.25);
        PaintCardFace(p, faces[i]);
        p.restore();
    }

    // A chain of medallions down the column, each with a face shape.
    p.setPen(QPen(kGold, 1.4));
    p.drawLine(QPointF(w / 2, 128), QPointF(w / 2, 306));
    const std::array<int, 4> chain = {4, 9, 3, 15};
    for (std::size_t i = 0; i < chain.size(); ++i) {
        QPointF at(w / 2, 158 + 38.0 * static_cast<double>(i));
        FillFlat(p, CirclePath(at, 14), kIvory, kGold, 1.8);
        PaintFaceShape(p, chain[i], QRectF(at.x() - 9, at.y() - 9, 18, 18));
    }
    FillFlat(p, RegularPolygon(QPointF(w / 2, 310), 6, 4, -90), kGold);
    FillFlat(p, CirclePath(QPointF(w / 2 - 14, 310), 2.2), kGold);
    FillFlat(p, CirclePath(QPointF(w / 2 + 14, 310), 2.2), kGold);
    return canvas.Finish();
}

QImage DrawCardSlot(double scale) {
    Canvas canvas(kCardSize, scale);
    QPainter& p = canvas.painter();
    p.setBrush(WithAlpha(Qt::white, 0.15));
    p.setPen(QPen(WithAlpha(Qt::white, 0.75), 1.0, Qt::DashLine));
    p.drawRoundedRect(QRectF(0.5, 0.5, 48, 72), 4, 4);
    return canvas.Finish();
}

QImage DrawResultStart(double scale) {
    Canvas canvas(kResultStartSize, scale);
    QPainter& p = canvas.painter();
    QLinearGradient paper(0, 0, 0, kResultStartSize.height());
    paper.setColorAt(0.0, QColor(0xFBF6EA));
    paper.setColorAt(1.0, QColor(0xEFE5D0));
    p.fillRect(canvas.rect(), paper);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xB8A888), 1.0));
    p.drawRect(QRectF(0.5, 0.5, kResultStartSize.width() - 1, kResultStartSize.height() - 1));
    return canvas.Finish();
}

}  // namespace pairon::art
