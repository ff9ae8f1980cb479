// pairon-sim: plays many games between computer seats, headless, on the same
// window model the game runs, and prints what the levels achieve.

#include <cstdio>
#include <string>

#include "tools/simulation.h"
#include "tools/simulation_arguments.h"

int main(int argc, char** argv) {
    const pairon::SimulationArguments arguments = pairon::ParseSimulationArguments(argc, argv);
    const std::string usage(pairon::SimulationUsage());
    if (!arguments.error.empty()) {
        std::fprintf(stderr, "pairon-sim: %s; %s\n", arguments.error.c_str(), usage.c_str());
        return 2;
    }
    if (arguments.helpRequested) {
        std::printf("%s\n", usage.c_str());
        return 0;
    }

    const pairon::SimulationReport report = pairon::RunSimulation(arguments.options);
    if (report.failure) {
        std::fprintf(stderr, "pairon-sim: %s\n", report.failure->c_str());
        return 1;
    }
    std::fputs(pairon::FormatReport(report).c_str(), stdout);
    std::fputs(pairon::FormatThroughput(report).c_str(), stdout);
    return 0;
}
