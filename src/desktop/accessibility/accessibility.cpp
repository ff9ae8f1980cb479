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

QString Tr(const char* text) { return QCoreApplication::translate("Accessibility", text); }

// A text about one seat, "Player %1 ...", with the seat counted from 1.
QString OfSeat(const char* text, int index) { return Tr(text).arg(index + 1); }

// A drop-down list reads as Qt's own lists do: on Linux its name is its
// selected item and the label beside it names it; it opens and closes on the
// press action. Unlike those, its popup list, and so every item, is its child
// only while the popup shows: the items of a closed list are nowhere to be seen.
// The selected item of a closed list, as the focus rests on it: what the
// screen reader speaks as the list's value.
class ListValueAccessible : public WidgetItemAccessible {
public:
    ListValueAccessible(DropDownWidget* list, int item) : WidgetItemAccessible(list), list_(list), item_(item) {}

    bool isValid() const override { return list_ && item_ < list_->count(); }
    QString text(QAccessible::Text which) const override {
        return list_ && which == QAccessible::Name ? list_->itemText(item_) : QString();
    }
    QRect rect() const override {
        return list_ ? QRect(list_->mapToGlobal(QPoint(0, 0)), list_->size()) : QRect();
    }
    QAccessible::State state() const override {
        if (!list_) return ItemState(false, false, true);
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
    const int row = position / kBoardColumns + 1;
    const int column = position % kBoardColumns + 1;
    if (!picture.visible) return Tr(QT_TRANSLATE_NOOP("Accessibility", "Empty place, row %1, column %2")).arg(row).arg(column);
    const int face = FaceOfPictureFile(picture.file);
    if (face == 0) return Tr(QT_TRANSLATE_NOOP("Accessibility", "Card, row %1, column %2, face down")).arg(row).arg(column);
    return Tr(QT_TRANSLATE_NOOP("Accessibility", "Card, row %1, column %2, face up, %3"))
        .arg(row)
        .arg(column)
        .arg(deckFace.isEmpty() ? FaceName(face) : deckFace);
}

QString ControlAccessibleName(const ControlLayout& c) {
    const std::string& n = c.name;
    if (n == "cmbWidth") return Tr(QT_TRANSLATE_NOOP("Accessibility", "Width"));
    if (n == "cmbHeight") return Tr(QT_TRANSLATE_NOOP("Accessibility", "Height"));
    if (n == "cmbPlayers") return Tr(QT_TRANSLATE_NOOP("Accessibility", "Players"));
    if (n == "cmbCards") return Tr(QT_TRANSLATE_NOOP("Accessibility", "Cards"));
    if (n == "cmbPlayerType") return OfSeat(QT_TRANSLATE_NOOP("Accessibility", "Player %1 type"), c.index);
    if (n == "cmbComputerLevel") return OfSeat(QT_TRANSLATE_NOOP("Accessibility", "Player %1 level"), c.index);
    if (n == "txtPlayer") return OfSeat(QT_TRANSLATE_NOOP("Accessibility", "Player %1 name"), c.index);
    if (n == "sldSpeed") return Tr(QT_TRANSLATE_NOOP("Accessibility", "Game Speed"));
    if (n == "lblPairs") return Tr(QT_TRANSLATE_NOOP("Accessibility", "Pairs Remaining"));
    if (n == "lblPlayerTurn") return Tr(QT_TRANSLATE_NOOP("Accessibility", "Player to Select Cards"));
    if (n == "lblScore") return ScoreAccessibleName(c.index, {});
    if (n == "imgGame") return Tr(QT_TRANSLATE_NOOP("Accessibility", "Board picture"));
    if (n == "imgPlayer") return Tr(QT_TRANSLATE_NOOP("Accessibility", "Player panel picture"));
    if (n == "picResult") return Tr(QT_TRANSLATE_NOOP("Accessibility", "Result picture"));
    if (n == "picOutcome") return Tr(QT_TRANSLATE_NOOP("Accessibility", "Outcome"));
    return {};
}

QString ResultPictureDescription(std::string_view file) {
    if (file == kWinnerFile) return Tr(QT_TRANSLATE_NOOP("Accessibility", "A cheering winner"));
    if (file == kDepressedFile) return Tr(QT_TRANSLATE_NOOP("Accessibility", "A downcast loser under a rain cloud"));
    if (file == kFrustratedFile) return Tr(QT_TRANSLATE_NOOP("Accessibility", "A fuming loser"));
    if (file == kTrophyFile) return Tr(QT_TRANSLATE_NOOP("Accessibility", "A trophy"));
    return {};
}

QString ScoreAccessibleName(int seat, std::string_view playerName) {
    if (playerName.empty()) return OfSeat(QT_TRANSLATE_NOOP("Accessibility", "Player %1 score"), seat);
    return Tr(QT_TRANSLATE_NOOP("Accessibility", "Score of %1")).arg(ShownName(playerName));
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
