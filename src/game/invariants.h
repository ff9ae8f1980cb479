#pragma once

#include <string>
#include <vector>

#include "game/main_form.h"

namespace pairon {

// The rules that hold between events while a game runs (from the deal to the
// last pair). Returns a description of each one that is broken; empty when
// the state is sound.
std::vector<std::string> BrokenGameInvariants(const MainForm& form);

// Whether a game is under way or just over: the button reads "End Game".
bool GameRunning(const MainForm& form);

}  // namespace pairon
