// The large panel backgrounds: a mouse in a spring meadow, a pig by the
// farmyard fence, the card table behind the player entry, and the green baize
// of the board before the first game. Face-down cards and controls are laid
// over the upper and left parts, so those stay quiet and the animals sit to
// the lower right.

#include "art/art_parts.h"
#include "art/paint_kit.h"

#include <QLinearGradient>
#include <QPen>
#include <QRadialGradient>
#include <QTransform>

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace pairon::art {

namespace {

constexpr double kWide = 569.0;
constexpr double kTall = 409.0;

QPainterPath Ellipse(QPointF centre, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

void Sky(QPainter& painter, const QColor& top, const QColor& horizon, double horizonY) {
    QLinearGradient sky(0, 0, 0, horizonY);
    sky.setColorAt(0.0, top);
    sky.setColorAt(1.0, horizon);
    painter.fillRect(QRectF(0, 0, kWide, kTall), sky);
}

// A band of rolling land whose top edge waves gently about `topY`.
void Hills(QPainter& painter, double topY, double wave, double phase, const QColor& top, const QColor& bottom) {
    QPainterPath land;
    land.moveTo(0, kTall);
    const int steps = 48;
    for (int i = 0; i <= steps; ++i) {
        double x = kWide * i / steps;
        double t = x / kWide * 2.0 * std::numbers::pi;
        double y = topY + wave * std::sin(t * 1.3 + phase) + wave * 0.45 * std::sin(t * 2.9 + phase * 2.0);
        land.lineTo(x, y);
    }
    land.lineTo(kWide, kTall);
    land.closeSubpath();
    QLinearGradient shade(0, topY - wave, 0, kTall);
    shade.setColorAt(0.0, top);
    shade.setColorAt(1.0, bottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawPath(land);
}

void SoftCloud(QPainter& painter, QPointF base, double width, double alpha) {
    FillFlat(painter, CloudPath(base + QPointF(0, 3), width), WithAlpha(QColor(0x9FB8CC), alpha * 0.35));
    FillFlat(painter, CloudPath(base, width), WithAlpha(Qt::white, alpha));
}

void SoftSun(QPainter& painter, QPointF centre, double radius) {
    QRadialGradient glow(centre, radius * 3);
    glow.setColorAt(0.0, WithAlpha(QColor(0xFFF4C0), 0.9));
    glow.setColorAt(0.35, WithAlpha(QColor(0xFFF4C0), 0.35));
    glow.setColorAt(1.0, WithAlpha(QColor(0xFFF4C0), 0.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius * 3, radius * 3);
    painter.setBrush(QColor(0xFFF0A8));
    painter.drawEllipse(centre, radius, radius);
}

// Little five-petal flowers scattered over an area; lower ones are larger.
void Flowers(QPainter& painter, Dice& dice, const QRectF& area, int count, const std::vector<QColor>& colours) {
    for (int i = 0; i < count; ++i) {
        QPointF at(dice.Roll(area.left(), area.right()), dice.Roll(area.top(), area.bottom()));
        double size = 1.4 + 2.2 * (at.y() - area.top()) / area.height();
        QColor colour = colours[static_cast<std::size_t>(dice.RollInt(0, static_cast<int>(colours.size()) - 1))];
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        for (int k = 0; k < 5; ++k) {
            double angle = 2.0 * std::numbers::pi * k / 5;
            painter.drawEllipse(at + QPointF(size * std::cos(angle), size * std::sin(angle)), size * 0.8, size * 0.8);
        }
        painter.setBrush(QColor(0xF7D154));
        painter.drawEllipse(at, size * 0.6, size * 0.6);
    }
}

void GrassTufts(QPainter& painter, Dice& dice, const QRectF& area, int count, const QColor& colour) {
    for (int i = 0; i < count; ++i) {
        QPointF at(dice.Roll(area.left(), area.right()), dice.Roll(area.top(), area.bottom()));
        double size = 3 + 5 * (at.y() - area.top()) / area.height();
        QPainterPath tuft;
        for (double lean : {-0.7, 0.0, 0.6}) {
            tuft.moveTo(at);
            tuft.quadTo(at + QPointF(lean * size * 0.3, -size * 0.6), at + QPointF(lean * size, -size * 1.4));
        }
        StrokeLine(painter, tuft, colour, 1.2);
    }
}

void RoundTree(QPainter& painter, QPointF foot, double height, const QColor& leaves) {
    StrokeLine(painter, LinePath(foot, foot - QPointF(0, height * 0.45)), QColor(0x8A6A4A), height * 0.09);
    QPainterPath crown;
    crown.setFillRule(Qt::WindingFill);
    crown.addEllipse(foot - QPointF(0, height * 0.68), height * 0.32, height * 0.32);
    crown.addEllipse(foot - QPointF(height * 0.18, height * 0.52), height * 0.22, height * 0.2);
    crown.addEllipse(foot - QPointF(-height * 0.18, height * 0.54), height * 0.22, height * 0.2);
    FillShaded(painter, crown.simplified(), leaves, 0);
}

void CardWithShadow(QPainter& painter, QPointF centre, double turnDegrees, double size, int face, bool unseen) {
    painter.save();
    painter.translate(centre);
    painter.rotate(turnDegrees);
    painter.scale(size, size);
    painter.translate(-24.5, -36.5);
    DropShadow(painter, RoundedRectPath(QRectF(0.5, 0.5, 48, 72), 4), QPointF(1.5, 2.0), 0.12);
    if (face > 0) {
        PaintCardFace(painter, face);
    } else {
        PaintCardBack(painter, unseen);
    }
    painter.restore();
}

// --- the mouse ----------------------------------------------------------------

void PaintMouse(QPainter& p) {
    const QColor fur(0xAEB2C2);
    const QColor furDark(0x7E8396);
    const QColor pink(0xF4B4C4);
    const QColor ink(0x2E2A36);

    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(QColor(0x2F5A2A), 0.22));
    p.drawEllipse(QPointF(442, 382), 92, 13);

    QPainterPath tail;
    tail.moveTo(486, 356);
    tail.cubicTo(540, 372, 566, 330, 542, 300);
    tail.cubicTo(526, 280, 500, 296, 516, 312);
    StrokeLine(p, tail, QColor(0xC98E9C), 7);

    // Body, with a light belly.
    QRadialGradient body(425, 290, 90);
    body.setColorAt(0.0, fur.lighter(112));
    body.setColorAt(1.0, furDark);
    p.setPen(QPen(furDark.darker(130), 1.5));
    p.setBrush(body);
    p.drawEllipse(QPointF(442, 322), 64, 60);
    FillFlat(p, Ellipse({442, 338}, 40, 40), QColor(0xECEAF2));

    // Feet.
    FillFlat(p, Ellipse({410, 377}, 22, 9), pink, pink.darker(130), 1.2);
    FillFlat(p, Ellipse({474, 377}, 22, 9), pink, pink.darker(130), 1.2);

    // A wedge of cheese held up in both paws.
    QPainterPath cheese;
    cheese.moveTo(404, 312);
    cheese.lineTo(478, 296);
    cheese.lineTo(480, 332);
    cheese.lineTo(406, 338);
    cheese.closeSubpath();
    QPainterPath top;
    top.moveTo(404, 312);
    top.lineTo(478, 296);
    top.lineTo(462, 290);
    top.closeSubpath();
    FillFlat(p, cheese, QColor(0xF9D65C), QColor(0xC99A1C), 1.5);
    FillFlat(p, top, QColor(0xFCE79A), QColor(0xC99A1C), 1.5);
    const std::array<std::array<double, 3>, 4> holes = {{{422, 322, 5}, {446, 314, 3.5}, {462, 326, 4.5}, {436, 332, 2.5}}};
    for (const auto& [x, y, r] : holes) FillFlat(p, Ellipse({x, y}, r, r * 0.85), QColor(0xE2B22E));
    FillFlat(p, Ellipse({404, 324}, 11, 10), fur, furDark, 1.2);
    FillFlat(p, Ellipse({480, 316}, 11, 10), fur, furDark, 1.2);

    // Ears behind the head.
    for (double side : {-1.0, 1.0}) {
        QPointF ear(442 + side * 50, 176);
        FillFlat(p, Ellipse(ear, 36, 35), fur, furDark.darker(120), 1.5);
        FillFlat(p, Ellipse(ear + QPointF(side * 2, 3), 24, 23), pink);
    }
    QRadialGradient head(428, 205, 62);
    head.setColorAt(0.0, fur.lighter(115));
    head.setColorAt(1.0, furDark);
    p.setPen(QPen(furDark.darker(130), 1.5));
    p.setBrush(head);
    p.drawEllipse(QPointF(442, 226), 54, 48);

    // Face.
    for (double side : {-1.0, 1.0}) {
        QPointF eye(442 + side * 19, 216);
        FillFlat(p, Ellipse(eye, 8.5, 11.5), ink);
        FillFlat(p, Ellipse(eye + QPointF(-2.5, -4), 3, 3.5), Qt::white);
        FillFlat(p, Ellipse({442 + side * 34, 240}, 9, 6), WithAlpha(QColor(0xFF8FA8), 0.45));
    }
    FillFlat(p, Ellipse({442, 240}, 9, 6.5), QColor(0xE5768F), QColor(0xB04C64), 1.0);
    FillFlat(p, Ellipse({439, 238}, 3, 2), WithAlpha(Qt::white, 0.8));
    QPainterPath smile;
    smile.moveTo(442, 246);
    smile.quadTo(442, 254, 432, 254);
    smile.moveTo(442, 246);
    smile.quadTo(442, 254, 452, 254);
    StrokeLine(p, smile, ink, 1.8);
    QPainterPath whiskers;
    for (double side : {-1.0, 1.0}) {
        for (double lift : {-8.0, 0.0, 8.0}) {
            whiskers.moveTo(442 + side * 16, 244 + lift * 0.3);
            whiskers.quadTo(442 + side * 40, 240 + lift * 0.6, 442 + side * 66, 240 + lift * 1.5);
        }
    }
    StrokeLine(p, whiskers, QColor(0x5A5866), 1.1);
}

// --- the pig ------------------------------------------------------------------

void PaintPig(QPainter& p) {
    const QColor skin(0xF7B7C6);
    const QColor shade(0xE58FA6);
    const QColor ink(0x3A2630);

    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(QColor(0x3E2A1A), 0.25));
    p.drawEllipse(QPointF(440, 376), 120, 14);

    // Curly tail.
    QPainterPath tail;
    tail.moveTo(536, 296);
    tail.cubicTo(556, 286, 560, 266, 546, 262);
    tail.cubicTo(532, 258, 532, 278, 546, 280);
    tail.cubicTo(558, 282, 564, 268, 560, 258);
    StrokeLine(p, tail, shade.darker(115), 5);

    // Back legs, body, front legs.
    auto leg = [&](double x, double top) {
        FillFlat(p, RoundedRectPath(QRectF(x - 12, top, 24, 370 - top), 9), shade, shade.darker(130), 1.4);
        FillFlat(p, RoundedRectPath(QRectF(x - 12, 360, 24, 12), 4), QColor(0x9C6070));
    };
    leg(490, 320);
    leg(420, 326);
    QRadialGradient body(440, 280, 120);
    body.setColorAt(0.0, skin.lighter(106));
    body.setColorAt(1.0, shade);
    p.setPen(QPen(shade.darker(135), 1.6));
    p.setBrush(body);
    p.drawEllipse(QPointF(452, 304), 96, 60);
    leg(468, 334);
    leg(396, 334);

    // Ears flopping forward over the head.
    QPainterPath farEar;
    farEar.moveTo(380, 250);
    farEar.lineTo(400, 212);
    farEar.quadTo(412, 238, 406, 256);
    farEar.closeSubpath();
    FillFlat(p, farEar, shade, shade.darker(135), 1.4);

    QRadialGradient head(350, 270, 66);
    head.setColorAt(0.0, skin.lighter(108));
    head.setColorAt(1.0, shade);
    p.setPen(QPen(shade.darker(135), 1.6));
    p.setBrush(head);
    p.drawEllipse(QPointF(360, 284), 56, 50);

    QPainterPath nearEar;
    nearEar.moveTo(318, 252);
    nearEar.lineTo(316, 206);
    nearEar.quadTo(346, 222, 352, 246);
    nearEar.closeSubpath();
    FillFlat(p, nearEar, skin, shade.darker(135), 1.4);
    QPainterPath earInside;
    earInside.moveTo(323, 246);
    earInside.lineTo(322, 218);
    earInside.quadTo(340, 230, 344, 246);
    earInside.closeSubpath();
    FillFlat(p, earInside, shade);

    // Face: eyes, blush, snout, smile.
    for (double x : {340.0, 378.0}) {
        FillFlat(p, Ellipse({x, 268}, 6, 8), ink);
        FillFlat(p, Ellipse({x - 1.8, 265}, 2.2, 2.6), Qt::white);
    }
    FillFlat(p, Ellipse({326, 292}, 9, 6), WithAlpha(QColor(0xFF6F8E), 0.35));
    FillFlat(p, Ellipse({392, 290}, 9, 6), WithAlpha(QColor(0xFF6F8E), 0.35));
    FillFlat(p, Ellipse({358, 296}, 23, 16), QColor(0xF08FA8), shade.darker(140), 1.6);
    FillFlat(p, Ellipse({350, 296}, 4, 6.5), QColor(0x8A4658));
    FillFlat(p, Ellipse({366, 296}, 4, 6.5), QColor(0x8A4658));
    QPainterPath smile;
    smile.moveTo(344, 318);
    smile.quadTo(358, 326, 372, 318);
    StrokeLine(p, smile, ink, 2.0);
}

}  // namespace

QImage DrawMouseMeadow(double scale) {
    Canvas canvas(kBoardSize, scale);
    QPainter& p = canvas.painter();
    Sky(p, QColor(0xA8D6F0), QColor(0xEAF5EE), 240);
    SoftSun(p, QPointF(505, 62), 24);
    SoftCloud(p, QPointF(150, 92), 120, 0.85);
    SoftCloud(p, QPointF(330, 60), 90, 0.8);
    SoftCloud(p, QPointF(455, 130), 80, 0.7);
    Hills(p, 218, 12, 0.6, QColor(0xBFE0B4), QColor(0xA9D39C));
    RoundTree(p, QPointF(70, 236), 70, QColor(0x8CC480));
    RoundTree(p, QPointF(118, 242), 52, QColor(0x7DB873));
    RoundTree(p, QPointF(300, 232), 44, QColor(0x92C786));
    Hills(p, 268, 10, 2.2, QColor(0xA3D48F), QColor(0x86BF72));
    Hills(p, 318, 8, 4.0, QColor(0x93CB7C), QColor(0x6FAA5E));
    Dice dice(11);
    GrassTufts(p, dice, QRectF(0, 300, kWide, 105), 120, QColor(0x5E9A4E));
    Flowers(p, dice, QRectF(0, 290, 330, 115), 60, {QColor(0xFFFFFF), QColor(0xF7A8C4), QColor(0xC7B5F2)});
    PaintMouse(p);
    Flowers(p, dice, QRectF(340, 380, 220, 26), 10, {QColor(0xFFFFFF), QColor(0xF7A8C4)});
    return canvas.Finish();
}

QImage DrawPigFarm(double scale) {
    Canvas canvas(kBoardSize, scale);
    QPainter& p = canvas.painter();
    Sky(p, QColor(0xB4DAF0), QColor(0xFBEBD6), 230);
    SoftSun(p, QPointF(470, 70), 22);
    SoftCloud(p, QPointF(120, 80), 110, 0.8);
    SoftCloud(p, QPointF(300, 110), 90, 0.75);
    SoftCloud(p, QPointF(520, 150), 70, 0.7);
    Hills(p, 214, 10, 1.5, QColor(0xCDE3AA), QColor(0xB6D492));

    // A little barn far off.
    QPainterPath barn;
    barn.moveTo(222, 238);
    barn.lineTo(222, 200);
    barn.lineTo(246, 180);
    barn.lineTo(270, 200);
    barn.lineTo(270, 238);
    barn.closeSubpath();
    FillFlat(p, barn, QColor(0xC8736A), QColor(0x8E4A44), 1.0);
    QPainterPath roof;
    roof.moveTo(218, 202);
    roof.lineTo(246, 177);
    roof.lineTo(274, 202);
    StrokeLine(p, roof, QColor(0x7A4A44), 4);
    FillFlat(p, RoundedRectPath(QRectF(238, 214, 16, 24), 1), QColor(0xF3E6D8), QColor(0x8E4A44), 1.0);
    RoundTree(p, QPointF(196, 238), 44, QColor(0x9CC784));
    RoundTree(p, QPointF(296, 236), 38, QColor(0x8FBE78));

    Hills(p, 262, 6, 3.0, QColor(0xB2D791), QColor(0x98C777));

    // The wooden fence across the yard.
    const QColor wood(0xD2AC80);
    const QColor woodEdge(0x9A7450);
    for (double y : {268.0, 292.0}) {
        FillFlat(p, RoundedRectPath(QRectF(-4, y, kWide + 8, 9), 3), wood, woodEdge, 1.0);
    }
    for (double x = 24; x < kWide; x += 62) {
        QPainterPath post;
        post.moveTo(x - 7, 318);
        post.lineTo(x - 7, 258);
        post.lineTo(x, 250);
        post.lineTo(x + 7, 258);
        post.lineTo(x + 7, 318);
        post.closeSubpath();
        FillFlat(p, post, wood.lighter(105), woodEdge, 1.0);
    }

    Hills(p, 314, 5, 5.0, QColor(0xA6D086), QColor(0x86B866));
    // A muddy puddle for the pig.
    QRadialGradient mud(450, 372, 140);
    mud.setColorAt(0.0, QColor(0xA98262));
    mud.setColorAt(1.0, QColor(0x8C6446));
    p.setPen(Qt::NoPen);
    p.setBrush(mud);
    p.drawEllipse(QPointF(452, 374), 128, 26);
    Dice dice(5);
    GrassTufts(p, dice, QRectF(0, 320, 320, 85), 70, QColor(0x6B9E4E));
    Flowers(p, dice, QRectF(0, 320, 300, 85), 36, {QColor(0xFFFFFF), QColor(0xF6D55C), QColor(0xF7A8C4)});
    PaintPig(p);
    return canvas.Finish();
}

QImage DrawPlayerPanel(double scale) {
    Canvas canvas(kBoardSize, scale);
    QPainter& p = canvas.painter();

    // A honey-coloured wooden table top.
    QLinearGradient table(0, 0, kWide, kTall);
    table.setColorAt(0.0, QColor(0xF0D9B5));
    table.setColorAt(1.0, QColor(0xDDB98A));
    p.fillRect(canvas.rect(), table);
    Dice dice(21);
    for (double y = 0; y < kTall; y += 58) {
        p.setPen(QPen(WithAlpha(QColor(0x9A6A3A), 0.35), 1.2));
        p.drawLine(QPointF(0, y), QPointF(kWide, y));
        p.setPen(QPen(WithAlpha(QColor(0xA87A4A), 0.12), 1.0));
        for (int g = 0; g < 5; ++g) {
            double gy = y + dice.Roll(8, 50);
            QPainterPath grain;
            grain.moveTo(0, gy);
            for (double x = 0; x <= kWide; x += 40) grain.lineTo(x, gy + 2.0 * std::sin(x / 60.0 + g));
            p.drawPath(grain);
        }
    }

    // A soft felt mat under the fan of cards.
    QPainterPath mat = RoundedRectPath(QRectF(300, 24, 250, 230), 24);
    QRadialGradient felt(430, 130, 180);
    felt.setColorAt(0.0, QColor(0x86BCA0));
    felt.setColorAt(1.0, QColor(0x679F84));
    DropShadow(p, mat, QPointF(2, 3), 0.1);
    p.setPen(QPen(QColor(0x558A70), 1.5));
    p.setBrush(felt);
    p.drawPath(mat);

    // Five cards fanned out from one corner held together.
    const QPointF pivot(425, 246);
    const std::array<int, 5> faces = {1, 6, 5, 4, 7};
    for (std::size_t i = 0; i < faces.size(); ++i) {
        double turn = -48.0 + 24.0 * static_cast<double>(i);
        QTransform around;
        around.translate(pivot.x(), pivot.y());
        around.rotate(turn);
        QPointF centre = around.map(QPointF(0, -92));
        CardWithShadow(p, centre, turn, 1.3, faces[i], false);
    }
    // Two more cards lying loose on the table.
    CardWithShadow(p, QPointF(470, 326), 16, 1.2, 0, true);
    CardWithShadow(p, QPointF(518, 340), -8, 1.2, 0, false);

    // Keep the left and lower part calm for the controls laid over it.
    QLinearGradient calm(0, 0, 360, 0);
    calm.setColorAt(0.0, WithAlpha(QColor(0xFFF8EE), 0.45));
    calm.setColorAt(1.0, WithAlpha(QColor(0xFFF8EE), 0.0));
    p.fillRect(QRectF(0, 0, 360, kTall), calm);
    return canvas.Finish();
}

QImage DrawGameBoard(double scale) {
    Canvas canvas(kBoardSize, scale);
    QPainter& p = canvas.painter();
    QRadialGradient baize(kWide / 2, kTall / 2, 360);
    baize.setColorAt(0.0, QColor(0x2F8555));
    baize.setColorAt(1.0, QColor(0x1A5534));
    p.fillRect(canvas.rect(), baize);

    // A faint diamond weave.
    p.setPen(QPen(WithAlpha(Qt::white, 0.05), 1.0));
    for (double d = -kTall; d < kWide + kTall; d += 18) {
        p.drawLine(QPointF(d, 0), QPointF(d + kTall, kTall));
        p.drawLine(QPointF(d, kTall), QPointF(d + kTall, 0));
    }
    // The nap of the cloth.
    Dice dice(31);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 1800; ++i) {
        bool light = (i % 2) == 0;
        p.setBrush(WithAlpha(light ? Qt::white : Qt::black, 0.06));
        p.drawEllipse(QPointF(dice.Roll(0, kWide), dice.Roll(0, kTall)), 0.8, 0.8);
    }
    // A thin inlaid line round the table.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(WithAlpha(QColor(0xE8D08A), 0.35), 1.2));
    p.drawRoundedRect(QRectF(10, 10, kWide - 20, kTall - 20), 12, 12);

    // The name in the lower right, with a small pair of cards.
    CardWithShadow(p, QPointF(440, 376), -14, 0.36, 0, false);
    CardWithShadow(p, QPointF(452, 374), 10, 0.36, 6, false);
    DrawTitle(p, QRectF(464, 358, 92, 34), QStringLiteral("Pairon"), PictureFont(21, true, true), QColor(0xF2DC98),
              WithAlpha(Qt::black, 0.45), Qt::AlignLeft | Qt::AlignVCenter);
    return canvas.Finish();
}

}  // namespace pairon::art
