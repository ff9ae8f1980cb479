#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "game/main_form.h"

namespace pairon {

// The setup a player chose last time, kept between runs as texts under keys
// such as "Board/Width" or "Seat2/Level". No game in progress is ever kept:
// only what the setup controls hold.
//
// A value read back is nullopt where the file holds something other than
// plain text under that key.
using RememberedValues = std::map<std::string, std::optional<std::string>>;

// What the setup controls hold now, as the values to keep.
std::map<std::string, std::string> ChoicesToRemember(const MainForm& form);

struct RememberedSetup {
    // The remembered selections the controls offer, in the order they are
    // made: (key, text).
    std::vector<std::pair<std::string, std::string>> selections;
    // The keys whose values no control offers; each is left as it is.
    std::vector<std::string> ignored;
};

// Checks each remembered value against what its control offers; a value it
// does not offer is ignored on its own, everything else still counts.
// Keys the game does not know are passed over in silence.
RememberedSetup ReadRememberedSetup(const RememberedValues& values, const MainForm& form);

// Makes the remembered selections after Form_Load's own, through the same
// handlers and in the same order (height, width, players, each seat's type
// and level), then the check boxes, the speed slider and the names: the game
// sees nothing a player could not have chosen by hand.
void ApplyRememberedSetup(MainForm& form, const RememberedSetup& setup);

}  // namespace pairon
