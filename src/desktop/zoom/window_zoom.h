#pragma once

#include <QFont>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "game/window_layout.h"

namespace pairon {

class ChoicesFile;

// Before the window is first shown its frame is unknown; a title bar and a
// thin border are allowed for.
inline constexpr int kUnknownFrameWidth = 8;
inline constexpr int kUnknownFrameHeight = 32;

// The zoom of a window built from a layout table: the one place where layout
// units become pixels and where the controls' fonts get their size. The
// window can be resized and maximised, and has the usual zoom keys (Ctrl+Plus
// or Ctrl+=, Ctrl+Minus, Ctrl+0); the layout grows by one factor, the largest
// that fits the client area, and sits in its middle with even margins. At a
// zoom of 1 every control is exactly where the layout puts it.
class WindowZoom : public QObject {
    Q_OBJECT
public:
    // `window` is the top-level widget whose client area the layout fills,
    // `width` x `height` pixels at a zoom of 1; it opens at that size.
    WindowZoom(QWidget* window, int width, int height);

    // Places a control of the layout, now and whenever the zoom changes. Its
    // font, as the control has it now, is the font at a zoom of 1.
    void Place(QWidget* widget, const ControlLayout& layout);
    // A widget that always covers the whole of its parent.
    void Fill(QWidget* widget);

    // The factor, 1 at the designed size.
    double Zoom() const { return zoom_; }
    int Percent() const;
    // Pixels of the screen to a pixel of the layout: the zoom times the
    // screen's own scale. Pictures are drawn for this.
    double PictureScale() const;

    // The zoom keys. Each step makes the window the size of the step, never
    // larger than the screen's available area; Ctrl+0 goes back to 100 %.
    void ZoomIn();
    void ZoomOut();
    void ZoomReset();
    // Makes the window the size of `percent`, if that fits the screen; false
    // (and nothing changed) if it does not.
    bool ZoomTo(int percent);
    // The largest step that fits the window's screen.
    int LargestStep() const;
    // The largest zoom, step or not, at which the window fits its screen.
    int LargestPercent() const;

    // Lays every placed control out again for the client area's size now.
    void Relayout();
    // Once the size has settled: pictures scaled smoothly, and drawn again
    // when the picture scale asks for other drawings (pictureScaleChanged).
    // The window does this itself a moment after its size last changed.
    void SettlePictures();

    // A picture of the game's own drawing, drawn afresh for the picture scale
    // when that is finer than the file that was read (`file` as read from
    // `path`); any other picture is returned as it is. `name` is the picture's
    // file name, as the art program names it.
    QPixmap Sharpened(const std::string& name, const QString& path, const QString& folder, const QPixmap& file) const;
    // The game's own drawing of `name` for the picture scale, or a null
    // pixmap when the scale is no finer than `drawnScale`.
    QPixmap DrawnPicture(const std::string& name, double drawnScale) const;

signals:
    // The zoom changed (a zoom key, or the window was resized).
    void zoomChanged(double zoom);
    // The pictures are to be drawn again for PictureScale(); sent once the
    // window has kept its size for a moment, so a window being dragged to a
    // new size is not redrawn at every step.
    void pictureScaleChanged(double scale);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Placed {
        QPointer<QWidget> widget;
        const ControlLayout* layout;
        double points;  // the font's size at a zoom of 1
        int indent;     // a label's indent at a zoom of 1, or -1
    };

    void Apply(Placed& placed);
    void PlacePictureScale();
    // The room of the window's screen, and the frame around the window.
    bool Room(QSize& room, QSize& frame) const;

    QWidget* window_;
    int width_, height_;
    double zoom_ = 1.0;
    int marginLeft_ = 0, marginTop_ = 0;
    double pictureScale_ = 1.0;
    std::vector<Placed> placed_;
    std::vector<QPointer<QWidget>> fills_;
    QTimer pictureTimer_;
};

// The zoom of the window `widget` is in; 1 for a window that has none.
double ZoomOf(const QWidget* widget);

// The widgets under a window as they were first seen, at a zoom of 1: their
// places, fonts and indents, to be shown at any zoom. For a window built
// without a layout table (the help window).
class ZoomedWidgets {
public:
    // Takes every widget under `root`, as it is now, as its look at 1.
    void Record(QWidget* root);
    bool Recorded() const { return !widgets_.empty(); }
    void Apply(double zoom);

private:
    struct Widget {
        QPointer<QWidget> widget;
        QRect place;
        double points;
        int indent;
    };
    std::vector<Widget> widgets_;
};

// Opens the window at the zoom `choices` remembers, or as near it as the
// screen it opens on holds, and keeps each zoom the window takes with the
// choices.
void KeepZoom(WindowZoom& zoom, ChoicesFile& choices);

}  // namespace pairon
