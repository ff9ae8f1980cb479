#include "desktop/zoom/window_zoom.h"

#include <QCheckBox>
#include <QEvent>
#include <QProxyStyle>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QFileInfo>
#include <QApplication>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <cmath>

#include "art/picture_art.h"
#include "files/choices_file.h"
#include "desktop/widgets/picture_widgets.h"
#include "window/zoom.h"

namespace pairon {

namespace {

// A window being dragged to a new size gets its pictures drawn again once it
// has kept one size this long.
constexpr int kResizeSettleMs = 150;

// The window's zoom, as the window's widgets find it.
constexpr const char* kZoomProperty = "paironZoom";

// The style's own sizes of a check box's box and a slider's handle and
// groove, grown by the zoom of the widget's window; at 1 the style itself.
class ZoomStyle : public QProxyStyle {
public:
    ZoomStyle() : QProxyStyle(nullptr) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
            case PM_IndicatorWidth:
            case PM_IndicatorHeight:
            case PM_CheckBoxLabelSpacing:
            case PM_SliderThickness:
            case PM_SliderLength:
            case PM_SliderControlThickness:
            case PM_SliderTickmarkOffset: return ZoomedSize(size, ZoomOf(widget));
            default: return size;
        }
    }

    // The slider's handle and groove keep the sizes the style gives them
    // regardless of the widget; they grow about their centres.
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        const QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        const double zoom = ZoomOf(widget);
        if (control != CC_Slider || zoom == 1.0 || (part != SC_SliderHandle && part != SC_SliderGroove)) return rect;
        const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (!slider || slider->orientation != Qt::Horizontal) return rect;
        QRect grown = rect;
        grown.setHeight(ZoomedSize(rect.height(), zoom));
        if (part == SC_SliderHandle) grown.setWidth(ZoomedSize(rect.width(), zoom));
        grown.moveCenter(rect.center());
        if (part == SC_SliderGroove) grown.setLeft(rect.left()), grown.setWidth(rect.width());
        return grown;
    }
};

QStyle* TheZoomStyle() {
    static QStyle* style = [] {
        auto* made = new ZoomStyle;
        // Gone with the application, after every window that uses it.
        made->setParent(qApp);
        return made;
    }();
    return style;
}

}  // namespace

double ZoomOf(const QWidget* widget) {
    if (!widget) return 1.0;
    const QVariant zoom = widget->window()->property(kZoomProperty);
    return zoom.isValid() ? zoom.toDouble() : 1.0;
}

WindowZoom::WindowZoom(QWidget* window, int width, int height)
    : QObject(window), window_(window), width_(width), height_(height) {
    window_->setMinimumSize(width_, height_);
    window_->resize(width_, height_);
    window_->installEventFilter(this);
    pictureScale_ = DrawingScaleFor(PictureScale());
    pictureTimer_.setSingleShot(true);
    connect(&pictureTimer_, &QTimer::timeout, this, &WindowZoom::SettlePictures);

    auto key = [this](const QKeySequence& sequence, void (WindowZoom::*action)()) {
        auto* shortcut = new QShortcut(sequence, window_);
        connect(shortcut, &QShortcut::activated, this, action);
        // Two of these can match one key press (Ctrl+Plus typed with Shift
        // matches both Plus sequences); either way it is the same step.
        connect(shortcut, &QShortcut::activatedAmbiguously, this, action);
    };
    // Ctrl+Plus is Ctrl+Shift+= on many keyboards; Ctrl+= is the same key
    // without Shift, and the number pad has its own plus and minus.
    key(QKeySequence(Qt::ControlModifier | Qt::Key_Plus), &WindowZoom::ZoomIn);
    key(QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Plus), &WindowZoom::ZoomIn);
    key(QKeySequence(Qt::ControlModifier | Qt::Key_Equal), &WindowZoom::ZoomIn);
    key(QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus), &WindowZoom::ZoomIn);
    key(QKeySequence(Qt::ControlModifier | Qt::Key_Minus), &WindowZoom::ZoomOut);
    key(QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus), &WindowZoom::ZoomOut);
    key(QKeySequence(Qt::ControlModifier | Qt::Key_0), &WindowZoom::ZoomReset);
    key(QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_0), &WindowZoom::ZoomReset);
}

int WindowZoom::Percent() const { return static_cast<int>(std::lround(zoom_ * 100)); }

double WindowZoom::PictureScale() const { return zoom_ * window_->devicePixelRatioF(); }

