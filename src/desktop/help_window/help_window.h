#pragma once

#include <QIcon>
#include <QWidget>
#include <array>

#include "desktop/zoom/window_zoom.h"

class QPushButton;

namespace pairon {

class TabStrip;

// The help window: six pages of help, one for each tab of the tab strip
// tabHelp. It reads and changes nothing of the game; the main window creates
// it at the first press of Help and shows it again at every press after.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPageCount = 6;

    explicit HelpWindow(const QIcon& icon, QWidget* parent = nullptr);

    // fraHelp(k), k = 0 … 5: the page of tab k + 1.
    QWidget* Page(int k) const;
    TabStrip* Tabs() const { return tabHelp_; }
    QPushButton* EndButton() const { return cmdEnd_; }

    // Shows the page of the selected tab, and only that one.
    void tabHelp_Click();
    // End Help: hides the window, keeping its tab and page for next time.
    // Escape does the same.
    void cmdEnd_Click();

    // The client area at a zoom of 1.
    QSize DesignedSize() const;
    // Shows every control, font and the ornament `zoom` times their size,
    // the ornament drawn for `pictureScale` screen pixels to a pixel.
    void SetZoom(double zoom, double pictureScale);
    double Zoom() const { return zoom_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildTextPage(int k);
    void BuildAboutPage();

    std::array<QWidget*, kPageCount> fraHelp_{};
    TabStrip* tabHelp_ = nullptr;
    QPushButton* cmdEnd_ = nullptr;
    ZoomedWidgets zoomed_;
    double zoom_ = 1.0;
    double pictureScale_ = 1.0;
};

// The help window grows with the main window: it takes the main window's
// zoom, or the largest step at which it still fits the screen.
void FollowZoom(HelpWindow& help, WindowZoom& zoom);

}  // namespace pairon
