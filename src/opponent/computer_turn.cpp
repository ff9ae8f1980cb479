#include <cmath>

#include "game/game_rules.h"
#include "game/numbers.h"
#include "opponent/opponent.h"

namespace pairon {

int SkillValue(const MainForm& form, int seat) {
    return 4 - form.cmbComputerLevel[static_cast<std::size_t>(seat)].listIndex;
}

void tmrComputerDelay_Timer(MainForm& form) {
    form.tmrComputerDelay.Stop();
    if (form.cmdNew.caption == kEndGameCaption && form.lblPlayerTurn.text == kComputerName &&
        !form.fraOutcome.visible) {
        ComputerTurn(form);
        form.tmrComputerDelay.Start();
    }
}

void ComputerTurn(MainForm& form) {
    form.random.ReseedFromClock();

    // Every two seen cards with the same face and different places make a
    // known pair, listed in the order of the record.
    form.lstMatches.Empty();
    const std::size_t seen = form.lstIndexes.Count();
    for (std::size_t i = 0; i < seen; ++i) {
        const int codeI = form.lstIndexes.Value(i);
        const int faceI = form.lstSelected.Value(i);
        for (std::size_t j = i + 1; j < seen; ++j) {
            if (form.lstIndexes.Value(j) != codeI && form.lstSelected.Value(j) == faceI) {
                form.lstMatches.Append(form.lstIndexes.Read(i));
                form.lstMatches.Append(form.lstIndexes.Read(j));
            }
        }
    }

    bool recall = false;
    if (form.lstMatches.Count() > 1) {
        const int skill = SkillValue(form, CurrentSeat(form));
        const int r = static_cast<int>(std::floor(form.random.Uniform() * 4)) + 1;
        recall = skill >= r;
    }

    if (recall) {
        if (form.lstSelection.Count() != 0) {
            SecondSelect(form);
        } else {
            FirstSelect(form);
        }
    } else {
        RandomSelect(form);
    }
}

void sldSpeed_Click(MainForm& form) {
    const int v = form.sldSpeed.value;
    form.tmrCardDelay.SetInterval(v * kCardDelayPerStep);
    form.tmrComputerDelay.SetInterval(v * kComputerDelayPerStep);
}

}  // namespace pairon
