// The two card backs. The usual back is a deep blue lattice; a card that
// nobody has turned over yet wears a warm amber sunburst, light where the
// other is dark, so the two never look alike, not even without colour.

#include "art/art_parts.h"
#include "art/paint_kit.h"

#include <QLinearGradient>
#include <QPen>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace pairon::art {

namespace {

constexpr QRectF kCardEdge(0.5, 0.5, 48.0, 72.0);
constexpr QRectF kPanel(3.5, 3.5, 42.0, 66.0);
constexpr QPointF kMiddle(24.5, 36.5);

constexpr QRgb kBlueEdge = 0x0B1644;
constexpr QRgb kAmberEdge = 0x8A4306;

void PaintLattice(QPainter& painter) {
    QLinearGradient deep(kPanel.topLeft(), kPanel.bottomRight());
    deep.setColorAt(0.0, QColor(0x2446A8));
    deep.setColorAt(1.0, QColor(0x142A72));
    painter.setPen(Qt::NoPen);
    painter.setBrush(deep);
    painter.drawRoundedRect(kPanel, 2.5, 2.5);

    painter.save();
    painter.setClipRect(kPanel);
    // Two families of diagonals through the middle of the card: x - y and
    // x + y step along by the lattice spacing.
    const double step = 6.0;
    const double across = kMiddle.x() - kMiddle.y();
    const double along = kMiddle.x() + kMiddle.y();
    painter.setPen(QPen(QColor(0x6F8FE0), 0.9));
    for (int i = -16; i <= 16; ++i) {
        double c = across + step * i;
        painter.drawLine(QPointF(c - 10, -10), QPointF(c + 90, 90));
        double d = along + step * i;
        painter.drawLine(QPointF(d + 10, -10), QPointF(d - 90, 90));
    }
    // A bead where the lattice crosses itself.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xC4D4FF));
    for (int i = -16; i <= 16; ++i) {
        for (int j = -16; j <= 16; ++j) {
            double c = across + step * i;
            double d = along + step * j;
            QPointF cross((c + d) / 2, (d - c) / 2);
            if (kPanel.contains(cross)) painter.drawEllipse(cross, 0.75, 0.75);
        }
    }
    painter.restore();

    // A small medallion in the middle.
    QPainterPath medallion = RegularPolygon(kMiddle, 8.5, 4, -90);
    FillFlat(painter, medallion, QColor(0x1B3990), QColor(0xE4ECFF), 1.2);
    FillFlat(painter, RegularPolygon(kMiddle, 3.5, 4, -90), QColor(0xE4ECFF));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xDDE6FF), 0.9));
    painter.drawRoundedRect(kPanel.adjusted(1.2, 1.2, -1.2, -1.2), 1.8, 1.8);
}

void PaintSunburst(QPainter& painter) {
    QRadialGradient glow(kMiddle, 45);
    glow.setColorAt(0.0, QColor(0xFFE3A0));
    glow.setColorAt(1.0, QColor(0xF6A23A));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawRoundedRect(kPanel, 2.5, 2.5);

    painter.save();
    painter.setClipRect(kPanel);
    // Rays from the middle.
    const int rays = 20;
    painter.setBrush(WithAlpha(QColor(0xD9660A), 0.55));
    for (int i = 0; i < rays; i += 2) {
        double a0 = 2.0 * std::numbers::pi * i / rays;
        double a1 = 2.0 * std::numbers::pi * (i + 1) / rays;
        QPainterPath ray;
        ray.moveTo(kMiddle);
        ray.lineTo(kMiddle + QPointF(60 * std::cos(a0), 60 * std::sin(a0)));
        ray.lineTo(kMiddle + QPointF(60 * std::cos(a1), 60 * std::sin(a1)));
        ray.closeSubpath();
        painter.drawPath(ray);
    }
    // A row of dots along the top and bottom of the panel.
    painter.setBrush(QColor(0xFFF4DC));
    for (double x = 7.5; x < 44; x += 5.0) {
        painter.drawEllipse(QPointF(x, 7.5), 1.2, 1.2);
        painter.drawEllipse(QPointF(x, 65.5), 1.2, 1.2);
    }
    painter.restore();

    // The motif: a cream star on a red-brown disc.
    FillFlat(painter, CirclePath(kMiddle, 13), QColor(0xB8420C), QColor(0xFFF4DC), 1.4);
    FillFlat(painter, StarPath(kMiddle, 10.5, 4.4, 5), QColor(0xFFF4DC));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xFFF4DC), 1.0));
    painter.drawRoundedRect(kPanel.adjusted(1.2, 1.2, -1.2, -1.2), 1.8, 1.8);
}

}  // namespace

void PaintCardBack(QPainter& painter, bool unseen) {
    painter.save();
    QColor edge(unseen ? kAmberEdge : kBlueEdge);
    QColor body = unseen ? QColor(0xC86A12) : QColor(0x1A2F80);
    painter.setPen(QPen(edge, 1.0));
    painter.setBrush(body);
    painter.drawRoundedRect(kCardEdge, 4.0, 4.0);
    if (unseen) {
        PaintSunburst(painter);
    } else {
        PaintLattice(painter);
    }
    painter.restore();
}

QImage DrawCardBack(bool unseen, double scale) {
    Canvas canvas(kCardSize, scale, QColor(unseen ? kAmberEdge : kBlueEdge));
    PaintCardBack(canvas.painter(), unseen);
    return canvas.Finish();
}

}  // namespace pairon::art
