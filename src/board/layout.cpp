#include "board/board.h"
#include "game/game_rules.h"
#include "pictures/picture_files.h"

namespace pairon {

void ResizeWindow(MainForm& form) {
    const std::string_view back = form.chkHighlight.value != 0 ? kUnseenCardBackFile : kCardBackFile;
    for (Picture& slot : form.imgCard) {
        slot.Load(back);
        slot.visible = true;
    }
    const int width = BoardWidth(form);
    const int height = BoardHeight(form);
    for (int p = 10 * height; p < kCardSlots; ++p) {
        if (p >= 0) form.imgCard[static_cast<std::size_t>(p)].visible = false;
    }
    for (int p = width; p <= 10 * height && p < kCardSlots; ++p) {
        if (p >= 0 && p % 10 >= width) form.imgCard[static_cast<std::size_t>(p)].visible = false;
    }
}

void cmbWidth_Click(MainForm& form) { ResizeWindow(form); }
void cmbHeight_Click(MainForm& form) { ResizeWindow(form); }

}  // namespace pairon
