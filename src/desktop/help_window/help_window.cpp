#include "desktop/help_window/help_window.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include "desktop/help_window/tab_strip.h"
#include "art/picture_art.h"
#include "desktop/widgets/picture_widgets.h"
#include "game/window_layout.h"
#include "window/help_pages.h"
#include "window/zoom.h"

namespace pairon {

namespace {

// Places and sizes in layout units, from the top-left of the client area, or
// of its page for the controls on a page.
struct Place {
    int left, top, width, height;
    QRect Pixels() const { return {ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height)}; }
};

constexpr int kClientWidth = 8175;
constexpr int kClientHeight = 5415;

constexpr Place kPagePlace{2400, 960, 5535, 3495};
constexpr int kAimPageHeight = 3375;
constexpr Place kTabStripPlace{2280, 240, 5775, 4335};
constexpr Place kEndButtonPlace{2280, 4800, 1215, 375};
constexpr Place kOrnamentPlace{240, 240, 1815, 4935};

// The text label of each text page; the second page is a little shorter.
constexpr Place kTextPlace{120, 120, 5295, 3255};
constexpr Place kAimTextPlace{120, 120, 5295, 3135};

constexpr Place kDesignerPlace{120, 240, 2055, 975};
constexpr Place kProductPlace{120, 1680, 2055, 255};
constexpr Place kLicensePlace{120, 1920, 2295, 495};
constexpr Place kInternetPlace{120, 2760, 2415, 255};

QFont DialogFont(bool bold = false, bool underline = false) {
    QFont font;
    font.setFamily(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A help text in the player's language; the texts are null-terminated.
QString Tr(std::string_view text) { return QCoreApplication::translate("HelpWindow", text.data()); }

// The page texts are plain: paragraphs lie apart by an empty line, and a line
// that starts with a bullet is a list item, wrapped with a hanging indent.
QString PageHtml(const QString& text, const QFontMetrics& metrics) {
    const QString bullet = QStringLiteral("\u2022 ");
    const int indent = metrics.horizontalAdvance(bullet);
    QString html;
    bool afterGap = false;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.isEmpty()) {
            afterGap = true;
            continue;
        }
        const bool item = line.startsWith(bullet);
        const int top = afterGap && !html.isEmpty() ? metrics.lineSpacing() : 0;
        const int left = item ? indent : 0;
        html += QStringLiteral("<p style=\"margin:%1px 0 0 %2px; text-indent:%3px\">%4</p>")
                    .arg(top)
                    .arg(left)
                    .arg(-left)
                    .arg(item ? QStringLiteral("\u2022&nbsp;") + line.mid(bullet.size()).toHtmlEscaped()
                              : line.toHtmlEscaped());
        afterGap = false;
    }
    return html;
}

QLabel* TextLabel(std::string_view name, const QString& text, Qt::TextFormat format, const Place& place,
                  QWidget* page) {
    auto* label = new QLabel(page);
    label->setObjectName(FromUtf8(name));
    label->setTextFormat(format);
    label->setText(text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(place.Pixels());
    return label;
}

}  // namespace

HelpWindow::HelpWindow(const QIcon& icon, QWidget* parent) : QWidget(parent) {
    setWindowTitle(QCoreApplication::translate("HelpWindow", "Help"));
    setWindowIcon(icon);
    setFont(DialogFont());
    setFixedSize(ToPixels(kClientWidth), ToPixels(kClientHeight));

    // Created from the lowest control up, so each lies above those before it.
    auto* imgOrnate = new QLabel(this);
    imgOrnate->setObjectName(QStringLiteral("imgOrnate"));
    imgOrnate->setPixmap(QPixmap(QStringLiteral(":/layout/Ornament.png")));
    imgOrnate->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgOrnate->setGeometry(kOrnamentPlace.Pixels());

    tabHelp_ = new TabStrip(this);
    tabHelp_->setObjectName(QStringLiteral("tabHelp"));
    tabHelp_->setFont(DialogFont(true, true));
    tabHelp_->setGeometry(kTabStripPlace.Pixels());
    // The tabs fill the band above the pages.
    tabHelp_->SetTabAreaHeight(ToPixels(kPagePlace.top - kTabStripPlace.top));
    for (const HelpTextPage& page : HelpTextPages()) tabHelp_->AddTab(Tr(page.tab));
    tabHelp_->AddTab(Tr(AboutTab()));
    tabHelp_->setAccessibleName(QCoreApplication::translate("HelpWindow", "Help topics"));

    BuildAboutPage();

    cmdEnd_ = new QPushButton(QCoreApplication::translate("HelpWindow", "End Help"), this);
    cmdEnd_->setObjectName(QStringLiteral("cmdEnd"));
    cmdEnd_->setFont(DialogFont(true));
    cmdEnd_->setGeometry(kEndButtonPlace.Pixels());

    for (int k = kPageCount - 2; k >= 0; --k) BuildTextPage(k);

    // Tab goes from the tabs to the shown page, which reads out its text,
    // then to End Help; the hidden pages are passed by.
    QWidget* previous = tabHelp_;
    for (QWidget* page : fraHelp_) {
        setTabOrder(previous, page);
        previous = page;
    }
    setTabOrder(previous, cmdEnd_);
    connect(tabHelp_, &TabStrip::tabSelected, this, [this] { tabHelp_Click(); });
    connect(cmdEnd_, &QPushButton::clicked, this, [this] { cmdEnd_Click(); });

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    // Only the Introduction is shown: a screen reader would read the pages
    // under it too, covered or not.
    tabHelp_Click();
}

void HelpWindow::BuildTextPage(int k) {
    const HelpTextPage& text = HelpTextPages()[static_cast<std::size_t>(k)];
    auto* page = new TabPage(*tabHelp_, this);
    page->setObjectName(QStringLiteral("fraHelp_%1").arg(k));
    QRect place = kPagePlace.Pixels();
    if (k == 1) place.setHeight(ToPixels(kAimPageHeight));
    page->setGeometry(place);
    TextLabel(text.label, PageHtml(Tr(text.text), page->fontMetrics()), Qt::RichText,
              k == 1 ? kAimTextPlace : kTextPlace, page);
    fraHelp_[static_cast<std::size_t>(k)] = page;
}

void HelpWindow::BuildAboutPage() {
    auto* page = new TabPage(*tabHelp_, this);
    page->setObjectName(QStringLiteral("fraHelp_5"));
    page->setGeometry(kPagePlace.Pixels());
    const AboutTexts& about = About();
    TextLabel("Designer", Tr(about.designer), Qt::PlainText, kDesignerPlace, page);
    TextLabel("Product", Tr(about.product).arg(QStringLiteral(PAIRON_VERSION)), Qt::PlainText, kProductPlace, page)
        ->setWordWrap(false);
    QLabel* license = TextLabel("License", Tr(about.license), Qt::PlainText, kLicensePlace, page);
    license->setFrameStyle(QFrame::Box | QFrame::Plain);
    license->setLineWidth(1);
    license->setAutoFillBackground(true);
    license->setBackgroundRole(QPalette::Base);
    license->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    license->setIndent(2);
    TextLabel("Internet", Tr(about.internet), Qt::PlainText, kInternetPlace, page)->setWordWrap(false);
    fraHelp_[kPageCount - 1] = page;
}

QWidget* HelpWindow::Page(int k) const {
    if (k < 0 || k >= kPageCount) return nullptr;
    return fraHelp_[static_cast<std::size_t>(k)];
}

void HelpWindow::tabHelp_Click() {
    for (QWidget* page : fraHelp_) page->hide();
    const int k = tabHelp_->CurrentIndex();
    if (QWidget* page = Page(k)) page->show();
}

void HelpWindow::cmdEnd_Click() { hide(); }

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdEnd_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

QSize HelpWindow::DesignedSize() const { return {ToPixels(kClientWidth), ToPixels(kClientHeight)}; }

void HelpWindow::SetZoom(double zoom, double pictureScale) {
    const double drawing = DrawingScaleFor(pictureScale);
    const bool sameDrawing =
        pictureScale == pictureScale_ || (drawing <= kPictureScale && DrawingScaleFor(pictureScale_) <= kPictureScale);
    if (zoom == zoom_ && sameDrawing) return;
    if (!zoomed_.Recorded()) zoomed_.Record(this);
    const QPoint centre = geometry().center();
    zoom_ = zoom;
    pictureScale_ = pictureScale;
    QFont font = DialogFont();
    font.setPointSizeF(ZoomedPoints(font.pointSizeF(), zoom));
    setFont(font);
    setFixedSize(ZoomedSize(ToPixels(kClientWidth), zoom), ZoomedSize(ToPixels(kClientHeight), zoom));
    zoomed_.Apply(zoom);
    tabHelp_->SetTabAreaHeight(ZoomedPixels(kPagePlace.top - kTabStripPlace.top, zoom));
    // The pages' paragraph gaps and hanging indents follow the font.
    for (int k = 0; k < kPageCount - 1; ++k) {
        const HelpTextPage& text = HelpTextPages()[static_cast<std::size_t>(k)];
        if (auto* label = fraHelp_[static_cast<std::size_t>(k)]->findChild<QLabel*>(FromUtf8(text.label))) {
            label->setText(PageHtml(Tr(text.text), label->fontMetrics()));
        }
    }
    if (auto* ornament = findChild<QLabel*>(QStringLiteral("imgOrnate"))) {
        if (drawing > kPictureScale) {
            QImage drawn = art::DrawPicture("Ornament.png", pictureScale);
            QPixmap picture = QPixmap::fromImage(std::move(drawn));
            picture.setDevicePixelRatio(pictureScale / zoom);
            ornament->setPixmap(picture);
        } else if (zoom == 1.0) {
            ornament->setPixmap(QPixmap(QStringLiteral(":/layout/Ornament.png")));
        } else {
            // Drawn at the picture scale, shown smaller than that.
            const bool sharp = drawing > 1;
            QPixmap picture(sharp ? QStringLiteral(":/layout/Ornament@%1x.png").arg(kPictureScale)
                                  : QStringLiteral(":/layout/Ornament.png"));
            picture.setDevicePixelRatio(drawing / zoom);
            ornament->setPixmap(picture);
        }
    }
    // Grown about its middle; before it first shows, in the middle of the screen.
    if (isVisible()) {
        move(centre - rect().center());
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void FollowZoom(HelpWindow& help, WindowZoom& zoom) {
    auto follow = [&help, &zoom] {
        double at = zoom.Zoom();
        if (const QScreen* screen = help.screen()) {
            const QSize room = screen->availableGeometry().size();
            const QSize designed = help.DesignedSize();
            const int largest = LargestFittingStep(designed.width(), designed.height(), kUnknownFrameWidth,
                                                   kUnknownFrameHeight, room.width(), room.height());
            at = std::min(at, std::max(largest / 100.0, FittingZoom(designed.width() + kUnknownFrameWidth,
                                                                    designed.height() + kUnknownFrameHeight,
                                                                    room.width(), room.height())));
        }
        help.SetZoom(at, zoom.PictureScale() / zoom.Zoom() * at);
    };
    follow();
    QObject::connect(&zoom, &WindowZoom::zoomChanged, &help, follow);
}

}  // namespace pairon
