#include "game/game_rules.h"
#include "game/numbers.h"
#include "pictures/picture_files.h"

namespace pairon {

void DetermineOutcome(MainForm& form) {
    DrawingBox& text = form.picOutcome;
    text.Clear();

    if (SeatCount(form) > 1) {
        // Every seat takes part in the comparison; seats out of play score 0
        // and can never share the top score.
        int best = WholeValue(form.lblScore[0].text);
        int winner = 0;
        bool draw = false;
        for (int i = 1; i < kSeats; ++i) {
            int score = WholeValue(form.lblScore[i].text);
            if (score == best) draw = true;
            if (score > best) {
                best = score;
                winner = i;
                draw = false;
            }
        }
        if (draw) {
            text.Print("It's a bloody");
            text.Print("draw!");
            form.picResult.Load(kFrustratedFile);
        } else {
            text.Print(form.lblPlayer[winner].text);
            text.Print("Wins!");
            form.picResult.Load(kWinnerFile);
            if (form.lblPlayer[winner].text == kComputerName) {
                text.Print("");
                text.Print("Bad luck!");
                form.picResult.Load(kDepressedFile);
            }
        }
        return;
    }

    text.Print("Well Done");
    text.Print(form.lblPlayer[0].text + "!");
    text.Print("");
    text.Print("You found " + DecimalText(BoardWidth(form) * BoardHeight(form) / 2) + " ");
    text.Print("pairs in");
    text.Print(form.lblTurn.text + " turns");
    form.picResult.Load(kTrophyFile);
}

}  // namespace pairon
