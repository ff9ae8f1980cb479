#include "ui/main_window/qt_accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QWidget>
#include <array>
#include <string>

#include "pictures/picture_files.h"
#include "ui/main_window/qt_board_navigator.h"
#include "ui/main_window/qt_drop_down.h"
#include "ui/main_window/window_layout.h"

namespace pairon {

namespace {

// What the faces show, face 1 first.
constexpr std::array<const char*, kCardFaces> kFaceNames = {
    "circle", "square", "triangle", "diamond",        "star",   "heart",    "hexagon", "cross",     "crescent",
    "arrow",  "ring",   "spiral",   "lightning bolt", "flower", "drop",     "leaf",    "key",       "bell",
    "anchor", "sun",    "umbrella", "house",          "fish",   "fir tree", "crown",   "music note"};

QString Seat(int index) { return QStringLiteral("Player %1").arg(index + 1); }

// A drop-down list reads as Qt's own lists do: on Linux its name is its
// selected item and the label beside it names it; it opens and closes on the
// press action. Unlike those, its popup list, and so every item, is its child
// only while the popup shows: the items of a closed list are nowhere to be seen.
class DropDownAccessible : public QAccessibleWidget {
public:
    explicit DropDownAccessible(DropDownWidget* list) : QAccessibleWidget(list, QAccessible::ComboBox) {
        addControllingSignal(QStringLiteral("activated(int)"));
    }

    int childCount() const override { return List()->PopupOpen() ? 1 : 0; }

    QAccessibleInterface* child(int index) const override {
        if (index != 0 || !List()->PopupOpen()) return nullptr;
        return QAccessible::queryAccessibleInterface(List()->view());
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        return List()->PopupOpen() && child && child->object() == List()->view() ? 0 : -1;
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
    static constexpr bool OnUnix() {
#ifdef Q_OS_UNIX
        return true;
#else
        return false;
#endif
    }
};

QAccessibleInterface* GameWidgetInterface(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("pairon::DropDownWidget")) {
        return new DropDownAccessible(static_cast<DropDownWidget*>(widget));
    }
    if (className == QLatin1String("pairon::BoardNavigator")) return new QAccessibleWidget(widget, QAccessible::Pane);
    if (className == QLatin1String("pairon::PictureWidget") || className == QLatin1String("pairon::DrawingBoxWidget")) {
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    }
    return nullptr;
}

}  // namespace

QString FaceName(int face) {
    if (face < 1 || face > kCardFaces) return {};
    return QString::fromLatin1(kFaceNames[static_cast<std::size_t>(face - 1)]);
}

int FaceOfPictureFile(std::string_view file) {
    for (int face = 1; face <= kCardFaces; ++face) {
        if (file == CardFaceFile(face)) return face;
    }
    return 0;
}

QString CardSlotName(int position, const Picture& picture) {
    const int row = position / kBoardColumns + 1;
    const int column = position % kBoardColumns + 1;
    if (!picture.visible) return QStringLiteral("Empty place, row %1, column %2").arg(row).arg(column);
    const int face = FaceOfPictureFile(picture.file);
    if (face == 0) return QStringLiteral("Card, row %1, column %2, face down").arg(row).arg(column);
    return QStringLiteral("Card, row %1, column %2, face up, %3").arg(row).arg(column).arg(FaceName(face));
}

QString ControlAccessibleName(const ControlLayout& c) {
    const std::string& n = c.name;
    if (n == "cmbWidth") return QStringLiteral("Width");
    if (n == "cmbHeight") return QStringLiteral("Height");
    if (n == "cmbPlayers") return QStringLiteral("Players");
    if (n == "cmbPlayerType") return Seat(c.index) + QStringLiteral(" type");
    if (n == "cmbComputerLevel") return Seat(c.index) + QStringLiteral(" level");
    if (n == "txtPlayer") return Seat(c.index) + QStringLiteral(" name");
    if (n == "sldSpeed") return QStringLiteral("Game Speed");
    if (n == "lblPairs") return QStringLiteral("Pairs Remaining");
    if (n == "lblPlayerTurn") return QStringLiteral("Player to Select Cards");
    if (n == "lblScore") return ScoreAccessibleName(c.index, {});
    if (n == "imgGame") return QStringLiteral("Board picture");
    if (n == "imgPlayer") return QStringLiteral("Player panel picture");
    if (n == "picResult") return QStringLiteral("Result picture");
    if (n == "picOutcome") return QStringLiteral("Outcome");
    return {};
}

QString ResultPictureDescription(std::string_view file) {
    if (file == kWinnerFile) return QStringLiteral("A cheering winner");
    if (file == kDepressedFile) return QStringLiteral("A downcast loser under a rain cloud");
    if (file == kFrustratedFile) return QStringLiteral("A fuming loser");
    if (file == kTrophyFile) return QStringLiteral("A trophy");
    return {};
}

QString ScoreAccessibleName(int seat, std::string_view playerName) {
    if (playerName.empty()) return Seat(seat) + QStringLiteral(" score");
    return QStringLiteral("Score of %1")
        .arg(QString::fromUtf8(playerName.data(), static_cast<qsizetype>(playerName.size())));
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
