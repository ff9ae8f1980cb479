#include "desktop/widgets/drop_down.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QEvent>
#include <algorithm>

namespace pairon {

DropDownWidget::DropDownWidget(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::currentIndexChanged, this, [this] { TellValue(); });
}

void DropDownWidget::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    // After the list's own focus news, which Qt sends once this returns.
    QMetaObject::invokeMethod(this, [this] { TellValue(); }, Qt::QueuedConnection);
}

void DropDownWidget::TellValue() {
    if (!QAccessible::isActive() || !hasFocus() || PopupOpen() || currentIndex() < 0) return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(currentIndex());
    QAccessible::updateAccessibility(&focus);
}

void DropDownWidget::showPopup() {
    const bool first = !popupShown_;
    popupShown_ = true;
    // The open list is as wide as its longest item needs, however narrow the
    // box (the deck list's "Add pictures..." in German, say).
    int widest = 0;
    for (int k = 0; k < count(); ++k) widest = std::max(widest, fontMetrics().horizontalAdvance(itemText(k)));
    view()->setMinimumWidth(widest + 16);
    QComboBox::showPopup();
    // The popup may also close without hidePopup(), by a click elsewhere.
    if (first) view()->window()->installEventFilter(this);
    TellPopupChanged();
}

void DropDownWidget::hidePopup() {
    QComboBox::hidePopup();
    TellPopupChanged();
}

bool DropDownWidget::PopupOpen() const { return popupShown_ && view()->window()->isVisible(); }

void DropDownWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange && !popupShown_) {
        // The list is measured and drawn again in its new font; nothing has
        // asked for its size yet, and there is no popup to tell.
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
}

bool DropDownWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) TellPopupChanged();
    return QComboBox::eventFilter(watched, event);
}

void DropDownWidget::TellPopupChanged() {
    const bool open = PopupOpen();
    if (open == toldOpen_) return;
    toldOpen_ = open;
    if (!QAccessible::isActive()) return;
    QAccessible::State changed;
    changed.expanded = true;
    changed.collapsed = true;
    QAccessibleStateChangeEvent state(this, changed);
    QAccessible::updateAccessibility(&state);
    // Its items come or go with the popup.
    QAccessibleEvent reorder(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reorder);
}

}  // namespace pairon
