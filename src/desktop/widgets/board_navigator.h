#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "board/board_mark.h"

namespace pairon {

// The board as one stop of the window's keyboard focus order. It lies over
// the card slots without taking their mouse clicks, keeps a mark on one shown
// card, moves it with the arrow keys (Home and End go to the first and last
// card) and reports Space or Enter on the marked card as `activated`, which
// the window treats exactly as a click on that card. The mark, a bright
// outline round the card, is drawn only while the board has the focus.
class BoardNavigator : public QWidget {
    Q_OBJECT
public:
    // `cards` are the 50 card slot widgets, in position code order; `shown`
    // says whether a slot is on the board now.
    BoardNavigator(std::vector<QWidget*> cards, std::function<bool(int)> shown, QWidget* parent);

    // The marked slot's position code, or -1.
    int Marked() const { return marked_; }
    void SetMarked(int position);

    // To be called whenever the board may have changed, after the cards'
    // accessible names: a mark on a slot that left the board moves to the
    // nearest shown one, the board takes the focus only while `usable` and
    // holding a card, and it reads as the marked card to a screen reader.
    void Refresh(bool usable);

    // The outline drawn round a marked card, in this widget's coordinates.
    QRect MarkRect(int position) const;

    // The cards on the board as a screen reader lists them: whether a slot is
    // on the board, how many are, the position code of the card at a place
    // in reading order and back (-1 for none), a card's accessible name and
    // where it lies on screen.
    bool Shown(int position) const;
    int ShownCount() const;
    int PositionOfCard(int card) const;
    int CardOfPosition(int position) const;
    QString CardName(int position) const;
    QRect CardScreenRect(int position) const;

signals:
    void activated(int position);
    // A key that moves the mark found nowhere else to go: the mark stays.
    void markStayed(int position);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Move(MarkMove move);
    void Mark(int position);
    // Tells a screen reader that the marked card has the focus, so it speaks it.
    void TellMarkedCard();
    void UpdateAccessibleName();

    std::vector<QWidget*> cards_;
    std::function<bool(int)> shown_;
    int marked_ = -1;
};

}  // namespace pairon
