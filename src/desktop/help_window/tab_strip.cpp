#include "desktop/help_window/tab_strip.h"

#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTab>
#include <QTabBar>
#include <algorithm>

#include "desktop/help_window/tab_strip_accessible.h"

namespace pairon {

TabStrip::TabStrip(QWidget* parent) : QWidget(parent) {
    static const bool readable = [] {
        QAccessible::installFactory(TabStripInterface);
        return true;
    }();
    (void)readable;
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
}

void TabStrip::SetTabAreaHeight(int pixels) {
    tabAreaHeight_ = pixels;
    Relayout();
}

int TabStrip::AddTab(const QString& caption) {
    captions_.append(caption);
    if (current_ < 0) current_ = 0;
    Relayout();
    return Count() - 1;
}

void TabStrip::SetCurrentIndex(int index) {
    if (index < 0 || index >= Count() || index == current_) return;
    current_ = index;
    Relayout();
}

QRect TabStrip::TabRect(int index) const {
    if (index < 0 || index >= static_cast<int>(rects_.size())) return {};
    return rects_[static_cast<std::size_t>(index)];
}

QRect TabStrip::BodyRect() const {
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    const int top = std::max(0, tabAreaHeight_ - overlap);
    return {0, top, width(), height() - top};
}

int TabStrip::TabWidthHint(int index) const {
    QStyleOptionTab option;
    InitTabOption(option, index);
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, captions_.value(index));
    const QSize contents(text.width() + style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this),
                         text.height() + style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this));
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &option, contents, this).width();
}

void TabStrip::Relayout() {
    const int count = Count();
    rects_.assign(static_cast<std::size_t>(count), QRect());
    if (count == 0) return;

    std::vector<int> hints;
    for (int i = 0; i < count; ++i) hints.push_back(TabWidthHint(i));

    // The fewest rows, each holding the same number of tabs, in which every
    // caption fits whole.
    for (rows_ = 1; rows_ < count; ++rows_) {
        tabsPerRow_ = (count + rows_ - 1) / rows_;
        bool fits = true;
        for (int first = 0; first < count; first += tabsPerRow_) {
            int sum = 0;
            for (int i = first; i < std::min(count, first + tabsPerRow_); ++i) sum += hints[static_cast<std::size_t>(i)];
            fits = fits && sum <= width();
        }
        if (fits) break;
    }
    tabsPerRow_ = (count + rows_ - 1) / rows_;

    const int areaHeight = tabAreaHeight_ > 0 ? tabAreaHeight_ : rows_ * (fontMetrics().height() + 10);
    const int rowHeight = areaHeight / rows_;
    const int areaTop = areaHeight - rows_ * rowHeight;
    const int selectedRow = std::max(current_, 0) / tabsPerRow_;

    for (int row = 0; row < rows_; ++row) {
        const int first = row * tabsPerRow_;
        const int last = std::min(count, first + tabsPerRow_) - 1;
        if (first > last) continue;
        int sum = 0;
        for (int i = first; i <= last; ++i) sum += hints[static_cast<std::size_t>(i)];
        // The rows are stretched to the full width, sharing what is left over
        // evenly; the selected tab's row comes down next to the body.
        const int spare = std::max(0, width() - sum);
        const int tabs = last - first + 1;
        const int place = (row - selectedRow + rows_ - 1) % rows_;
        const int y = areaTop + place * rowHeight;
        int x = 0;
        for (int i = first; i <= last; ++i) {
            int w = hints[static_cast<std::size_t>(i)] + spare / tabs;
            if (i == last) w = std::max(w, width() - x);
            rects_[static_cast<std::size_t>(i)] = QRect(x, y, w, rowHeight);
            x += w;
        }
    }
    update();
}

