#include "desktop/accessibility/board_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <array>

#include "desktop/widgets/board_navigator.h"
#include "desktop/accessibility/item_accessible.h"

namespace pairon {

namespace {

class CardItemAccessible : public WidgetItemAccessible {
public:
    CardItemAccessible(BoardNavigator* board, int position)
        : WidgetItemAccessible(board), board_(board), position_(position) {}

    // An item answers for as long as its board is there: a screen reader
    // still holding the card it last spoke of asks after it when the card
    // has left the board, and hears of an empty place then.
    bool isValid() const override { return !board_.isNull(); }
    QString text(QAccessible::Text which) const override {
        return board_ && which == QAccessible::Name ? board_->CardName(position_) : QString();
    }
    QRect rect() const override { return board_ ? board_->CardScreenRect(position_) : QRect(); }
    QAccessible::State state() const override {
        if (!board_) return ItemState(false, false, true);
        if (!board_->Shown(position_)) return GoneState();
        const bool marked = board_->Marked() == position_;
        return ItemState(marked, marked && board_->hasFocus(),
                         !board_->Shown(position_) || !board_->isVisible() || !board_->isEnabled());
    }

private:
    QPointer<BoardNavigator> board_;
    int position_;
};

class BoardAccessible : public QAccessibleWidget {
public:
    explicit BoardAccessible(BoardNavigator* board) : QAccessibleWidget(board, QAccessible::List) {}

    ~BoardAccessible() override {
        for (QAccessible::Id id : ids_) {
            if (id) QAccessible::deleteAccessibleInterface(id);
        }
    }

    // The cards are the board's items only while a game is played on it.
    int childCount() const override { return Board()->isEnabled() ? Board()->ShownCount() : 0; }

    QAccessibleInterface* child(int index) const override {
        return Board()->isEnabled() ? Item(Board()->PositionOfCard(index)) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int p = 0; p < kBoardColumns * kBoardRows; ++p) {
            if (ids_[static_cast<std::size_t>(p)] && items_[static_cast<std::size_t>(p)] == child) {
                return Board()->CardOfPosition(p);
            }
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* item = child(i);
            if (item && item->rect().contains(x, y)) return item;
        }
        return nullptr;
    }

    QAccessibleInterface* focusChild() const override {
        return Board()->hasFocus() ? Item(Board()->Marked()) : nullptr;
    }

private:
    BoardNavigator* Board() const { return static_cast<BoardNavigator*>(widget()); }

    // One lasting item for each card slot, made when first asked for, so a
    // screen reader meets the same card as the same object every time.
    QAccessibleInterface* Item(int position) const {
        if (position < 0 || position >= kBoardColumns * kBoardRows) return nullptr;
        const auto p = static_cast<std::size_t>(position);
        if (!ids_[p]) {
            items_[p] = new CardItemAccessible(Board(), position);
            ids_[p] = QAccessible::registerAccessibleInterface(items_[p]);
        }
        return items_[p];
    }

    mutable std::array<QAccessibleInterface*, kBoardColumns * kBoardRows> items_{};
    mutable std::array<QAccessible::Id, kBoardColumns * kBoardRows> ids_{};
};

}  // namespace

QAccessibleInterface* NewBoardAccessible(BoardNavigator* board) { return new BoardAccessible(board); }

}  // namespace pairon
