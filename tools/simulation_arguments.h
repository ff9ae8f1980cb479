#pragma once

#include <string>
#include <string_view>

#include "tools/simulation.h"

namespace pairon {

struct SimulationArguments {
    SimulationOptions options;
    bool helpRequested = false;
    // What is wrong with the command line; empty when it is sound.
    std::string error;
};

// Reads the simulator's command line (argv[0] is the program name).
SimulationArguments ParseSimulationArguments(int argc, const char* const* argv);

// One line naming every option and its values.
std::string_view SimulationUsage();

}  // namespace pairon
