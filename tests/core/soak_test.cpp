// The soak: long random runs of every event a player or a timer can send to
// the main window, each only when it could happen on screen, with the game's
// standing rules and what the player sees checked after every one. A failure
// is shrunk to the shortest list of events that still fails and printed as
// C++ to paste into a plain test.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "game/game_rules.h"
#include "soak_events.h"

namespace pairon::soak {
namespace {

// The two million events CI runs are split over this many tests, so ctest can run
// them side by side. PAIRON_SOAK_EVENTS sets another total for a longer run.
constexpr int kShards = 10;
constexpr std::size_t kEventsPerSequence = 4000;

std::size_t TotalEvents() {
    if (const char* value = std::getenv("PAIRON_SOAK_EVENTS")) return std::strtoull(value, nullptr, 10);
    return 2'000'000;
}

void Merge(SoakTally& total, const SoakTally& run) {
    total.events += run.events;
    total.ticks += run.ticks;
    total.gamesStarted += run.gamesStarted;
    total.gamesFinished += run.gamesFinished;
    total.boards.insert(run.boards.begin(), run.boards.end());
    total.seatCounts.insert(run.seatCounts.begin(), run.seatCounts.end());
    total.resultPictures.insert(run.resultPictures.begin(), run.resultPictures.end());
    total.seatMixes.insert(run.seatMixes.begin(), run.seatMixes.end());
    total.computerNamedHuman |= run.computerNamedHuman;
    total.highlightGame |= run.highlightGame;
    total.multipleGame |= run.multipleGame;
}

class Soak : public testing::TestWithParam<int> {};

TEST_P(Soak, EveryEventAPlayerOrATimerCanSendKeepsTheGameSound) {
    const int shard = GetParam();
    const std::size_t budget = (TotalEvents() + kShards - 1) / kShards;
    const auto start = std::chrono::steady_clock::now();
    SoakTally total;
    std::size_t generated = 0;
    for (std::uint64_t sequence = 0; generated < budget; ++sequence) {
        // Seeds are plain numbers, so a failure names one a person can type.
        const std::uint64_t seed = static_cast<std::uint64_t>(shard + 1) * 1'000'000 + sequence;
        SoakRun run = RunSoak(seed, std::min(kEventsPerSequence, budget - generated));
        generated += run.events.size();
        Merge(total, run.tally);
        if (run.failure) {
            const std::vector<SoakEvent> shrunk = ShrinkSoak(seed, run.events, run.failure->rule);
            ADD_FAILURE() << FailureReport(seed, *run.failure, shrunk);
            return;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("soak shard %d: %zu events, %zu timer ticks, %zu games started, %zu played to the end, %.2f s\n", shard,
                total.events, total.ticks, total.gamesStarted, total.gamesFinished, seconds);

    // A soak that never reached the corners it is meant to shake proves
    // nothing; with the full budget every shard reaches all of these.
    if (budget < 50'000) return;
    EXPECT_EQ(total.boards.size(), 16u) << "every board size is dealt";
    EXPECT_EQ(total.seatCounts, (std::set<int>{1, 2, 3, 4}));
    EXPECT_EQ(total.resultPictures,
              (std::set<std::string>{"Winner.bmp", "Depressed.bmp", "Frustrated.bmp", "Trophy.bmp"}));
    for (const char* mix : {"H", "C", "HC", "CH", "CC", "HHHH", "CCCC"}) {
        EXPECT_TRUE(total.seatMixes.count(mix)) << "no game with seats " << mix;
    }
    EXPECT_TRUE(total.computerNamedHuman) << "no human seat named Computer played";
    EXPECT_TRUE(total.highlightGame);
    EXPECT_TRUE(total.multipleGame);
    EXPECT_GT(total.gamesFinished * 2, total.gamesStarted) << "most games are played to their end";
}

INSTANTIATE_TEST_SUITE_P(Seeds, Soak, testing::Range(0, kShards));

// The soak relies on knowing what the player can reach; these are the
// controls that hide or lie under another.
TEST(SoakHarness, HiddenAndCoveredControlsTakeNoEvents) {
    SoakGame game(1);
    EXPECT_TRUE(game.Possible(Click(0))) << "the face-down board takes clicks before a game";
    EXPECT_FALSE(game.Possible(Click(6))) << "a 6-wide board has no column 6";
    EXPECT_FALSE(game.Possible(Done()));
    EXPECT_FALSE(game.Possible(MoveSpeed(3))) << "the options panel covers the slider";
    EXPECT_FALSE(game.Possible(ChooseType(0, "Computer")));
    EXPECT_FALSE(game.Possible(EndHelp()));

    ASSERT_TRUE(game.Apply(PressNewGame()));
    EXPECT_FALSE(game.Possible(Click(0))) << "the player panel covers the board";
    EXPECT_FALSE(game.Possible(ChooseWidth("4")));
    EXPECT_FALSE(game.Possible(CheckMultiple(1)));
    EXPECT_FALSE(game.Possible(TypeName(1, "Bob"))) << "one player: seat 1's row is hidden";
    EXPECT_FALSE(game.Possible(ChooseLevel(0, "Good"))) << "a human seat's level box is hidden";
    EXPECT_TRUE(game.Possible(MoveSpeed(3)));
    EXPECT_FALSE(game.Possible(MoveSpeed(9))) << "past the slider's end";

    ASSERT_TRUE(game.Apply(ChooseType(0, "Computer")));
    EXPECT_FALSE(game.Possible(TypeName(0, "Ann"))) << "the level box covers the name box";
    EXPECT_TRUE(game.Possible(ChooseLevel(0, "Good")));

    EXPECT_FALSE(game.Apply(Exit()));
    EXPECT_FALSE(game.Possible(Wait(10))) << "nothing follows Exit";
}

TEST(SoakHarness, EventsPrintAsTheCodeThatMakesThem) {
    EXPECT_EQ(Describe(TypeName(1, "Zo\303\253 \"Q\"")), "TypeName(1, \"Zo\\303\\253 \\\"Q\\\"\")");
    EXPECT_EQ(Describe(Wait(1500)), "Wait(1500)");
    EXPECT_EQ(Describe(ChooseWidth("10")), "ChooseWidth(\"10\")");
}

// A rule planted in the checks, broken only by a particular handful of
// events hidden in a long random run: the shrinker must find exactly those.
TEST(SoakHarness, APlantedFaultShrinksToTheEventsThatCauseIt) {
    const ExtraCheck computerRevealedACard = [](const MainForm& form) -> std::string {
        return form.cmbPlayerType[0].Text() == "Computer" && form.lstIndexes.Count() > 0 ? "planted" : "";
    };
    std::uint64_t seed = 7;
    SoakRun run;
    for (; seed < 40; ++seed) {
        run = RunSoak(seed, kEventsPerSequence, computerRevealedACard);
        if (run.failure) break;
    }
    ASSERT_TRUE(run.failure) << "no run met the planted rule";
    ASSERT_EQ(run.failure->rule, "planted");

    const std::vector<SoakEvent> shrunk = ShrinkSoak(seed, run.events, "planted", computerRevealedACard);
    // A game, seat 0 a computer, Done, and time for its first pick (and
    // perhaps a slider move that shortens that time).
    ASSERT_GE(shrunk.size(), 4u);
    ASSERT_LE(shrunk.size(), 5u) << FailureReport(seed, *run.failure, shrunk, computerRevealedACard);
    EXPECT_EQ(shrunk.back().kind, Kind::Wait);
    EXPECT_EQ(DescribeFailure(ReplaySoak(seed, shrunk, computerRevealedACard)).rfind("planted", 0), 0u);
    for (std::size_t i = 0; i < shrunk.size(); ++i) {
        std::vector<SoakEvent> fewer = shrunk;
        fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(i));
        EXPECT_EQ(DescribeFailure(ReplaySoak(seed, fewer, computerRevealedACard)), "") << "event " << i << " is needed";
    }
}

}  // namespace
}  // namespace pairon::soak
