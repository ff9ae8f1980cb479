#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pairon {

// The computer levels, strongest first, as the level boxes list them.
inline constexpr std::array<std::string_view, 5> kComputerLevels = {"Excellent", "Good", "Average", "Poor",
                                                                    "Shocking"};

// What to play: a board, one computer level per seat, and how many games.
struct SimulationOptions {
    int width = 10;
    int height = 5;
    std::vector<std::string> seats{"Excellent"};
    long long games = 1000;
    std::uint64_t seed = 1;
    bool multiplePairs = false;
    int speed = 5;  // position of the speed slider; it sets the pace only
    // Check the game's standing rules after every tick, and that the outcome
    // panel announces what the scores say.
    bool checks = true;
    // A game still running after this many timer ticks counts as a failure.
    long long tickLimit = 100'000;
};

struct SeatResult {
    std::string level;
    long long pairs = 0;  // over all games
    long long wins = 0;   // games with this seat alone on the top score
    long long draws = 0;  // games with the top score shared by this seat and another
};

// Turns that ended without a pair (the turn counter at a game's end), over
// all games. Percentiles are by nearest rank: the smallest count that at
// least that share of the games did not exceed.
struct TurnSummary {
    double mean = 0;
    double standardDeviation = 0;  // of the whole population of games
    int percentile1 = 0;
    int percentile99 = 0;
};

struct SimulationReport {
    SimulationOptions options;
    long long gamesPlayed = 0;
    std::vector<SeatResult> seats;
    // turnCounts[t]: how many games ended with t turns without a pair.
    std::vector<long long> turnCounts;
    // Virtual time from Done to the last pair, summed over all games.
    std::int64_t gameMilliseconds = 0;
    double wallSeconds = 0;
    // Set when a game went wrong: which game, the seed and what happened.
    // The figures then cover the games finished before it.
    std::optional<std::string> failure;

    double MeanScore(std::size_t seat) const;
    double MeanGameSeconds() const;
    TurnSummary Turns() const;
};

// Plays the games on one window model, driven by the same handlers and timer
// ticks the window sends, and gathers the results.
SimulationReport RunSimulation(const SimulationOptions& options);

// The report as text: everything but the wall-time throughput, so that the
// same options and seed always give the same text.
std::string FormatReport(const SimulationReport& report);
// Games per second of wall time, one line.
std::string FormatThroughput(const SimulationReport& report);

}  // namespace pairon