void WindowZoom::Place(QWidget* widget, const ControlLayout& layout) {
    auto* label = qobject_cast<QLabel*>(widget);
    placed_.push_back({widget, &layout, widget->font().pointSizeF(), label ? label->indent() : -1});
    Apply(placed_.back());
}

void WindowZoom::Fill(QWidget* widget) {
    fills_.emplace_back(widget);
    if (widget->parentWidget()) widget->setGeometry(widget->parentWidget()->rect());
}

void WindowZoom::Apply(Placed& placed) {
    QWidget* widget = placed.widget;
    if (!widget) return;
    const ControlLayout& c = *placed.layout;
    const PixelPlace place = ZoomedPlace(c.left, c.top, c.width, c.height, zoom_);
    // Controls on the client area itself sit inside the margins.
    const bool topLevel = widget->parentWidget() == window_;
    widget->setGeometry(place.left + (topLevel ? marginLeft_ : 0), place.top + (topLevel ? marginTop_ : 0),
                        place.width, place.height);
    QFont font = widget->font();
    const double points = ZoomedPoints(placed.points, zoom_);
    if (font.pointSizeF() != points) {
        font.setPointSizeF(points);
        widget->setFont(font);
    }
    if (placed.indent > 0) static_cast<QLabel*>(widget)->setIndent(ZoomedSize(placed.indent, zoom_));
    if (auto* picture = qobject_cast<PictureWidget*>(widget)) picture->SetZoom(zoom_);
    // Check boxes and sliders are drawn at the style's own sizes; once the
    // window has grown, theirs grow with it.
    if (zoom_ != 1.0 && (qobject_cast<QCheckBox*>(widget) || qobject_cast<QSlider*>(widget)) &&
        widget->style() != TheZoomStyle()) {
        widget->setStyle(TheZoomStyle());
    } else if (widget->style() == TheZoomStyle()) {
        // Metrics are read again at the new zoom.
        widget->updateGeometry();
        widget->update();
    }
}

void WindowZoom::Relayout() {
    const QSize room = window_->size();
    double zoom = FittingZoom(width_, height_, room.width(), room.height());
    // A step's own size, rounded to whole pixels, shows that step.
    for (int step : kZoomSteps) {
        const double at = step / 100.0;
        if (room.width() >= ZoomedSize(width_, at) && room.height() >= ZoomedSize(height_, at)) {
            zoom = std::max(zoom, at);
        }
    }
    const int marginLeft = CentringMargin(room.width(), ZoomedSize(width_, zoom));
    const int marginTop = CentringMargin(room.height(), ZoomedSize(height_, zoom));
    if (zoom == zoom_ && marginLeft == marginLeft_ && marginTop == marginTop_) return;
    const bool changed = zoom != zoom_;
    zoom_ = zoom;
    window_->setProperty(kZoomProperty, zoom_);
    marginLeft_ = marginLeft;
    marginTop_ = marginTop;
    for (Placed& placed : placed_) Apply(placed);
    for (const QPointer<QWidget>& fill : fills_) {
        if (fill && fill->parentWidget()) fill->setGeometry(fill->parentWidget()->rect());
    }
    if (changed) {
        emit zoomChanged(zoom_);
        pictureTimer_.start(kResizeSettleMs);
    }
}

void WindowZoom::SettlePictures() {
    pictureTimer_.stop();
    for (Placed& placed : placed_) {
        if (auto* picture = qobject_cast<PictureWidget*>(placed.widget.data())) picture->Settle();
    }
    PlacePictureScale();
}

void WindowZoom::PlacePictureScale() {
    const double drawn = DrawingScaleFor(PictureScale());
    if (drawn == pictureScale_) return;
    pictureScale_ = drawn;
    emit pictureScaleChanged(PictureScale());
}

bool WindowZoom::Room(QSize& room, QSize& frame) const {
    const QScreen* screen = window_->screen();
    if (!screen) return false;
    room = screen->availableGeometry().size();
    frame = QSize(kUnknownFrameWidth, kUnknownFrameHeight);
    if (window_->isVisible() && window_->frameGeometry() != window_->geometry()) {
        frame = window_->frameGeometry().size() - window_->size();
    }
    return true;
}

int WindowZoom::LargestStep() const {
    QSize room, frame;
    if (!Room(room, frame)) return kSmallestZoom;
    return LargestFittingStep(width_, height_, frame.width(), frame.height(), room.width(), room.height());
}

