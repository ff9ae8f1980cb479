#pragma once

// Small drawing helpers shared by all the pictures.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

#include <cstdint>
#include <memory>

namespace pairon::art {

// A picture being drawn: the caller paints in logical units, the image holds
// logical size x scale pixels. Antialiasing is on.
class Canvas {
public:
    Canvas(QSize logical, double scale, QColor background = Qt::transparent);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    QPainter& painter() { return *painter_; }
    double width() const { return logical_.width(); }
    double height() const { return logical_.height(); }
    QRectF rect() const { return QRectF(0, 0, logical_.width(), logical_.height()); }

    // Ends painting and hands over the picture.
    QImage Finish();

private:
    QSize logical_;
    QImage image_;
    std::unique_ptr<QPainter> painter_;
};

// A repeatable stream of numbers, so scattered details (confetti, flowers,
// grass) land in the same places on every build.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    double Roll(double low, double high);
    int RollInt(int low, int high);  // inclusive

private:
    std::uint32_t state_;
};

// --- shapes -----------------------------------------------------------------

// A regular polygon; the first corner lies at `turnDegrees` (0 = to the right,
// -90 = straight up).
QPainterPath RegularPolygon(QPointF centre, double radius, int corners, double turnDegrees);

// A star with `points` tips, the first pointing at `turnDegrees`.
QPainterPath StarPath(QPointF centre, double outer, double inner, int points, double turnDegrees = -90);

// A heart filling the box, its tip at the bottom centre.
QPainterPath HeartPath(const QRectF& box);

// A rounded rectangle as a path.
QPainterPath RoundedRectPath(const QRectF& box, double radius);

// A circle as a path.
QPainterPath CirclePath(QPointF centre, double radius);

// The area a pen of the given width would cover along the path, as a fillable path.
QPainterPath StrokeOf(const QPainterPath& line, double width, Qt::PenCapStyle cap = Qt::RoundCap,
                      Qt::PenJoinStyle join = Qt::RoundJoin);

// A straight line as a path.
QPainterPath LinePath(QPointF from, QPointF to);

// A fluffy cloud made of overlapping circles, its flat base on `base`.
QPainterPath CloudPath(QPointF baseCentre, double width);

// --- colour and filling -----------------------------------------------------

// Blends a towards b; t = 0 gives a, t = 1 gives b.
QColor Mix(const QColor& a, const QColor& b, double t);

// Same colour, with alpha 0..1.
QColor WithAlpha(QColor colour, double alpha);

// Fills with a top-lit gradient of the colour and outlines in a darker shade.
void FillShaded(QPainter& painter, const QPainterPath& path, const QColor& colour, double outlineWidth);

// Fills flat, with an optional outline (width 0 for none).
void FillFlat(QPainter& painter, const QPainterPath& path, const QColor& colour, const QColor& outline = QColor(),
              double outlineWidth = 0);

// Draws a line along the path with round ends and joins.
void StrokeLine(QPainter& painter, const QPainterPath& line, const QColor& colour, double width);

// A soft drop shadow under a path.
void DropShadow(QPainter& painter, const QPainterPath& path, QPointF offset, double alpha);

// --- text -------------------------------------------------------------------

// A font of the given logical pixel size.
QFont PictureFont(double pixelSize, bool bold, bool serif = false);

// Text laid into a box, with a faint shadow for legibility on pictures.
void DrawTitle(QPainter& painter, const QRectF& box, const QString& text, const QFont& font, const QColor& colour,
               const QColor& shadow, int alignment = Qt::AlignCenter);

}  // namespace pairon::art
