#pragma once

class QAccessibleInterface;

namespace pairon {

class BoardNavigator;

// The board as a screen reader meets it: a list whose items are the cards on
// the board, in reading order, each named as its card slot is. The item of
// the marked card has the focus while the board has it, so each move of the
// mark is spoken as the card it reaches.
QAccessibleInterface* NewBoardAccessible(BoardNavigator* board);

}  // namespace pairon
