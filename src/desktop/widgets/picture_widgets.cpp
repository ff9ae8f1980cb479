#include "desktop/widgets/picture_widgets.h"

#include <QMouseEvent>
#include <QPainter>

namespace pairon {

double DrawingScaleFor(double pictureScale) {
    if (pictureScale <= 1.0) return 1.0;
    if (pictureScale <= kPictureScale) return kPictureScale;
    return pictureScale;
}

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {}

void PictureWidget::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    shown_ = QPixmap();
    update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (zoom_ == 1.0) {
        painter.drawPixmap(QPoint(0, 0), picture_);
        return;
    }
    const QSizeF size = picture_.deviceIndependentSize() * zoom_;
    const QRectF place(QPointF(0, 0), size);
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (size * ratio).toSize();
    // A picture drawn for this zoom shows every pixel as it is.
    if (picture_.size() == pixels) {
        painter.drawPixmap(place, picture_, QRectF(picture_.rect()));
        return;
    }
    if (shown_.size() != pixels) {
        if (!settled_) {
            // The window is still changing size: a quick scaling for now.
            painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
            painter.drawPixmap(place, picture_, QRectF(picture_.rect()));
            return;
        }
        // Scaled once, smoothly, for this size; every later paint copies it.
        shown_ = picture_.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        shown_.setDevicePixelRatio(ratio);
    }
    painter.drawPixmap(QPointF(0, 0), shown_);
}

void PictureWidget::SetZoom(double zoom) {
    if (zoom == zoom_) return;
    zoom_ = zoom;
    settled_ = false;
    update();
}

void PictureWidget::Settle() {
    if (settled_) return;
    settled_ = true;
    update();
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    event->accept();
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

DrawingBoxWidget::DrawingBoxWidget(QWidget* parent) : PictureWidget(parent) { setAutoFillBackground(true); }

void DrawingBoxWidget::SetLines(const QStringList& lines) {
    if (lines == lines_) return;
    lines_ = lines;
    update();
}

void DrawingBoxWidget::paintEvent(QPaintEvent* event) {
    PictureWidget::paintEvent(event);
    PaintLines();
    PaintFocusFrame();
}

void DrawingBoxWidget::PaintLines() {
    if (lines_.isEmpty()) return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    int baseline = metrics.ascent();
    for (const QString& line : lines_) {
        // A line too long for the box (a long name) ends in an ellipsis at
        // its edge; the whole text is the box's accessible description.
        painter.drawText(QPoint(0, baseline), metrics.elidedText(line, Qt::ElideRight, width()));
        baseline += metrics.lineSpacing();
    }
}

void DrawingBoxWidget::PaintFocusFrame() {
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), kFocusFrameWidth));
    painter.setBrush(Qt::NoBrush);
    const int inset = kFocusFrameWidth / 2;
    painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
}

void DrawingBoxWidget::focusInEvent(QFocusEvent* event) {
    PictureWidget::focusInEvent(event);
    update();
}

void DrawingBoxWidget::focusOutEvent(QFocusEvent* event) {
    PictureWidget::focusOutEvent(event);
    update();
}

}  // namespace pairon
