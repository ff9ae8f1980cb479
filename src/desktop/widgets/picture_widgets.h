#pragma once

#include <QPixmap>
#include <QStringList>
#include <QWidget>

#include "pictures/picture_files.h"

namespace pairon {

// Which drawing of a picture suits a picture scale (pixels of the screen to
// a pixel of the layout), by the scale it is drawn at: the plain file up to
// 1, the build's drawing at kPictureScale up to that, and past it one drawn
// afresh at the picture scale itself. The drawing for one scale serves every
// scale up to it.
double DrawingScaleFor(double pictureScale);

// A picture control: shows its picture from the top-left corner, at the size
// its device pixel ratio gives it (scaled smoothly to the screen), and reports
// a click (a press and a release inside it).
class PictureWidget : public QWidget {
    Q_OBJECT
public:
    explicit PictureWidget(QWidget* parent = nullptr);

    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return picture_; }

    // The window's zoom: the picture shows this many times its own size.
    // Until Settle(), while the window may still be changing size, a picture
    // not drawn for the zoom is scaled quickly; after it, smoothly.
    void SetZoom(double zoom);
    double Zoom() const { return zoom_; }
    void Settle();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    QPixmap shown_;  // the picture scaled smoothly to the zoom, once settled
    double zoom_ = 1.0;
    bool settled_ = true;
    bool pressed_ = false;
};

// A drawing box: a background colour, a picture from the top-left corner and
// lines of text printed over it, top to bottom. It can take the keyboard
// focus, and shows a frame while it has it.
class DrawingBoxWidget : public PictureWidget {
    Q_OBJECT
public:
    explicit DrawingBoxWidget(QWidget* parent = nullptr);

    void SetLines(const QStringList& lines);
    const QStringList& Lines() const { return lines_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    static constexpr int kFocusFrameWidth = 2;

    void PaintLines();
    void PaintFocusFrame();

    QStringList lines_;
};

}  // namespace pairon
