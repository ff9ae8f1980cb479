#include <cmath>

#include "board/board.h"
#include "game/game_rules.h"
#include "game/numbers.h"
#include "opponent/opponent.h"

namespace pairon {

namespace {

// Every pick moves the selection registers the way a click does.
void SelectCard(MainForm& form, std::string code) {
    form.lblIndex2.text = form.lblIndex1.text;
    form.lblIndex1.text = std::move(code);
}

}  // namespace

void FirstSelect(MainForm& form) {
    form.random.ReseedFromClock();
    const std::size_t m = form.lstMatches.Count();
    if (m == 0) return;
    auto k = static_cast<std::size_t>(std::floor(form.random.Uniform() * static_cast<double>(m)));
    if (k >= m) k = m - 1;
    SelectCard(form, form.lstMatches.Read(k));
    DisplayCard(form);
}

void SecondSelect(MainForm& form) {
    const int upCode = WholeValue(form.lblIndex1.text);
    const int upFace = form.lstSelection.Count() > 0 ? form.lstSelection.Value(0) : 0;

    // The partner revealed most recently wins: later finds replace earlier.
    const std::string* partner = nullptr;
    for (std::size_t i = 0; i < form.lstIndexes.Count(); ++i) {
        if (form.lstIndexes.Value(i) != upCode && form.lstSelected.Value(i) == upFace) {
            partner = &form.lstIndexes.Read(i);
        }
    }
    if (partner) {
        SelectCard(form, *partner);
        DisplayCard(form);
    } else {
        RandomSelect(form);
    }
}

void RandomSelect(MainForm& form) {
    form.random.ReseedFromClock();
    const int height = BoardHeight(form);
    // Draws run over all ten columns of the first H rows and are redrawn until
    // they land on a shown card other than the one already up.
    for (long draw = 0; draw < kRandomSelectDrawLimit; ++draw) {
        const int q = static_cast<int>(std::floor(form.random.Uniform() * height * 10));
        if (q < 0 || q >= kCardSlots) continue;
        std::string code = DecimalText(q);
        if (code == form.lblIndex1.text || !form.imgCard[static_cast<std::size_t>(q)].visible) continue;
        SelectCard(form, std::move(code));
        DisplayCard(form);
        DeterminePlayer(form);
        return;
    }
}

}  // namespace pairon
