#pragma once

#include "game/main_form.h"

namespace pairon {

// A click on card slot `index` (its position code).
void imgCard_Click(MainForm& form, int index);

// Turns the card named by lblIndex1 face up and records the reveal.
void DisplayCard(MainForm& form);

// Puts a card back into every slot and shows exactly the slots of the chosen
// width and height.
void ResizeWindow(MainForm& form);

// The width and height lists re-lay the board whenever their selection changes.
void cmbWidth_Click(MainForm& form);
void cmbHeight_Click(MainForm& form);

// Board index of a position code on a board `width` cards wide.
inline int BoardIndex(int code, int width) { return (code / 10) * width + code % 10; }

}  // namespace pairon
