#include "desktop/accessibility/accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "pictures/picture_files.h"
#include "desktop/accessibility/board_accessible.h"
#include "desktop/widgets/board_navigator.h"
#include "desktop/widgets/drop_down.h"
#include "desktop/accessibility/item_accessible.h"
#include "desktop/translation/translation.h"
#include "game/window_layout.h"
#include "window/wording.h"

namespace pairon {

namespace {

// A drop-down list reads as Qt's own lists do: on Linux its name is its
// selected item and the label beside it names it; it opens and closes on the
// press action. Unlike those, its popup list, and so every item, is its child
// only while the popup shows: the items of a closed list are nowhere to be seen.
// The selected item of a closed list, as the focus rests on it: what the
// screen reader speaks as the list's value.
class ListValueAccessible : public WidgetItemAccessible {
public:
    ListValueAccessible(DropDownWidget* list, int item) : WidgetItemAccessible(list), list_(list), item_(item) {}

    // Answers while its list is there, also once the list has grown shorter
    // than this item: then as an empty item nobody can reach.
    bool isValid() const override { return !list_.isNull(); }
    QString text(QAccessible::Text which) const override {
        return list_ && which == QAccessible::Name ? list_->itemText(item_) : QString();
    }
    QRect rect() const override {
        return list_ ? QRect(list_->mapToGlobal(QPoint(0, 0)), list_->size()) : QRect();
    }
    QAccessible::State state() const override {
        if (!list_) return ItemState(false, false, true);
        if (item_ >= list_->count()) return GoneState();
        const bool current = list_->currentIndex() == item_;
        return ItemState(current, current && list_->hasFocus() && !list_->PopupOpen(), !current || !list_->isVisible());
    }

private:
    QPointer<DropDownWidget> list_;
    int item_;
};

class DropDownAccessible : public QAccessibleWidget {
public:
    explicit DropDownAccessible(DropDownWidget* list) : QAccessibleWidget(list, QAccessible::ComboBox) {
        addControllingSignal(QStringLiteral("activated(int)"));
    }

    ~DropDownAccessible() override {
        for (QAccessible::Id id : valueIds_) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return List()->PopupOpen() ? 1 : 0; }

    // An open list's one child is its popup; a closed list counts no child,
    // but the focus may rest on its selected item, which a screen reader
    // then asks for by its number.
    QAccessibleInterface* child(int index) const override {
        if (List()->PopupOpen()) return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
        return Value(index);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        if (List()->PopupOpen()) return child->object() == List()->view() ? 0 : -1;
        for (std::size_t k = 0; k < values_.size(); ++k) {
            if (values_[k] == child) return static_cast<int>(k);
        }
        return -1;
    }

    QAccessibleInterface* focusChild() const override {
        if (!List()->hasFocus() || List()->PopupOpen()) return nullptr;
        return Value(List()->currentIndex());
    }

    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text which) const override {
        QString text;
        if (which == QAccessible::Value || (which == QAccessible::Name && OnUnix())) text = List()->currentText();
        if (which == QAccessible::Accelerator) text = QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
        return text.isEmpty() ? QAccessibleWidget::text(which) : text;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = List()->PopupOpen();
        state.collapsed = !state.expanded;
        return state;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) return;
        if (List()->PopupOpen()) {
            List()->hidePopup();
        } else {
            List()->showPopup();
        }
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    DropDownWidget* List() const { return static_cast<DropDownWidget*>(widget()); }

    QAccessibleInterface* Value(int item) const {
        if (item < 0 || item >= List()->count()) return nullptr;
        const auto k = static_cast<std::size_t>(item);
        if (values_.size() <= k) {
            values_.resize(k + 1, nullptr);
            valueIds_.resize(k + 1, 0);
        }
        if (!values_[k]) {
            values_[k] = new ListValueAccessible(List(), item);
            valueIds_[k] = QAccessible::registerAccessibleInterface(values_[k]);
        }
        return values_[k];
    }

    mutable std::vector<QAccessibleInterface*> values_;
    mutable std::vector<QAccessible::Id> valueIds_;
    static constexpr bool OnUnix() {
#ifdef Q_OS_UNIX
        return true;
#else
        return false;
#endif
    }
};

// A notification reads as the text it shows.
class NotificationAccessible : public QAccessibleWidget {
public:
    explicit NotificationAccessible(QWidget* label) : QAccessibleWidget(label, QAccessible::Notification) {}
    QString text(QAccessible::Text which) const override {
        if (which == QAccessible::Name) return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(which);
    }
};

QAccessibleInterface* GameWidgetInterface(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("pairon::DropDownWidget")) {
        return new DropDownAccessible(static_cast<DropDownWidget*>(widget));
    }
    if (className == QLatin1String("pairon::BoardNavigator")) {
        return NewBoardAccessible(static_cast<BoardNavigator*>(widget));
    }
    if (className == QLatin1String("pairon::NotificationLabel")) return new NotificationAccessible(widget);
    if (className == QLatin1String("pairon::PictureWidget") || className == QLatin1String("pairon::DrawingBoxWidget")) {
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    }
    return nullptr;
}

}  // namespace

QString FaceName(int face) { return Rendered(FaceWords(face)); }

QString CardSlotName(int position, const Picture& picture, const QString& deckFace) {
    if (deckFace.isEmpty()) return Rendered(CardSlotWords(position, picture));
    const std::string face = deckFace.toStdString();
    return Rendered(CardSlotWords(position, picture, [&face](int) { return AsItIs(face); }));
}

QString ControlAccessibleName(const ControlLayout& c) { return Rendered(ControlAccessibleWords(c)); }

QString ResultPictureDescription(std::string_view file) { return Rendered(ResultPictureWords(file)); }

QString ScoreAccessibleName(int seat, std::string_view playerName) {
    return Rendered(ScoreAccessibleWords(seat, playerName));
}

bool SetAccessibleText(QWidget* widget, QAccessible::Text which, const QString& text) {
    QAccessible::Event event = QAccessible::NameChanged;
    if (which == QAccessible::Name) {
        if (widget->accessibleName() == text) return false;
        widget->setAccessibleName(text);
    } else {
        if (widget->accessibleDescription() == text) return false;
        widget->setAccessibleDescription(text);
        event = QAccessible::DescriptionChanged;
    }
    QAccessibleEvent changed(widget, event);
    QAccessible::updateAccessibility(&changed);
    return true;
}

void InstallAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(GameWidgetInterface);
        return true;
    }();
    (void)installed;
}

}  // namespace pairon
