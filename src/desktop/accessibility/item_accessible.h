#pragma once

#include <QAccessible>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace pairon {

// An item inside a widget that has no widget of its own, such as a card of
// the board or the selected value of a closed list: a list item a screen
// reader can give the focus to, and which has nothing inside it.
class WidgetItemAccessible : public QAccessibleInterface {
public:
    explicit WidgetItemAccessible(QWidget* owner) : owner_(owner) {}

    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return owner_ ? owner_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return owner_ ? QAccessible::queryAccessibleInterface(owner_.data()) : nullptr;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::ListItem; }

protected:
    // The state of an item that is there to be focused and selected; an
    // item whose widget is gone is invalid.
    QAccessible::State ItemState(bool current, bool focused, bool invisible) const {
        QAccessible::State state;
        if (!owner_) {
            state.invalid = true;
            return state;
        }
        state.focusable = true;
        state.selectable = true;
        state.selected = current;
        state.focused = focused;
        state.invisible = invisible;
        state.offscreen = invisible;
        return state;
    }

    // The state of an item that is no longer there to be reached, such as a
    // card that left the board: hidden, neither focused nor selectable.
    QAccessible::State GoneState() const {
        QAccessible::State state;
        state.invisible = true;
        state.offscreen = true;
        state.invalid = !owner_;
        return state;
    }

private:
    QPointer<QWidget> owner_;
};

}  // namespace pairon