void TabStrip::InitTabOption(QStyleOptionTab& option, int index) const {
    option.initFrom(this);
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    option.shape = QTabBar::RoundedNorth;
    option.text = captions_.value(index);
    option.tabIndex = index;
    option.rect = TabRect(index);
    if (index == current_) {
        option.state |= QStyle::State_Selected;
        if (hasFocus()) option.state |= QStyle::State_HasFocus;
    }
    if (index == hovered_) option.state |= QStyle::State_MouseOver;

    const int first = index / tabsPerRow_ * tabsPerRow_;
    const int last = std::min(Count(), first + tabsPerRow_) - 1;
    if (first == last) {
        option.position = QStyleOptionTab::OnlyOneTab;
    } else if (index == first) {
        option.position = QStyleOptionTab::Beginning;
    } else if (index == last) {
        option.position = QStyleOptionTab::End;
    } else {
        option.position = QStyleOptionTab::Middle;
    }
    if (current_ == index - 1 && index != first) {
        option.selectedPosition = QStyleOptionTab::PreviousIsSelected;
    } else if (current_ == index + 1 && index != last) {
        option.selectedPosition = QStyleOptionTab::NextIsSelected;
    } else {
        option.selectedPosition = QStyleOptionTab::NotAdjacent;
    }
}

void TabStrip::PaintBody(QPainter& painter) const {
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = BodyRect();
    frame.shape = QTabBar::RoundedNorth;
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    frame.tabBarSize = QSize(width(), tabAreaHeight_);
    frame.tabBarRect = QRect(0, 0, width(), tabAreaHeight_);
    frame.selectedTabRect = TabRect(current_);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

void TabStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBody(painter);
    // Back rows first; in each row the selected tab last, over its neighbours.
    std::vector<int> order(static_cast<std::size_t>(Count()));
    for (int i = 0; i < Count(); ++i) order[static_cast<std::size_t>(i)] = i;
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        const QRect ra = TabRect(a), rb = TabRect(b);
        if (ra.top() != rb.top()) return ra.top() < rb.top();
        return a != current_ && b == current_;
    });
    for (int index : order) {
        QStyleOptionTab option;
        InitTabOption(option, index);
        // Some styles paint a selected tab well below its rectangle, relying
        // on a tab bar being only one row high; keep each tab in its own row.
        painter.setClipRect(QRect(0, option.rect.top(), width(), option.rect.height()));
        style()->drawControl(QStyle::CE_TabBarTab, &option, &painter, this);
    }
}

int TabStrip::TabAt(QPoint point) const {
    for (int i = 0; i < Count(); ++i) {
        if (TabRect(i).contains(point)) return i;
    }
    return -1;
}

void TabStrip::ChooseTab(int index) {
    if (index < 0 || index >= Count()) return;
    current_ = index;
    Relayout();
    emit tabSelected(index);
    // A screen reader speaks the tab that takes the focus, once its page has
    // come up.
    ReportFocusedTab(*this);
}

void TabStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const int index = TabAt(event->position().toPoint());
    if (index < 0) {
        event->ignore();
        return;
    }
    ChooseTab(index);
    // The tab under the pointer may have moved with its row.
    hovered_ = TabAt(event->position().toPoint());
}

void TabStrip::mouseMoveEvent(QMouseEvent* event) {
    const int index = TabAt(event->position().toPoint());
    if (index != hovered_) {
        hovered_ = index;
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void TabStrip::leaveEvent(QEvent* event) {
    hovered_ = -1;
    update();
    QWidget::leaveEvent(event);
}

void TabStrip::keyPressEvent(QKeyEvent* event) {
    const bool reversed = layoutDirection() == Qt::RightToLeft;
    switch (event->key()) {
        case Qt::Key_Left: ChooseTab(current_ + (reversed ? 1 : -1)); break;
        case Qt::Key_Right: ChooseTab(current_ + (reversed ? -1 : 1)); break;
        case Qt::Key_Home: ChooseTab(0); break;
        case Qt::Key_End: ChooseTab(Count() - 1); break;
        default: QWidget::keyPressEvent(event); return;
    }
}

void TabStrip::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
    // The focus moves on to the selected tab once the strip's own gain of it
    // has been told, which happens after this handler.
    QMetaObject::invokeMethod(this, [this] { ReportFocusedTab(*this); }, Qt::QueuedConnection);
}

void TabStrip::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void TabStrip::resizeEvent(QResizeEvent* event) {
    Relayout();
    QWidget::resizeEvent(event);
}

void TabStrip::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) Relayout();
    QWidget::changeEvent(event);
}

TabPage::TabPage(const TabStrip& strip, QWidget* parent) : QWidget(parent), strip_(strip) {
    setFocusPolicy(Qt::TabFocus);
}

void TabPage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.translate(strip_.mapTo(window(), QPoint()) - mapTo(window(), QPoint()));
    strip_.PaintBody(painter);
}

}  // namespace pairon
