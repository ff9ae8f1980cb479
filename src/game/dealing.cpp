#include <cmath>

#include "game/game_rules.h"
#include "game/numbers.h"

namespace pairon {

namespace {

// A random item of a list of n items: floor(u * n), always within 0 ... n - 1.
std::size_t RandomItem(RandomSource& random, std::size_t n) {
    auto k = static_cast<std::size_t>(std::floor(random.Uniform() * static_cast<double>(n)));
    return k < n ? k : n - 1;
}

}  // namespace

int BoardWidth(const MainForm& form) { return WholeValue(form.cmbWidth.Text()); }
int BoardHeight(const MainForm& form) { return WholeValue(form.cmbHeight.Text()); }

int SeatCount(const MainForm& form) {
    int n = WholeValue(form.cmbPlayers.Text());
    return n < 1 ? 1 : n > kSeats ? kSeats : n;
}

int CurrentSeat(const MainForm& form) {
    int turn = WholeValue(form.lblTurn.text);
    int seat = turn % SeatCount(form);
    return seat < 0 ? seat + SeatCount(form) : seat;
}

void DealCards(MainForm& form) {
    form.random.ReseedFromClock();

    form.lstSelection.Empty();
    form.lstShuffled.Empty();
    form.lstSelected.Empty();
    form.lstIndexes.Empty();
    form.lstMatches.Empty();

    form.lblTurn.text = "0";
    form.lblPlayerTurn.text.clear();
    form.lblIndex1.text.clear();
    form.lblIndex2.text.clear();

    form.lblPairs.text = DecimalText(BoardWidth(form) * BoardHeight(form) / 2);

    for (int i = 0; i < kSeats; ++i) {
        form.cmbPlayerType[i].visible = false;
        form.txtPlayer[i].visible = false;
        form.cmbComputerLevel[i].visible = false;
        form.lblPlayer[i].visible = false;
        form.lblPlayer[i].text.clear();
        form.lblScore[i].visible = false;
        form.lblScore[i].text = "0";
        form.lblPlayer[i].bold = false;
    }
    form.lblPlayer[0].bold = true;

    const int seats = SeatCount(form);
    for (int i = 0; i < seats; ++i) {
        form.txtPlayer[i].visible = true;
        form.cmbPlayerType[i].visible = true;
        form.lblPlayer[i].visible = true;
        form.lblScore[i].visible = true;
        if (form.cmbPlayerType[i].Text() == kComputerName) form.cmbComputerLevel[i].visible = true;
    }

    // The pool of faces, from which the game's faces are drawn.
    for (int face = 1; face <= 26; ++face) form.lstShuffled.Append(DecimalText(face));

    const int pairs = WholeValue(form.lblPairs.text);
    const bool multiplePairs = form.chkMultiple.value != 0;
    for (int draw = 0; draw < pairs; ++draw) {
        std::size_t r = RandomItem(form.random, form.lstShuffled.Count());
        form.lstSelection.Append(DecimalText(form.lstShuffled.Value(r)));
        if (!multiplePairs) form.lstShuffled.Remove(r);
    }
    form.lstShuffled.Empty();

    // Each chosen face twice, then shuffled into board order.
    for (int i = 0; i < pairs; ++i) form.lstSelection.Append(form.lstSelection.Read(static_cast<std::size_t>(i)));
    for (int placed = 0; placed < 2 * pairs; ++placed) {
        std::size_t r = RandomItem(form.random, form.lstSelection.Count());
        form.lstShuffled.Append(DecimalText(form.lstSelection.Value(r)));
        form.lstSelection.Remove(r);
    }
}

}  // namespace pairon
