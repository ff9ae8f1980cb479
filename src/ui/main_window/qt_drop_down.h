#pragma once

#include <QComboBox>

namespace pairon {

// A drop-down list that makes its popup list when the list first opens.
// QComboBox makes the popup (a window with a list view) at its first change
// of font, and every list of the window gets its font set as it is built;
// the popup, made later, takes the list's font from the list as any child does.
class DropDownWidget : public QComboBox {
    Q_OBJECT
public:
    explicit DropDownWidget(QWidget* parent = nullptr) : QComboBox(parent) {}

    void showPopup() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    bool popupShown_ = false;
};

}  // namespace pairon
