#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "game/main_form.h"

namespace pairon {

// The card slots form a fixed grid of 10 columns by 5 rows; a position code is
// row x 10 + column.
inline constexpr int kBoardColumns = 10;
inline constexpr int kBoardRows = 5;
static_assert(kBoardColumns * kBoardRows == kCardSlots, "the grid holds every card slot of the window");

// How the keyboard's mark on the board moves: the arrow keys, Home and End.
enum class MarkMove { Left, Right, Up, Down, First, Last };

// The move of a key by its name, "ArrowLeft" ... "ArrowDown", "Home" and
// "End"; nothing for any other key.
std::optional<MarkMove> MarkMoveOfKey(std::string_view key);

// Where the keyboard mark goes from `from` (a position code, or -1 for no
// mark) when moved, among the slots for which `shown` is true. Left and Right
// step through the slots in reading order and run on into the row above or
// below, wrapping from the last slot to the first; Up and Down stay in the
// column and wrap round it. Returns `from` when there is nowhere else to go,
// and -1 when no slot is shown at all.
int MoveMark(int from, MarkMove move, const std::function<bool(int)>& shown);

// The shown slot nearest on screen to slot `gone`, or -1 when none is shown.
// Of two equally near, the one that follows `gone` sooner in reading order.
int NearestShownSlot(int gone, const std::function<bool(int)>& shown);

}  // namespace pairon
