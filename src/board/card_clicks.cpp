#include "board/board.h"
#include "game/game_rules.h"
#include "game/numbers.h"

namespace pairon {

void imgCard_Click(MainForm& form, int index) {
    // A hidden slot is off the board or already matched and takes no click.
    if (index < 0 || index >= kCardSlots || !form.imgCard[static_cast<std::size_t>(index)].visible) return;
    if (form.lblPlayerTurn.text == kComputerName || form.cmdNew.caption != kEndGameCaption) return;

    // A click during the pause, or while the computer's timer still runs after
    // its turn, only ends the pause; the player clicks again to select.
    if (form.tmrComputerDelay.enabled || form.lstSelection.Count() > 1) {
        TurnOver(form);
        form.tmrCardDelay.Stop();
        form.tmrComputerDelay.Stop();
        return;
    }

    form.lblIndex2.text = form.lblIndex1.text;
    form.lblIndex1.text = DecimalText(index);
    if (form.lblIndex2.text != form.lblIndex1.text) DisplayCard(form);
}

}  // namespace pairon
