#include "art/paint_kit.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pairon::art {

Canvas::Canvas(QSize logical, double scale, QColor background)
    : logical_(logical),
      image_(static_cast<int>(std::lround(logical.width() * scale)),
             static_cast<int>(std::lround(logical.height() * scale)), QImage::Format_ARGB32_Premultiplied) {
    image_.fill(background);
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, true);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
    painter_->scale(scale, scale);
}

Canvas::~Canvas() = default;

QImage Canvas::Finish() {
    painter_.reset();
    return std::move(image_);
}

double Dice::Roll(double low, double high) {
    // xorshift: small, fast and the same on every machine.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return low + (high - low) * (static_cast<double>(state_) / 4294967296.0);
}

int Dice::RollInt(int low, int high) {
    int value = low + static_cast<int>(Roll(0.0, static_cast<double>(high - low + 1)));
    return std::min(value, high);
}

namespace {

// A closed path through `count` corners evenly spaced round `centre`, the
// first at `turnDegrees`, corner i at the distance `radius(i)` gives.
template <typename Radius>
QPainterPath CornersRound(QPointF centre, int count, double turnDegrees, Radius radius) {
    QPainterPath path;
    for (int i = 0; i < count; ++i) {
        double angle = (turnDegrees + 360.0 * i / count) * std::numbers::pi / 180.0;
        QPointF corner(centre.x() + radius(i) * std::cos(angle), centre.y() + radius(i) * std::sin(angle));
        if (i == 0) {
            path.moveTo(corner);
        } else {
            path.lineTo(corner);
        }
    }
    path.closeSubpath();
    return path;
}

}  // namespace

QPainterPath RegularPolygon(QPointF centre, double radius, int corners, double turnDegrees) {
    return CornersRound(centre, corners, turnDegrees, [radius](int) { return radius; });
}

QPainterPath StarPath(QPointF centre, double outer, double inner, int points, double turnDegrees) {
    // Points and notches take turns.
    return CornersRound(centre, points * 2, turnDegrees, [outer, inner](int i) { return i % 2 == 0 ? outer : inner; });
}

QPainterPath HeartPath(const QRectF& box) {
    auto at = [&box](double x, double y) { return QPointF(box.x() + box.width() * x, box.y() + box.height() * y); };
    QPainterPath path;
    path.moveTo(at(0.5, 0.26));
    path.cubicTo(at(0.5, 0.02), at(0.0, -0.04), at(0.0, 0.30));
    path.cubicTo(at(0.0, 0.58), at(0.32, 0.74), at(0.5, 1.0));
    path.cubicTo(at(0.68, 0.74), at(1.0, 0.58), at(1.0, 0.30));
    path.cubicTo(at(1.0, -0.04), at(0.5, 0.02), at(0.5, 0.26));
    path.closeSubpath();
    return path;
}

QPainterPath RoundedRectPath(const QRectF& box, double radius) {
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    return path;
}

QPainterPath CirclePath(QPointF centre, double radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath StrokeOf(const QPainterPath& line, double width, Qt::PenCapStyle cap, Qt::PenJoinStyle join) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(join);
    // The raw stroke overlaps itself at every joint; merge it into one outline.
    return stroker.createStroke(line).simplified();
}

QPainterPath LinePath(QPointF from, QPointF to) {
    QPainterPath path;
    path.moveTo(from);
    path.lineTo(to);
    return path;
}

QPainterPath CloudPath(QPointF baseCentre, double width) {
    const double u = width / 10.0;
    const double x = baseCentre.x();
    const double y = baseCentre.y();
    QPainterPath cloud;
    cloud.addRoundedRect(QRectF(x - 4.6 * u, y - 2.2 * u, 9.2 * u, 2.2 * u), 1.1 * u, 1.1 * u);
    cloud.addEllipse(QPointF(x - 2.6 * u, y - 2.0 * u), 1.9 * u, 1.9 * u);
    cloud.addEllipse(QPointF(x - 0.2 * u, y - 3.0 * u), 2.7 * u, 2.7 * u);
    cloud.addEllipse(QPointF(x + 2.6 * u, y - 2.1 * u), 2.0 * u, 2.0 * u);
    cloud.setFillRule(Qt::WindingFill);
    return cloud.simplified();
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor WithAlpha(QColor colour, double alpha) {
    colour.setAlphaF(static_cast<float>(std::clamp(alpha, 0.0, 1.0)));
    return colour;
}

void FillShaded(QPainter& painter, const QPainterPath& path, const QColor& colour, double outlineWidth) {
    QRectF bounds = path.boundingRect();
    QLinearGradient light(bounds.topLeft(), bounds.bottomLeft());
    light.setColorAt(0.0, Mix(colour, Qt::white, 0.30));
    light.setColorAt(0.55, colour);
    light.setColorAt(1.0, Mix(colour, Qt::black, 0.12));
    painter.save();
    painter.setBrush(light);
    if (outlineWidth > 0) {
        painter.setPen(QPen(Mix(colour, Qt::black, 0.45), outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    } else {
        painter.setPen(Qt::NoPen);
    }
    painter.drawPath(path);
    painter.restore();
}

void FillFlat(QPainter& painter, const QPainterPath& path, const QColor& colour, const QColor& outline,
              double outlineWidth) {
    painter.save();
    painter.setBrush(colour);
    if (outlineWidth > 0 && outline.isValid()) {
        painter.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    } else {
        painter.setPen(Qt::NoPen);
    }
    painter.drawPath(path);
    painter.restore();
}

void DropShadow(QPainter& painter, const QPainterPath& path, QPointF offset, double alpha) {
    // A few widening rings of falling strength make a cheap soft edge.
    painter.save();
    painter.translate(offset);
    painter.setBrush(Qt::NoBrush);
    const double widths[] = {6.0, 4.0, 2.0};
    for (double width : widths) {
        painter.setPen(QPen(WithAlpha(Qt::black, alpha / 4.0), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(WithAlpha(Qt::black, alpha));
    painter.drawPath(path);
    painter.restore();
}

QFont PictureFont(double pixelSize, bool bold, bool serif) {
    QFont font(serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setBold(bold);
    return font;
}

void DrawTitle(QPainter& painter, const QRectF& box, const QString& text, const QFont& font, const QColor& colour,
               const QColor& shadow, int alignment) {
    painter.save();
    painter.setFont(font);
    if (shadow.isValid()) {
        painter.setPen(shadow);
        painter.drawText(box.translated(1.0, 1.0), alignment, text);
    }
    painter.setPen(colour);
    painter.drawText(box, alignment, text);
    painter.restore();
}

void StrokeLine(QPainter& painter, const QPainterPath& line, const QColor& colour, double width) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(line);
    painter.restore();
}

}  // namespace pairon::art
