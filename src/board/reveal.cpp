#include "board/board.h"
#include "game/game_rules.h"
#include "game/numbers.h"
#include "pictures/picture_files.h"

namespace pairon {

void DisplayCard(MainForm& form) {
    const int code = WholeValue(form.lblIndex1.text);
    const int index = BoardIndex(code, BoardWidth(form));
    const int face = index >= 0 && static_cast<std::size_t>(index) < form.lstShuffled.Count()
                         ? form.lstShuffled.Value(static_cast<std::size_t>(index))
                         : 0;

    if (face >= 1 && face <= kCardFaces && code >= 0 && code < kCardSlots) {
        form.imgCard[static_cast<std::size_t>(code)].Load(CardFaceFile(face));
    }

    // The card's earlier entry, if any, leaves the seen-card record, so that
    // the record stays ordered by each card's latest reveal.
    for (std::size_t i = 0; i < form.lstIndexes.Count();) {
        if (form.lstIndexes.Value(i) == code) {
            form.lstIndexes.Remove(i);
            form.lstSelected.Remove(i);
        } else {
            ++i;
        }
    }

    DeterminePlayer(form);

    const std::string faceText = DecimalText(face);
    form.lstSelection.Append(faceText);
    form.lstSelected.Append(faceText);
    form.lstIndexes.Append(DecimalText(code));

    if (form.lstSelection.Count() == 2) CheckCards(form);
}

}  // namespace pairon
