#include "game/invariants.h"

#include <set>

#include "game/game_rules.h"
#include "game/numbers.h"

namespace pairon {

bool GameRunning(const MainForm& form) { return form.cmdNew.caption == kEndGameCaption; }

std::vector<std::string> BrokenGameInvariants(const MainForm& form) {
    std::vector<std::string> broken;
    const auto& indexes = form.lstIndexes;
    const auto& selection = form.lstSelection;

    if (indexes.Count() != form.lstSelected.Count()) broken.push_back("seen-card lists differ in length");

    std::set<int> codes;
    for (std::size_t i = 0; i < indexes.Count(); ++i) {
        int code = indexes.Value(i);
        if (!codes.insert(code).second) broken.push_back("position " + indexes.Read(i) + " recorded twice");
        if (code < 0 || code >= kCardSlots || !form.imgCard[static_cast<std::size_t>(code)].visible) {
            broken.push_back("position " + indexes.Read(i) + " recorded but not on the board");
        }
    }

    const std::size_t up = selection.Count();
    if (up > 2) broken.push_back("more than two cards up");
    if (up >= 1 && up <= 2) {
        if (indexes.Count() < up) {
            broken.push_back("cards up that the record does not hold");
        } else {
            const std::size_t last = indexes.Count() - 1;
            if (indexes.Read(last) != form.lblIndex1.text) broken.push_back("lblIndex1 is not the card revealed last");
            if (form.lstSelected.Count() == indexes.Count() &&
                form.lstSelected.Value(last) != selection.Value(up - 1)) {
                broken.push_back("the last card up is not the record's last face");
            }
            if (up == 2) {
                if (indexes.Read(last - 1) != form.lblIndex2.text) broken.push_back("lblIndex2 is not the first card up");
                if (form.lstSelected.Count() == indexes.Count() &&
                    form.lstSelected.Value(last - 1) != selection.Value(0)) {
                    broken.push_back("the first card up is not the record's face before last");
                }
            }
        }
    }

    const int pairs = WholeValue(form.lblPairs.text);
    int scores = 0;
    for (const Label& score : form.lblScore) scores += WholeValue(score.text);
    if (scores + pairs != BoardWidth(form) * BoardHeight(form) / 2) broken.push_back("scores and pairs left do not add up");
    int shown = 0;
    for (const Picture& slot : form.imgCard) shown += slot.visible ? 1 : 0;
    if (shown != 2 * pairs) broken.push_back("shown slots are not twice the pairs left");

    if (pairs == 0 && (shown != 0 || indexes.Count() != 0)) broken.push_back("game over with cards or record left");
    return broken;
}

}  // namespace pairon
