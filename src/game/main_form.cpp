#include "game/main_form.h"

#include "game/window_layout.h"

namespace pairon {

MainForm::MainForm(RandomSource& randomSource) : random(randomSource) { ApplyStartState(*this); }

}  // namespace pairon
