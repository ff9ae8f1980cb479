// The pictures that go with the outcome of a game: a cheering winner, a
// downcast loser under a rain cloud, a fuming loser, and the trophy.

#include "art/art_parts.h"
#include "art/paint_kit.h"

#include <QLinearGradient>
#include <QPen>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace pairon::art {

namespace {

const QColor kSkin(0xF7C99A);
const QColor kInk(0x3A2A22);

QPainterPath Arc(QPointF from, QPointF control, QPointF to) {
    QPainterPath path;
    path.moveTo(from);
    path.quadTo(control, to);
    return path;
}

// A four-pointed glint.
void Sparkle(QPainter& painter, QPointF at, double size, const QColor& colour) {
    FillFlat(painter, StarPath(at, size, size * 0.28, 4), colour);
}

void Sky(QPainter& painter, const QColor& top, const QColor& bottom) {
    QLinearGradient sky(0, 0, 0, kResultSize.height());
    sky.setColorAt(0.0, top);
    sky.setColorAt(1.0, bottom);
    painter.fillRect(QRectF(0, 0, kResultSize.width(), kResultSize.height()), sky);
}

void Rays(QPainter& painter, QPointF from, int count, const QColor& colour) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (int i = 0; i < count; ++i) {
        double a0 = 2.0 * std::numbers::pi * (i + 0.0) / count;
        double a1 = 2.0 * std::numbers::pi * (i + 0.45) / count;
        QPainterPath ray;
        ray.moveTo(from);
        ray.lineTo(from + QPointF(200 * std::cos(a0), 200 * std::sin(a0)));
        ray.lineTo(from + QPointF(200 * std::cos(a1), 200 * std::sin(a1)));
        ray.closeSubpath();
        painter.drawPath(ray);
    }
    painter.restore();
}

}  // namespace