int WindowZoom::LargestPercent() const {
    QSize room, frame;
    if (!Room(room, frame)) return kSmallestZoom;
    return LargestFittingPercent(width_, height_, frame.width(), frame.height(), room.width(), room.height());
}

bool WindowZoom::ZoomTo(int percent) {
    if (percent < kSmallestZoom || percent > LargestPercent()) return false;
    if (window_->isMaximized() || window_->isFullScreen()) window_->showNormal();
    const double zoom = percent / 100.0;
    window_->resize(ZoomedSize(width_, zoom), ZoomedSize(height_, zoom));
    Relayout();
    // A step is one change: its pictures follow at once.
    if (pictureTimer_.isActive()) pictureTimer_.start(0);
    return true;
}

void WindowZoom::ZoomIn() {
    const int largest = LargestStep();
    const int next = NextZoomStep(Percent(), +1, largest);
    if (next != Percent() || window_->size() != QSize(ZoomedSize(width_, zoom_), ZoomedSize(height_, zoom_))) {
        ZoomTo(next);
    }
}

void WindowZoom::ZoomOut() { ZoomTo(NextZoomStep(Percent(), -1, LargestStep())); }

void WindowZoom::ZoomReset() { ZoomTo(kSmallestZoom); }

bool WindowZoom::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        if (event->type() == QEvent::Resize) Relayout();
        // Moved to a screen of another scale, or the screen's scale changed.
        if (event->type() == QEvent::ScreenChangeInternal) {
            PlacePictureScale();
        }
    }
    return QObject::eventFilter(watched, event);
}

QPixmap WindowZoom::DrawnPicture(const std::string& name, double drawnScale) const {
    const double scale = PictureScale();
    if (DrawingScaleFor(scale) <= drawnScale) return {};
    const QSize size = art::PictureSize(name);
    QImage image = art::DrawPicture(name, scale);
    if (image.isNull() || size.isEmpty()) return {};
    QPixmap picture = QPixmap::fromImage(std::move(image));
    picture.setDevicePixelRatio(static_cast<double>(picture.width()) / size.width());
    return picture;
}

QPixmap WindowZoom::Sharpened(const std::string& name, const QString& path, const QString& folder,
                              const QPixmap& file) const {
    if (DrawingScaleFor(PictureScale()) <= kPictureScale) return file;
    // Only the game's own drawing, as the build left it beside the game: a
    // picture put in its place is the player's, and is shown as it is.
    const QFileInfo info(path);
    if (info.fileName().toStdString() != name || info.absolutePath() != QFileInfo(folder).absoluteFilePath()) {
        return file;
    }
    if (file.size() != art::PictureSize(name) * kPictureScale) return file;
    const QPixmap drawn = DrawnPicture(name, kPictureScale);
    return drawn.isNull() ? file : drawn;
}

void ZoomedWidgets::Record(QWidget* root) {
    widgets_.clear();
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(widget);
        widgets_.push_back({widget, widget->geometry(), widget->font().pointSizeF(), label ? label->indent() : -1});
    }
}

void ZoomedWidgets::Apply(double zoom) {
    for (const Widget& w : widgets_) {
        if (!w.widget) continue;
        const int left = ZoomedSize(w.place.left(), zoom);
        const int top = ZoomedSize(w.place.top(), zoom);
        w.widget->setGeometry(left, top, ZoomedSize(w.place.left() + w.place.width(), zoom) - left,
                              ZoomedSize(w.place.top() + w.place.height(), zoom) - top);
        QFont font = w.widget->font();
        if (font.pointSizeF() != ZoomedPoints(w.points, zoom)) {
            font.setPointSizeF(ZoomedPoints(w.points, zoom));
            w.widget->setFont(font);
        }
        if (w.indent > 0) static_cast<QLabel*>(w.widget.data())->setIndent(ZoomedSize(w.indent, zoom));
    }
}

void KeepZoom(WindowZoom& zoom, ChoicesFile& choices) {
    // A window maximised or made larger by hand is kept at its zoom too; the
    // screen it opens on next may hold less.
    if (const std::optional<int> percent = choices.RememberedZoom(); percent && *percent != kSmallestZoom) {
        zoom.ZoomTo(std::min(*percent, zoom.LargestPercent()));
    }
    QObject::connect(&zoom, &WindowZoom::zoomChanged, &zoom, [&zoom, &choices] { choices.KeepZoom(zoom.Percent()); });
}

}  // namespace pairon
