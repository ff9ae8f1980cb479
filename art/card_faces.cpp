// The 26 card faces. Every face has its own shape and its own colour, so a
// player tells them apart by either one alone; the colours also step through
// light and dark so they differ when seen without colour.

#include "art/art_parts.h"
#include "art/paint_kit.h"

#include <QLinearGradient>
#include <QPen>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace pairon::art {

namespace {

// Each shape is drawn in a 100 x 100 box. `accent` is an optional second area
// painted in the face's accent colour on top of the body.
struct FaceShape {
    QPainterPath body;
    QPainterPath accent;
};

QPainterPath Polygon(std::initializer_list<QPointF> corners) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& corner : corners) {
        if (first) {
            path.moveTo(corner);
            first = false;
        } else {
            path.lineTo(corner);
        }
    }
    path.closeSubpath();
    return path;
}

// Joins overlapping parts into one outline, so the outline pen runs only round the edge.
QPainterPath Merge(std::initializer_list<QPainterPath> parts) {
    QPainterPath all;
    for (const QPainterPath& part : parts) all = all.united(part);
    return all;
}

QPainterPath Rect(double x, double y, double w, double h) {
    QPainterPath path;
    path.addRect(QRectF(x, y, w, h));
    return path;
}

QPainterPath RoundRect(double x, double y, double w, double h, double r) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

QPainterPath Turned(const QPainterPath& path, double degrees, QPointF about = QPointF(50, 50)) {
    QTransform turn;
    turn.translate(about.x(), about.y());
    turn.rotate(degrees);
    turn.translate(-about.x(), -about.y());
    return turn.map(path);
}

FaceShape Circle() { return {CirclePath({50, 50}, 43), {}}; }

FaceShape Square() { return {RoundRect(13, 13, 74, 74, 7), {}}; }

FaceShape Triangle() { return {Polygon({{50, 6}, {96, 88}, {4, 88}}), {}}; }

FaceShape Diamond() { return {Polygon({{50, 0}, {86, 50}, {50, 100}, {14, 50}}), {}}; }

FaceShape Star() { return {StarPath({50, 54}, 50, 20, 5), {}}; }

FaceShape Heart() { return {HeartPath(QRectF(4, 10, 92, 84)), {}}; }

FaceShape Hexagon() { return {RegularPolygon({50, 50}, 47, 6, 0), {}}; }

FaceShape Cross() { return {Merge({Rect(35, 6, 30, 88), Rect(6, 35, 88, 30)}), {}}; }

FaceShape Crescent() {
    return {CirclePath({50, 50}, 45).subtracted(CirclePath({70, 36}, 38)), {}};
}

FaceShape Arrow() {
    return {Polygon({{98, 50}, {54, 8}, {54, 33}, {4, 33}, {4, 67}, {54, 67}, {54, 92}}), {}};
}

FaceShape Ring() { return {CirclePath({50, 50}, 45).subtracted(CirclePath({50, 50}, 24)), {}}; }

FaceShape Spiral() {
    QPainterPath line;
    const double turns = 2.0;
    const int steps = 140;
    for (int i = 0; i <= steps; ++i) {
        double angle = turns * 2.0 * std::numbers::pi * i / steps;
        double radius = 4.0 + 3.1 * angle;
        QPointF at(50 + radius * std::cos(angle), 50 + radius * std::sin(angle));
        if (i == 0) {
            line.moveTo(at);
        } else {
            line.lineTo(at);
        }
    }
    return {StrokeOf(line, 9.5), {}};
}

FaceShape Lightning() {
    return {Polygon({{40, 0}, {78, 0}, {58, 38}, {84, 38}, {28, 100}, {44, 56}, {18, 56}}), {}};
}

FaceShape Flower() {
    QPainterPath petals;
    petals.setFillRule(Qt::WindingFill);
    for (int i = 0; i < 6; ++i) {
        QPainterPath petal;
        petal.addEllipse(QPointF(50, 24), 15, 24);
        petals.addPath(Turned(petal, 60.0 * i));
    }
    return {petals.simplified(), CirclePath({50, 50}, 14)};
}