QImage DrawWinner(double scale) {
    Canvas canvas(kResultSize, scale);
    QPainter& p = canvas.painter();
    QRadialGradient glow(50, 50, 90);
    glow.setColorAt(0.0, QColor(0xFFF8DC));
    glow.setColorAt(1.0, QColor(0xFFCF70));
    p.fillRect(canvas.rect(), glow);
    Rays(p, QPointF(50, 48), 18, WithAlpha(Qt::white, 0.35));

    // Confetti falling all round.
    Dice dice(7);
    const std::array<QColor, 5> confetti = {QColor(0xE63946), QColor(0x2A9D8F), QColor(0x457BDD), QColor(0x9B5DE5),
                                            QColor(0xF4A261)};
    for (int i = 0; i < 46; ++i) {
        p.save();
        p.translate(dice.Roll(2, 98), dice.Roll(2, 104));
        p.rotate(dice.Roll(0, 180));
        p.fillRect(QRectF(-2.2, -1.0, 4.4, 2.0), confetti[static_cast<std::size_t>(i) % confetti.size()]);
        p.restore();
    }

    // The podium.
    QLinearGradient gold(28, 0, 72, 0);
    gold.setColorAt(0.0, QColor(0xC98A10));
    gold.setColorAt(0.5, QColor(0xFFE07A));
    gold.setColorAt(1.0, QColor(0xC98A10));
    p.setPen(QPen(QColor(0x8A5A00), 1.0));
    p.setBrush(gold);
    p.drawRoundedRect(QRectF(26, 108, 48, 26), 2, 2);
    DrawTitle(p, QRectF(26, 108, 48, 22), QStringLiteral("1"), PictureFont(18, true, true), QColor(0x7A4A00),
              QColor());

    // The figure, arms up.
    const QColor shirt(0x2E86DE);
    const QColor trousers(0x2D3A6B);
    StrokeLine(p, LinePath({45, 88}, {41, 107}), trousers, 7);
    StrokeLine(p, LinePath({55, 88}, {59, 107}), trousers, 7);
    FillFlat(p, RoundedRectPath(QRectF(37, 56, 26, 36), 9), shirt, shirt.darker(140), 1.0);
    QPainterPath leftArm = Arc({41, 62}, {26, 52}, {21, 27});
    QPainterPath rightArm = Arc({59, 62}, {74, 52}, {79, 27});
    StrokeLine(p, leftArm, shirt.darker(140), 8);
    StrokeLine(p, rightArm, shirt.darker(140), 8);
    StrokeLine(p, leftArm, shirt, 6);
    StrokeLine(p, rightArm, shirt, 6);
    FillFlat(p, CirclePath({21, 25}, 4.8), kSkin, kSkin.darker(140), 0.8);
    FillFlat(p, CirclePath({79, 25}, 4.8), kSkin, kSkin.darker(140), 0.8);

    // Head: closed happy eyes and a wide open laugh.
    FillFlat(p, CirclePath({50, 42}, 14), kSkin, kSkin.darker(150), 1.0);
    QPainterPath hair;
    hair.moveTo(36.5, 40);
    hair.cubicTo(36, 26, 62, 24, 63.5, 40);
    hair.cubicTo(58, 33, 46, 31, 36.5, 40);
    FillFlat(p, hair, QColor(0x6B3E1E));
    StrokeLine(p, Arc({42, 43}, {45, 38}, {48, 43}), kInk, 1.6);
    StrokeLine(p, Arc({52, 43}, {55, 38}, {58, 43}), kInk, 1.6);
    QPainterPath mouth;
    mouth.moveTo(42, 47);
    mouth.quadTo(50, 49, 58, 47);
    mouth.quadTo(57, 56, 50, 56);
    mouth.quadTo(43, 56, 42, 47);
    FillFlat(p, mouth, QColor(0x8E1B1B), kInk, 0.8);
    FillFlat(p, CirclePath({50, 54}, 2.6), QColor(0xF08080));
    FillFlat(p, CirclePath({40, 48}, 2.2), WithAlpha(QColor(0xFF7070), 0.5));
    FillFlat(p, CirclePath({60, 48}, 2.2), WithAlpha(QColor(0xFF7070), 0.5));

    // A rosette pinned to the chest.
    QPainterPath ribbons;
    ribbons.moveTo(47, 72);
    ribbons.lineTo(44, 84);
    ribbons.lineTo(47, 82);
    ribbons.lineTo(49, 85);
    ribbons.lineTo(50, 72);
    ribbons.moveTo(50, 72);
    ribbons.lineTo(51, 85);
    ribbons.lineTo(53, 82);
    ribbons.lineTo(56, 84);
    ribbons.lineTo(53, 72);
    FillFlat(p, ribbons, QColor(0xD62828));
    FillFlat(p, StarPath({50, 70}, 7.0, 5.0, 12), QColor(0xF5C400), QColor(0xA87900), 0.7);
    FillFlat(p, CirclePath({50, 70}, 3.2), QColor(0xD62828));

    Sparkle(p, {12, 14}, 6, Qt::white);
    Sparkle(p, {88, 10}, 5, Qt::white);
    Sparkle(p, {90, 70}, 4, Qt::white);
    return canvas.Finish();
}

