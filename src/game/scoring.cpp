#include "game/game_rules.h"
#include "game/numbers.h"

namespace pairon {

void MatchFound(MainForm& form) {
    const int second = WholeValue(form.lblIndex1.text);
    const int first = WholeValue(form.lblIndex2.text);

    // The pair leaves the seen-card record; after a removal the same index is
    // looked at again so that nothing is skipped.
    for (std::size_t i = 0; i < form.lstIndexes.Count();) {
        int code = form.lstIndexes.Value(i);
        if (code == second || code == first) {
            form.lstIndexes.Remove(i);
            form.lstSelected.Remove(i);
        } else {
            ++i;
        }
    }

    for (int code : {second, first}) {
        if (code >= 0 && code < kCardSlots) form.imgCard[static_cast<std::size_t>(code)].visible = false;
    }
    form.lblIndex1.text.clear();
    form.lblIndex2.text.clear();
    form.lstSelection.Empty();

    const int seat = CurrentSeat(form);
    form.lblScore[seat].text = DecimalText(WholeValue(form.lblScore[seat].text) + 1);
    form.lblPairs.text = DecimalText(WholeValue(form.lblPairs.text) - 1);

    if (WholeValue(form.lblPairs.text) == 0) {
        form.fraOutcome.visible = true;
        DetermineOutcome(form);
    }
}

}  // namespace pairon
