// The simulator: whole games between computer seats on the game's own window
// model, reproducible from a seed, and its command line.

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "tools/simulation.h"
#include "tools/simulation_arguments.h"

namespace pairon {
namespace {

using Words = std::vector<std::string>;

SimulationArguments Parse(const Words& words) {
    std::vector<const char*> argv{"pairon-sim"};
    for (const std::string& word : words) argv.push_back(word.c_str());
    return ParseSimulationArguments(static_cast<int>(argv.size()), argv.data());
}

std::string Joined(const Words& words) {
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
    return text;
}

SimulationOptions Options(int width, int height, Words seats, long long games, std::uint64_t seed = 7) {
    SimulationOptions options;
    options.width = width;
    options.height = height;
    options.seats = std::move(seats);
    options.games = games;
    options.seed = seed;
    return options;
}

long long TotalPairs(const SimulationReport& report) {
    long long pairs = 0;
    for (const SeatResult& seat : report.seats) pairs += seat.pairs;
    return pairs;
}

long long TotalTurns(const SimulationReport& report) {
    long long turns = 0;
    for (std::size_t t = 0; t < report.turnCounts.size(); ++t) {
        turns += static_cast<long long>(t) * report.turnCounts[t];
    }
    return turns;
}

TEST(SimulatorArguments, DefaultsAndEveryOption) {
    const SimulationArguments none = Parse({});
    ASSERT_EQ(none.error, "");
    EXPECT_EQ(none.options.width, 10);
    EXPECT_EQ(none.options.height, 5);
    EXPECT_EQ(none.options.seats, Words{"Excellent"});
    EXPECT_EQ(none.options.games, 1000);
    EXPECT_EQ(none.options.seed, 1u);
    EXPECT_FALSE(none.options.multiplePairs);
    EXPECT_EQ(none.options.speed, 5);
    EXPECT_TRUE(none.options.checks);
    EXPECT_FALSE(none.helpRequested);

    const SimulationArguments all =
        Parse({"--width", "4", "--height", "2", "--seats", "Good,Shocking,Average,Poor", "--games", "25", "--seed",
               "18446744073709551615", "--multiple", "--speed", "8", "--no-checks"});
    ASSERT_EQ(all.error, "");
    EXPECT_EQ(all.options.width, 4);
    EXPECT_EQ(all.options.height, 2);
    EXPECT_EQ(all.options.seats, (Words{"Good", "Shocking", "Average", "Poor"}));
    EXPECT_EQ(all.options.games, 25);
    EXPECT_EQ(all.options.seed, 18446744073709551615u);
    EXPECT_TRUE(all.options.multiplePairs);
    EXPECT_EQ(all.options.speed, 8);
    EXPECT_FALSE(all.options.checks);

    EXPECT_TRUE(Parse({"--help"}).helpRequested);
}

TEST(SimulatorArguments, AcceptsEveryBoardSizeAndTheEndsOfEachRange) {
    for (const char* width : {"4", "6", "8", "10"}) {
        for (const char* height : {"2", "3", "4", "5"}) {
            const SimulationArguments parsed = Parse({"--width", width, "--height", height});
            EXPECT_EQ(parsed.error, "") << width << " x " << height;
            EXPECT_EQ(parsed.options.width * parsed.options.height, std::stoi(width) * std::stoi(height));
        }
    }
    for (const Words& words : {Words{"--speed", "2"}, Words{"--speed", "8"}, Words{"--games", "1"},
                               Words{"--seed", "0"}, Words{"--seats", "Shocking"}}) {
        EXPECT_EQ(Parse(words).error, "") << Joined(words);
    }
}

TEST(SimulatorArguments, RejectsBadInput) {
    const std::vector<Words> bad = {
        {"--fast"},
        {"width", "10"},
        {"-w", "10"},
        {"--width"},
        {"--width", "7"},
        {"--width", "5"},
        {"--width", "12"},
        {"--width", "2"},
        {"--width", "0x8"},
        {"--height", "1"},
        {"--height", "6"},
        {"--height", " 3"},
        {"--height", "3", "--seats"},
        {"--seats", ""},
        {"--seats", "Excellent,"},
        {"--seats", ",Excellent"},
        {"--seats", "Excellent,,Good"},
        {"--seats", "excellent"},
        {"--seats", "Expert"},
        {"--seats", "Good,Good,Good,Good,Good"},
        {"--games", "0"},
        {"--games", "-5"},
        {"--games", "+5"},
        {"--games", "1e3"},
        {"--games", "99999999999999999999"},
        {"--seed", "-1"},
        {"--seed", "18446744073709551616"},
        {"--seed", "seven"},
        {"--speed", "1"},
        {"--speed", "9"},
        {"--speed", ""},
    };
    for (const Words& words : bad) EXPECT_NE(Parse(words).error, "") << Joined(words);
}

TEST(Simulation, TheSameSeedGivesTheSameReport) {
    SimulationOptions options = Options(6, 3, {"Good", "Poor", "Average"}, 150);
    options.multiplePairs = true;
    const SimulationReport first = RunSimulation(options);
    const SimulationReport again = RunSimulation(options);
    ASSERT_FALSE(first.failure) << *first.failure;
    EXPECT_EQ(FormatReport(first), FormatReport(again));
    EXPECT_EQ(first.turnCounts, again.turnCounts);
    EXPECT_EQ(first.gameMilliseconds, again.gameMilliseconds);

    options.seed = 8;
    const SimulationReport other = RunSimulation(options);
    EXPECT_NE(first.turnCounts, other.turnCounts) << "the seed must decide the games";
}

TEST(Simulation, EveryPairIsScored) {
    const SimulationReport alone = RunSimulation(Options(4, 2, {"Shocking"}, 300));
    ASSERT_FALSE(alone.failure) << *alone.failure;
    EXPECT_EQ(alone.gamesPlayed, 300);
    EXPECT_EQ(alone.seats[0].pairs, 4 * 300);
    EXPECT_DOUBLE_EQ(alone.MeanScore(0), 4.0);
    EXPECT_EQ(alone.seats[0].wins + alone.seats[0].draws, 0) << "a lone seat neither wins nor draws";

    for (bool multiplePairs : {false, true}) {
        SimulationOptions options = Options(10, 5, {"Excellent", "Good", "Average", "Shocking"}, 100);
        options.multiplePairs = multiplePairs;
        const SimulationReport four = RunSimulation(options);
        ASSERT_FALSE(four.failure) << *four.failure;
        EXPECT_EQ(TotalPairs(four), 25 * 100) << "Multiple Pairs " << multiplePairs;
        double meanScores = 0;
        for (std::size_t seat = 0; seat < 4; ++seat) meanScores += four.MeanScore(seat);
        EXPECT_NEAR(meanScores, 25.0, 1e-9);
        EXPECT_EQ(std::accumulate(four.turnCounts.begin(), four.turnCounts.end(), 0LL), 100);

        // Each game has one winner or at least two seats sharing the top score.
        long long wins = 0;
        long long draws = 0;
        for (const SeatResult& seat : four.seats) {
            wins += seat.wins;
            draws += seat.draws;
        }
        EXPECT_LE(wins, 100);
        EXPECT_LE(wins + draws / 2, 100);
        EXPECT_GE(wins + draws, 100);
    }
}

TEST(Simulation, ExcellentBeatsShockingClearlyFromEitherSeat) {
    const SimulationReport first = RunSimulation(Options(6, 3, {"Excellent", "Shocking"}, 300));
    ASSERT_FALSE(first.failure) << *first.failure;
    EXPECT_GE(first.seats[0].wins, 270);
    EXPECT_GT(first.MeanScore(0), 4 * first.MeanScore(1));

    const SimulationReport second = RunSimulation(Options(6, 3, {"Shocking", "Excellent"}, 300));
    ASSERT_FALSE(second.failure) << *second.failure;
    EXPECT_GE(second.seats[1].wins, 270);
    EXPECT_GT(second.MeanScore(1), 4 * second.MeanScore(0));
}

TEST(Simulation, TheLevelsRankInOrder) {
    // A lone seat needs fewer turns without a pair the better it recalls.
    double previous = 0;
    for (std::string_view level : kComputerLevels) {
        const SimulationReport report = RunSimulation(Options(6, 3, {std::string(level)}, 300));
        ASSERT_FALSE(report.failure) << *report.failure;
        EXPECT_GT(report.Turns().mean, previous) << level;
        previous = report.Turns().mean;
    }
}

TEST(Simulation, SpeedChangesThePaceAndNothingElse) {
    SimulationOptions options = Options(8, 4, {"Average", "Good"}, 100);
    options.speed = 4;
    const SimulationReport slow = RunSimulation(options);
    options.speed = 8;
    const SimulationReport slower = RunSimulation(options);
    ASSERT_FALSE(slow.failure) << *slow.failure;
    ASSERT_FALSE(slower.failure) << *slower.failure;
    EXPECT_EQ(slow.turnCounts, slower.turnCounts);
    for (std::size_t seat = 0; seat < 2; ++seat) {
        EXPECT_EQ(slow.seats[seat].pairs, slower.seats[seat].pairs);
        EXPECT_EQ(slow.seats[seat].wins, slower.seats[seat].wins);
    }
    EXPECT_EQ(2 * slow.gameMilliseconds, slower.gameMilliseconds);

    // Computer seats only: the computer timer runs from Done to the last pair,
    // one pick per computer delay (400 ms a slider step), two picks a turn.
    const long long picks = 2 * (TotalPairs(slow) + TotalTurns(slow));
    EXPECT_EQ(slow.gameMilliseconds, picks * 4 * 400);
}

TEST(Simulation, AGameThatDoesNotEndIsAFailure) {
    SimulationOptions options = Options(10, 5, {"Shocking"}, 3, 42);
    options.tickLimit = 20;
    const SimulationReport report = RunSimulation(options);
    ASSERT_TRUE(report.failure);
    EXPECT_NE(report.failure->find("game 1 "), std::string::npos) << *report.failure;
    EXPECT_NE(report.failure->find("seed 42"), std::string::npos) << *report.failure;
    EXPECT_EQ(report.gamesPlayed, 0);
}

TEST(TurnSummary, NearestRankPercentilesAndThePopulationSpread) {
    SimulationReport report;
    report.turnCounts.assign(100, 1);  // one game each with 0 ... 99 turns
    TurnSummary turns = report.Turns();
    EXPECT_DOUBLE_EQ(turns.mean, 49.5);
    EXPECT_NEAR(turns.standardDeviation, 28.8661, 1e-4);
    EXPECT_EQ(turns.percentile1, 0);
    EXPECT_EQ(turns.percentile99, 98);

    report.turnCounts.assign(10, 1);  // ten games: the 99th percentile is the largest
    EXPECT_EQ(report.Turns().percentile99, 9);
    EXPECT_EQ(report.Turns().percentile1, 0);

    report.turnCounts = {0, 0, 0, 99, 0, 0, 0, 0, 0, 0, 1};  // 99 games of 3 turns, one of 10
    turns = report.Turns();
    EXPECT_EQ(turns.percentile1, 3);
    EXPECT_EQ(turns.percentile99, 3);
    report.turnCounts[3] = 98;
    report.turnCounts[10] = 2;
    EXPECT_EQ(report.Turns().percentile99, 10);

    report.turnCounts = {0, 0, 0, 0, 0, 0, 0, 1};
    turns = report.Turns();
    EXPECT_DOUBLE_EQ(turns.mean, 7.0);
    EXPECT_DOUBLE_EQ(turns.standardDeviation, 0.0);
    EXPECT_EQ(turns.percentile1, 7);
    EXPECT_EQ(turns.percentile99, 7);
}

}  // namespace
}  // namespace pairon
