#include "ui/main_window/qt_drop_down.h"

#include <QEvent>

namespace pairon {

void DropDownWidget::showPopup() {
    popupShown_ = true;
    QComboBox::showPopup();
}

void DropDownWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange && !popupShown_) {
        // The list is measured and drawn again in its new font; nothing has
        // asked for its size yet, and there is no popup to tell.
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
}

}  // namespace pairon