QImage DrawDepressed(double scale) {
    Canvas canvas(kResultSize, scale);
    QPainter& p = canvas.painter();
    Sky(p, QColor(0x7C889C), QColor(0xBCC4D0));

    // Rain first, so the cloud sits over the top of the streaks.
    Dice dice(3);
    p.setPen(QPen(QColor(0x3F6FB0), 1.3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 26; ++i) {
        double x = dice.Roll(18, 86);
        double y = dice.Roll(44, 70);
        p.drawLine(QPointF(x, y), QPointF(x - 2, y + 7));
    }
    QPainterPath cloud = CloudPath({50, 44}, 70);
    QLinearGradient grey(0, 6, 0, 44);
    grey.setColorAt(0.0, QColor(0x9AA1AB));
    grey.setColorAt(1.0, QColor(0x5D6470));
    p.setPen(QPen(QColor(0x474D57), 1.0));
    p.setBrush(grey);
    p.drawPath(cloud);

    // Slumped shoulders and a drooping head, tipped to one side.
    QPainterPath shoulders;
    shoulders.addEllipse(QPointF(50, 134), 40, 22);
    FillFlat(p, shoulders, QColor(0x5A6A8A), QColor(0x3E4A62), 1.0);
    p.save();
    p.translate(50, 96);
    p.rotate(-12);
    p.translate(-50, -96);
    const QColor pale(0xE6D9B0);
    FillFlat(p, CirclePath({50, 90}, 27), pale, pale.darker(150), 1.0);
    // Brows lifted in the middle, heavy lids, a frown and a tear.
    StrokeLine(p, LinePath({36, 80}, {46, 76}), kInk, 2.0);
    StrokeLine(p, LinePath({54, 76}, {64, 80}), kInk, 2.0);
    for (double x : {41.0, 59.0}) {
        FillFlat(p, CirclePath({x, 87}, 3.6), Qt::white, kInk, 0.8);
        FillFlat(p, CirclePath({x, 88.5}, 1.8), kInk);
        QPainterPath lid;
        lid.moveTo(x - 4.4, 87);
        lid.quadTo(x, 81, x + 4.4, 87);
        lid.closeSubpath();
        FillFlat(p, lid, pale.darker(112), kInk, 0.9);
    }
    StrokeLine(p, Arc({40, 106}, {50, 96}, {60, 106}), kInk, 2.2);
    QPainterPath tear;
    tear.moveTo(61, 92);
    tear.cubicTo(62, 95, 64, 97, 64, 99);
    tear.cubicTo(64, 102, 58, 102, 58, 99);
    tear.cubicTo(58, 97, 60, 95, 61, 92);
    FillFlat(p, tear, QColor(0x6FB4F0), QColor(0x2F6FB0), 0.7);
    p.restore();
    return canvas.Finish();
}

QImage DrawFrustrated(double scale) {
    Canvas canvas(kResultSize, scale);
    QPainter& p = canvas.painter();
    QRadialGradient heat(50, 80, 90);
    heat.setColorAt(0.0, QColor(0xFFD2B8));
    heat.setColorAt(1.0, QColor(0xE9673F));
    p.fillRect(canvas.rect(), heat);

    // Steam blowing off the top of the head in growing puffs.
    const QColor steam(0xF7F7FA);
    const QColor steamEdge(0xB0ACB4);
    for (int side : {-1, 1}) {
        auto mirrored = [side](double x, double y) { return QPointF(side < 0 ? x : 100 - x, y); };
        QPainterPath jet;
        jet.moveTo(mirrored(30, 58));
        jet.quadTo(mirrored(26, 50), mirrored(27, 44));
        StrokeLine(p, jet, steam, 3.0);
        const std::array<std::array<double, 3>, 3> puffs = {{{25, 42, 5}, {18, 30, 7}, {15, 14, 10}}};
        for (const auto& puff : puffs) {
            QPainterPath cloud = CirclePath(mirrored(puff[0], puff[1]), puff[2]);
            if (puff[2] >= 10) cloud = cloud.united(CirclePath(mirrored(puff[0] + 8, puff[1] - 2), 7));
            FillFlat(p, cloud, steam, steamEdge, 1.0);
        }
    }

    // A red, scowling face with gritted teeth.
    QRadialGradient flush(50, 70, 36);
    flush.setColorAt(0.0, QColor(0xFFA080));
    flush.setColorAt(1.0, QColor(0xE2523A));
    p.setPen(QPen(QColor(0x8E2A1A), 1.2));
    p.setBrush(flush);
    p.drawEllipse(QPointF(50, 82), 32, 32);
    for (double x : {38.0, 62.0}) {
        FillFlat(p, CirclePath({x, 76}, 5.2), Qt::white, kInk, 0.9);
        FillFlat(p, CirclePath({x + (x < 50 ? 1.5 : -1.5), 77}, 2.3), kInk);
    }
    StrokeLine(p, LinePath({28, 64}, {46, 72}), QColor(0x3A1E14), 4.5);
    StrokeLine(p, LinePath({54, 72}, {72, 64}), QColor(0x3A1E14), 4.5);
    QRectF teeth(31, 90, 38, 15);
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(Qt::white);
    p.drawRoundedRect(teeth, 4, 4);
    p.setPen(QPen(kInk, 1.0));
    p.drawLine(QPointF(teeth.left() + 1, teeth.center().y()), QPointF(teeth.right() - 1, teeth.center().y()));
    for (double x = teeth.left() + 6.3; x < teeth.right() - 1; x += 6.3) {
        p.drawLine(QPointF(x, teeth.top() + 0.7), QPointF(x, teeth.bottom() - 0.7));
    }

    // The throbbing vein on the forehead: four little arcs bowed towards its middle.
    const QPointF vein(50, 57);
    auto around = [&vein](double degrees, double distance) {
        double radians = degrees * std::numbers::pi / 180.0;
        return vein + QPointF(distance * std::cos(radians), distance * std::sin(radians));
    };
    QPainterPath arcs;
    for (int i = 0; i < 4; ++i) {
        double angle = 45.0 + 90.0 * i;
        arcs.addPath(Arc(around(angle - 28, 6.0), around(angle, 1.5), around(angle + 28, 6.0)));
    }
    StrokeLine(p, arcs, QColor(0x9E1010), 1.8);
    return canvas.Finish();
}

QImage DrawTrophy(double scale) {
    Canvas canvas(kResultSize, scale);
    QPainter& p = canvas.painter();
    QRadialGradient night(50, 50, 85);
    night.setColorAt(0.0, QColor(0x4C5FC0));
    night.setColorAt(1.0, QColor(0x18205A));
    p.fillRect(canvas.rect(), night);
    Rays(p, QPointF(50, 50), 16, WithAlpha(QColor(0xFFF1B0), 0.13));

    QLinearGradient gold(22, 0, 78, 0);
    gold.setColorAt(0.0, QColor(0x9A6500));
    gold.setColorAt(0.3, QColor(0xFFE68A));
    gold.setColorAt(0.55, QColor(0xF2BC2A));
    gold.setColorAt(1.0, QColor(0x8F5D00));
    const QPen rim(QColor(0x6E4600), 1.0);

    // Handles behind the bowl.
    for (int side : {-1, 1}) {
        QPainterPath handle;
        handle.moveTo(50 + side * 24, 32);
        handle.cubicTo(50 + side * 44, 30, 50 + side * 42, 60, 50 + side * 12, 68);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x6E4600), 7.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(handle);
        p.setPen(QPen(QColor(0xF2C040), 4.6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(handle);
    }

    QPainterPath bowl;
    bowl.moveTo(23, 24);
    bowl.lineTo(77, 24);
    bowl.cubicTo(77, 62, 65, 76, 50, 76);
    bowl.cubicTo(35, 76, 23, 62, 23, 24);
    bowl.closeSubpath();
    QPainterPath stem;
    stem.moveTo(45, 75);
    stem.lineTo(55, 75);
    stem.lineTo(57, 92);
    stem.lineTo(43, 92);
    stem.closeSubpath();
    QPainterPath foot;
    foot.moveTo(36, 92);
    foot.lineTo(64, 92);
    foot.lineTo(70, 102);
    foot.lineTo(30, 102);
    foot.closeSubpath();
    p.setPen(rim);
    p.setBrush(gold);
    p.drawPath(stem);
    p.drawEllipse(QPointF(50, 83), 7, 3);
    p.drawPath(foot);
    p.drawPath(bowl);
    p.drawEllipse(QPointF(50, 24), 27, 4.5);
    FillFlat(p, [] {
        QPainterPath inside;
        inside.addEllipse(QPointF(50, 24), 23, 2.8);
        return inside;
    }(), QColor(0x8F5D00));
    FillFlat(p, StarPath({50, 46}, 11, 4.6, 5), QColor(0xFFF6CF), QColor(0xB07800), 0.8);
    // A shine down the left of the bowl.
    StrokeLine(p, Arc({30, 30}, {30, 56}, {40, 68}), WithAlpha(Qt::white, 0.6), 2.2);

    // A wooden plinth with a golden plate.
    QLinearGradient wood(0, 102, 0, 122);
    wood.setColorAt(0.0, QColor(0x7A4A24));
    wood.setColorAt(1.0, QColor(0x4A2A12));
    p.setPen(QPen(QColor(0x2E1808), 1.0));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(24, 102, 52, 20), 2, 2);
    p.setPen(rim);
    p.setBrush(gold);
    p.drawRoundedRect(QRectF(35, 107, 30, 10), 1.5, 1.5);

    Sparkle(p, {14, 18}, 7, QColor(0xFFF6CF));
    Sparkle(p, {87, 14}, 5, QColor(0xFFF6CF));
    Sparkle(p, {86, 84}, 6, QColor(0xFFF6CF));
    Sparkle(p, {13, 76}, 4.5, QColor(0xFFF6CF));
    return canvas.Finish();
}

}  // namespace pairon::art
