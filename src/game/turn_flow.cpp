#include "game/game_rules.h"
#include "game/numbers.h"
#include "pictures/picture_files.h"

namespace pairon {

namespace {

// The card slot named by a register, or nullptr when the register is empty or
// names no slot.
Picture* SlotNamedBy(MainForm& form, const Label& reg) {
    if (reg.text.empty()) return nullptr;
    int code = WholeValue(reg.text);
    if (code < 0 || code >= kCardSlots) return nullptr;
    return &form.imgCard[static_cast<std::size_t>(code)];
}

}  // namespace

void CheckCards(MainForm& form) {
    if (form.lstSelection.Value(0) == form.lstSelection.Value(1)) {
        MatchFound(form);
        return;
    }
    // A miss: the turn passes at once; the cards stay up for the pause.
    form.tmrCardDelay.Start();
    form.lblTurn.text = DecimalText(WholeValue(form.lblTurn.text) + 1);
    for (Label& name : form.lblPlayer) name.bold = false;
    const int seat = CurrentSeat(form);
    form.lblPlayerTurn.text = form.lblPlayer[seat].text;
    form.lblPlayer[seat].bold = true;
}

void tmrCardDelay_Timer(MainForm& form) {
    TurnOver(form);
    form.tmrCardDelay.Stop();
}

void TurnOver(MainForm& form) {
    // Always the plain back: with "Highlight Selected" on, this is what tells a
    // card that has been seen from one that never was.
    if (Picture* slot = SlotNamedBy(form, form.lblIndex1)) slot->Load(kCardBackFile);
    if (Picture* slot = SlotNamedBy(form, form.lblIndex2)) slot->Load(kCardBackFile);
    form.lblIndex1.text.clear();
    form.lblIndex2.text.clear();
    form.lstSelection.Empty();
    DeterminePlayer(form);
}

void DeterminePlayer(MainForm& form) {
    if (form.lblPlayerTurn.text == kComputerName) form.tmrComputerDelay.Start();
}

}  // namespace pairon