FaceShape Drop() {
    QPainterPath drop;
    drop.moveTo(50, 2);
    drop.cubicTo(56, 22, 82, 42, 82, 64);
    drop.cubicTo(82, 84, 67, 98, 50, 98);
    drop.cubicTo(33, 98, 18, 84, 18, 64);
    drop.cubicTo(18, 42, 44, 22, 50, 2);
    drop.closeSubpath();
    QPainterPath shine;
    shine.moveTo(33, 62);
    shine.cubicTo(33, 72, 38, 80, 46, 84);
    return {drop.subtracted(StrokeOf(shine, 6)), {}};
}

FaceShape Leaf() {
    QPainterPath blade;
    blade.moveTo(50, 2);
    blade.cubicTo(86, 24, 86, 66, 50, 86);
    blade.cubicTo(14, 66, 14, 24, 50, 2);
    blade.closeSubpath();
    QPainterPath veins;
    veins.moveTo(50, 16);
    veins.lineTo(50, 80);
    for (double y : {34.0, 50.0, 64.0}) {
        veins.moveTo(50, y + 8);
        veins.lineTo(36, y - 4);
        veins.moveTo(50, y + 8);
        veins.lineTo(64, y - 4);
    }
    QPainterPath body = Merge({blade, StrokeOf(LinePath({50, 80}, {50, 99}), 7)}).subtracted(StrokeOf(veins, 3.5));
    return {Turned(body, 38), {}};
}

FaceShape Key() {
    QPainterPath bow = CirclePath({25, 50}, 21).subtracted(CirclePath({25, 50}, 9));
    QPainterPath body = Merge({bow, Rect(42, 44, 56, 12), Rect(72, 54, 9, 17), Rect(86, 54, 9, 12)});
    return {Turned(body, -30), {}};
}

FaceShape Bell() {
    QPainterPath dome;
    dome.moveTo(50, 10);
    dome.cubicTo(30, 10, 25, 28, 25, 48);
    dome.cubicTo(25, 66, 18, 72, 8, 78);
    dome.lineTo(92, 78);
    dome.cubicTo(82, 72, 75, 66, 75, 48);
    dome.cubicTo(75, 28, 70, 10, 50, 10);
    dome.closeSubpath();
    QPainterPath body = Merge({dome, CirclePath({50, 9}, 7), RoundRect(5, 75, 90, 10, 5), CirclePath({50, 91}, 9)});
    QPainterPath shine;
    shine.moveTo(36, 30);
    shine.cubicTo(33, 40, 33, 52, 34, 62);
    return {body.subtracted(StrokeOf(shine, 5)), {}};
}

FaceShape Anchor() {
    QPainterPath hook;
    hook.moveTo(14, 58);
    hook.quadTo(18, 92, 50, 92);
    hook.quadTo(82, 92, 86, 58);
    QPainterPath ring = CirclePath({50, 13}, 12).subtracted(CirclePath({50, 13}, 5.5));
    return {Merge({ring, StrokeOf(LinePath({50, 22}, {50, 92}), 10), StrokeOf(LinePath({28, 34}, {72, 34}), 9),
                   StrokeOf(hook, 9), Polygon({{14, 40}, {2, 66}, {27, 64}}), Polygon({{86, 40}, {98, 66}, {73, 64}})}),
            {}};
}

FaceShape Sun() {
    QPainterPath rays;
    rays.setFillRule(Qt::WindingFill);
    for (int i = 0; i < 12; ++i) {
        double angle = i * 30.0;
        QPainterPath ray = Polygon({{50 - 6.5, 50 - 29}, {50, 50 - 50}, {50 + 6.5, 50 - 29}});
        rays.addPath(Turned(ray, angle));
    }
    return {Merge({CirclePath({50, 50}, 26), rays}), {}};
}

