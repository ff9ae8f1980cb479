#pragma once

#include <string>
#include <vector>

namespace pairon {

// The catalogue for the first of `wanted` (most wanted first) that the game
// speaks, of those in `spoken` ("de", "pt_BR"): that language, or another
// country's variant of it. A wanted language is named as a desktop or a
// browser names it: "de_DE", "de-DE", "pt-BR", "de_DE.UTF-8", "en". Empty for
// English, which needs no catalogue, for "C" and "POSIX" (the untranslated
// texts), and when the game speaks none of them.
std::string ChooseCatalogue(const std::vector<std::string>& wanted, const std::vector<std::string>& spoken);

}  // namespace pairon
