#pragma once

#include <QComboBox>

namespace pairon {

// A drop-down list that makes its popup list when the list first opens.
// QComboBox makes the popup (a window with a list view) at its first change
// of font, and every list of the window gets its font set as it is built;
// the popup, made later, takes the list's font from the list as any child does.
//
// To assistive technology the list offers its items only while they show:
// a closed list is one box with its selected item, which takes the focus
// while the list has it, so that the value is spoken.
class DropDownWidget : public QComboBox {
    Q_OBJECT
public:
    explicit DropDownWidget(QWidget* parent = nullptr);

    void showPopup() override;
    void hidePopup() override;

    // Whether the popup list is on screen.
    bool PopupOpen() const;

protected:
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TellPopupChanged();
    // Tells a screen reader that the selected item of the closed list has
    // the focus, so it speaks the list's value on arrival and at each change.
    void TellValue();

    bool popupShown_ = false;
    bool toldOpen_ = false;
};

}  // namespace pairon