FaceShape Umbrella() {
    QPainterPath canopy;
    canopy.moveTo(4, 54);
    canopy.cubicTo(4, 22, 28, 8, 50, 8);
    canopy.cubicTo(72, 8, 96, 22, 96, 54);
    canopy.quadTo(84.5, 42, 73, 54);
    canopy.quadTo(61.5, 42, 50, 54);
    canopy.quadTo(38.5, 42, 27, 54);
    canopy.quadTo(15.5, 42, 4, 54);
    canopy.closeSubpath();
    QPainterPath handle;
    handle.moveTo(50, 48);
    handle.lineTo(50, 84);
    handle.cubicTo(50, 98, 30, 98, 30, 84);
    return {Merge({canopy, CirclePath({50, 7}, 5), StrokeOf(handle, 8)}), {}};
}

FaceShape House() {
    QPainterPath body = Merge({Rect(18, 46, 64, 48), Polygon({{2, 52}, {50, 8}, {98, 52}}), Rect(66, 14, 12, 26)});
    QPainterPath openings = Merge({Rect(42, 66, 16, 28), Rect(24, 58, 12, 12), Rect(64, 58, 12, 12)});
    return {body.subtracted(openings), {}};
}

FaceShape Fish() {
    QPainterPath body;
    body.moveTo(96, 50);
    body.cubicTo(80, 18, 42, 16, 24, 50);
    body.cubicTo(42, 84, 80, 82, 96, 50);
    body.closeSubpath();
    QPainterPath tail;
    tail.moveTo(32, 50);
    tail.lineTo(2, 22);
    tail.quadTo(12, 50, 2, 78);
    tail.closeSubpath();
    QPainterPath gill;
    gill.moveTo(64, 32);
    gill.quadTo(56, 50, 64, 68);
    QPainterPath cuts = Merge({CirclePath({77, 44}, 5), StrokeOf(gill, 4)});
    return {Merge({body, tail}).subtracted(cuts), {}};
}

FaceShape Tree() {
    return {Merge({Polygon({{50, 0}, {78, 34}, {22, 34}}), Polygon({{50, 18}, {86, 60}, {14, 60}}),
                   Polygon({{50, 38}, {96, 84}, {4, 84}}), Rect(41, 80, 18, 18)}),
            {}};
}

FaceShape Crown() {
    QPainterPath points = Polygon({{12, 78}, {8, 30}, {31, 52}, {50, 18}, {69, 52}, {92, 30}, {88, 78}});
    QPainterPath body = Merge({points, CirclePath({8, 27}, 7), CirclePath({50, 14}, 7), CirclePath({92, 27}, 7),
                               RoundRect(10, 80, 80, 14, 3)});
    return {body.subtracted(CirclePath({50, 62}, 7)), {}};
}

FaceShape Note() {
    QPainterPath heads;
    QPainterPath head;
    head.addEllipse(QPointF(0, 0), 15, 11);
    QTransform left;
    left.translate(26, 80);
    left.rotate(-22);
    QTransform right;
    right.translate(74, 70);
    right.rotate(-22);
    return {Merge({left.map(head), right.map(head), Rect(33, 20, 8, 58), Rect(81, 10, 8, 58),
                   Polygon({{33, 16}, {89, 4}, {89, 22}, {33, 34}})}),
            {}};
}

struct FaceDesign {
    const char* shape;  // what the face shows, for readers of this table
    FaceShape (*draw)();
    QRgb colour;
    QRgb accent;
};

// Face n of the game is entry n - 1. Hues are spread round the wheel and the
// neighbouring hues differ in lightness.
const std::array<FaceDesign, kFaceCount> kFaces = {{
    {"circle", Circle, 0xD7263D, 0},
    {"square", Square, 0x1B2F86, 0},
    {"triangle", Triangle, 0x2A9A44, 0},
    {"diamond", Diamond, 0xF57C00, 0},
    {"star", Star, 0xF5C800, 0},
    {"heart", Heart, 0xF06AA6, 0},
    {"hexagon", Hexagon, 0x0E8C8C, 0},
    {"cross", Cross, 0x7D1530, 0},
    {"crescent", Crescent, 0x68BDF0, 0},
    {"arrow", Arrow, 0x8A3FC0, 0},
    {"ring", Ring, 0x8E969E, 0},
    {"spiral", Spiral, 0xC2188F, 0},
    {"lightning", Lightning, 0x00ACE6, 0},
    {"flower", Flower, 0xB9A0EA, 0xF6C343},
    {"drop", Drop, 0x1E6FD6, 0},
    {"leaf", Leaf, 0x8CCF45, 0},
    {"key", Key, 0x8B5A2B, 0},
    {"bell", Bell, 0xC9A45C, 0},
    {"anchor", Anchor, 0x4E5D6C, 0},
    {"sun", Sun, 0xF2A900, 0},
    {"umbrella", Umbrella, 0x4A3AAA, 0},
    {"house", House, 0xE2664A, 0},
    {"fish", Fish, 0x31C3A8, 0},
    {"tree", Tree, 0x1C5E28, 0},
    {"crown", Crown, 0x7A8520, 0},
    {"note", Note, 0x2A2A2E, 0},
}};

const FaceDesign& Design(int face) { return kFaces.at(static_cast<std::size_t>(face - 1)); }

// The card itself: ivory, a thin rounded border.
constexpr QRectF kCardEdge(0.5, 0.5, 48.0, 72.0);
constexpr double kCardRadius = 4.0;
constexpr QRgb kFaceIvory = 0xFFFCF2;
constexpr QRgb kFaceBorder = 0x7D7868;

}  // namespace

QColor FaceColour(int face) { return QColor(Design(face).colour); }

void PaintFaceShape(QPainter& painter, int face, const QRectF& box, bool outlined) {
    const FaceDesign& design = Design(face);
    const FaceShape shape = design.draw();
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / 100.0, box.height() / 100.0);
    // An outline of about one pixel at card size, whatever the box.
    const double outline = outlined ? 100.0 / std::max(20.0, box.width()) : 0.0;
    if (outlined) {
        FillShaded(painter, shape.body, QColor(design.colour), outline);
    } else {
        FillFlat(painter, shape.body, QColor(design.colour));
    }
    if (!shape.accent.isEmpty()) {
        FillFlat(painter, shape.accent, QColor(design.accent), Mix(QColor(design.accent), Qt::black, 0.4), outline);
    }
    painter.restore();
}

void PaintCardFace(QPainter& painter, int face) {
    painter.save();
    QLinearGradient paper(0, 0, 0, 73);
    paper.setColorAt(0.0, QColor(0xFFFFFB));
    paper.setColorAt(1.0, QColor(kFaceIvory).darker(103));
    painter.setBrush(paper);
    painter.setPen(QPen(QColor(kFaceBorder), 1.0));
    painter.drawRoundedRect(kCardEdge, kCardRadius, kCardRadius);

    // The big shape in the middle, and a small one in two corners.
    PaintFaceShape(painter, face, QRectF(3.5, 15.5, 42, 42));
    PaintFaceShape(painter, face, QRectF(3.5, 3.5, 9, 9), false);
    painter.translate(49, 73);
    painter.rotate(180);
    PaintFaceShape(painter, face, QRectF(3.5, 3.5, 9, 9), false);
    painter.restore();
}

QImage DrawCardFace(int face, double scale) {
    if (face < 1 || face > kFaceCount) return {};
    // The corners outside the rounded card take the border's colour, so the
    // bitmap's square corners read as part of the edge.
    Canvas canvas(kCardSize, scale, QColor(kFaceBorder));
    PaintCardFace(canvas.painter(), face);
    return canvas.Finish();
}

}  // namespace pairon::art
