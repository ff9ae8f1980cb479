// Dealing: which faces take part, how they lie on the board, and what a new
// deal resets.

#include <gtest/gtest.h>

#include <map>

#include "game/game_rules.h"
#include "game/numbers.h"
#include "game/random.h"
#include "test_game.h"
#include "window/setup_flow.h"

namespace pairon::test {
namespace {

using Strings = std::vector<std::string>;

// How many cards of each face the deal laid out.
std::map<int, int> FaceCounts(const MainForm& form) {
    std::map<int, int> counts;
    for (std::size_t k = 0; k < form.lstShuffled.Count(); ++k) ++counts[form.lstShuffled.Value(k)];
    return counts;
}

TEST(Dealing, A4By2BoardHoldsFourDistinctPairs) {
    for (std::uint64_t seed = 1; seed <= 50; ++seed) {
        TestGame game(seed);
        game.ChooseBoard(4, 2);
        game.NewGame();
        EXPECT_EQ(game.PairsRemaining(), "4");
        EXPECT_EQ(game.form.lstShuffled.Count(), 8u);
        std::map<int, int> counts = FaceCounts(game.form);
        EXPECT_EQ(counts.size(), 4u) << "seed " << seed;
        for (const auto& [face, n] : counts) EXPECT_EQ(n, 2) << "face " << face << ", seed " << seed;
    }
}

TEST(Dealing, A10By5BoardLeavesExactlyOneFaceOut) {
    std::map<int, int> timesLeftOut;
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        TestGame game(seed);
        game.ChooseBoard(10, 5);
        game.NewGame();
        EXPECT_EQ(game.PairsRemaining(), "25");
        std::map<int, int> counts = FaceCounts(game.form);
        ASSERT_EQ(counts.size(), 25u) << "seed " << seed;
        for (const auto& [face, n] : counts) EXPECT_EQ(n, 2) << "face " << face << ", seed " << seed;
        for (int face = 1; face <= 26; ++face) {
            if (!counts.contains(face)) ++timesLeftOut[face];
        }
    }
    // Any face can be the one left out, not always the same.
    EXPECT_GT(timesLeftOut.size(), 5u);
}

TEST(Dealing, WithMultiplePairsEveryFaceLiesOnAnEvenNumberOfCards) {
    bool repeatedFace = false;
    for (std::uint64_t seed = 1; seed <= 100; ++seed) {
        TestGame game(seed);
        game.ChooseBoard(10, 5);
        game.SetMultiplePairs(true);
        game.NewGame();
        EXPECT_EQ(game.form.lstShuffled.Count(), 50u);
        for (const auto& [face, n] : FaceCounts(game.form)) {
            EXPECT_EQ(n % 2, 0) << "face " << face << " on " << n << " cards, seed " << seed;
            if (n >= 4) repeatedFace = true;
        }
    }
    EXPECT_TRUE(repeatedFace) << "with Multiple Pairs a face may lie on four or more cards";
}

TEST(Dealing, EveryBoardSizeIsFilledWithFaceNumbersAsPlainText) {
    for (int width : {4, 6, 8, 10}) {
        for (int height : {2, 3, 4, 5}) {
            for (bool multiple : {false, true}) {
                TestGame game(static_cast<std::uint64_t>(width * 100 + height * 10 + multiple));
                game.ChooseBoard(width, height);
                game.SetMultiplePairs(multiple);
                game.NewGame();
                SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
                EXPECT_EQ(game.PairsRemaining(), std::to_string(width * height / 2));
                ASSERT_EQ(game.form.lstShuffled.Count(), static_cast<std::size_t>(width * height));
                for (const std::string& item : Items(game.form.lstShuffled)) {
                    const int face = WholeValue(item);
                    EXPECT_TRUE(face >= 1 && face <= 26) << item;
                    EXPECT_EQ(item, std::to_string(face)) << "face numbers are plain digits";
                }
            }
        }
    }
}

// With every draw at the bottom of its range the deal takes the lowest faces
// and lays them in the order chosen; at the top, the highest faces, each
// drawn from the end of what is left.
TEST(Dealing, TakesFacesFromThePoolAndShufflesByTheDrawsInOrder) {
    TestGame low;
    low.ChooseBoard(4, 2);
    for (int draw = 0; draw < 12; ++draw) low.random.Queue(0.0);
    low.NewGame();
    EXPECT_EQ(Items(low.form.lstShuffled), (Strings{"1", "2", "3", "4", "1", "2", "3", "4"}));

    TestGame high;
    high.ChooseBoard(4, 2);
    for (int draw = 0; draw < 12; ++draw) high.random.Queue(0.999999);
    high.NewGame();
    EXPECT_EQ(Items(high.form.lstShuffled), (Strings{"23", "24", "25", "26", "23", "24", "25", "26"}));

    // Faces 5, then the fifth of the rest (6), 1 and 26; then the eight cards
    // taken from the doubled choice [5 6 1 26 5 6 1 26] at places 7, 0, 0, 2,
    // 0, 0, 1, 0 of what is left.
    TestGame mixed;
    mixed.ChooseBoard(4, 2);
    mixed.random.QueueItem(4, 26);
    mixed.random.QueueItem(4, 25);
    mixed.random.QueueItem(0, 24);
    mixed.random.QueueItem(22, 23);
    int left = 8;
    for (int k : {7, 0, 0, 2, 0, 0, 1, 0}) mixed.random.QueueItem(k, left--);
    mixed.NewGame();
    EXPECT_EQ(mixed.random.Queued(), 0u);
    EXPECT_EQ(Items(mixed.form.lstShuffled), (Strings{"26", "5", "6", "5", "1", "26", "1", "6"}));
}

TEST(Dealing, WithMultiplePairsTheSameFaceCanBeDrawnAgain) {
    TestGame game;
    game.ChooseBoard(4, 2);
    game.SetMultiplePairs(true);
    for (int draw = 0; draw < 12; ++draw) game.random.Queue(0.0);
    game.NewGame();
    EXPECT_EQ(Items(game.form.lstShuffled), Strings(8, "1"));
}

TEST(Dealing, SuccessiveDealsDiffer) {
    TestGame game;
    game.ChooseBoard(10, 5);
    game.NewGame();
    const Strings first = Items(game.form.lstShuffled);
    game.EndGame();
    game.NewGame();
    EXPECT_NE(Items(game.form.lstShuffled), first);

    // And it is the clock that makes them differ: the game's own generator,
    // put back into the very same state before each deal, deals the same
    // board at the same clock reading and another one a moment later.
    static std::uint64_t now = 0;
    MixingRandom random(7, [] { return now; });
    MainForm form(random);
    Form_Load(form);
    ChooseWidth(form, "10");
    ChooseHeight(form, "5");
    const MixingRandom before = random;
    auto dealAt = [&](std::uint64_t time) {
        random = before;
        now = time;
        DealCards(form);
        return Items(form.lstShuffled);
    };
    const Strings dealt = dealAt(1000);
    EXPECT_EQ(dealAt(1000), dealt);
    EXPECT_NE(dealAt(1001), dealt);
}

TEST(Dealing, ResetsTheCountersAndTheScoreBoard) {
    TestGame game;
    game.NewGame();
    const MainForm& f = game.form;
    for (const TextList* list : {&f.lstMatches, &f.lstSelected, &f.lstIndexes, &f.lstSelection}) {
        EXPECT_EQ(list->Count(), 0u);
    }
    EXPECT_EQ(f.lstShuffled.Count(), 18u);
    EXPECT_EQ(game.Turns(), "0");
    EXPECT_EQ(f.lblIndex1.text, "");
    EXPECT_EQ(f.lblIndex2.text, "");
    EXPECT_EQ(game.PlayerToSelect(), "");
    EXPECT_EQ(game.PairsRemaining(), "9");
    for (int i = 0; i < kSeats; ++i) {
        EXPECT_EQ(game.Name(i), "");
        EXPECT_EQ(game.Score(i), "0");
    }
    EXPECT_EQ(game.BoldSeats(), (std::vector<int>{0}));
}

TEST(Dealing, ShowsTheSeatRowsOfThePlayersInPlay) {
    TestGame game;
    game.ChoosePlayers(2);
    game.ChooseType(1, "Computer");
    game.NewGame();
    const MainForm& f = game.form;
    for (int i = 0; i < kSeats; ++i) {
        const auto seat = static_cast<std::size_t>(i);
        const bool inPlay = i < 2;
        SCOPED_TRACE("seat " + std::to_string(i));
        EXPECT_EQ(f.cmbPlayerType[seat].visible, inPlay);
        EXPECT_EQ(f.txtPlayer[seat].visible, inPlay);
        EXPECT_EQ(f.lblPlayer[seat].visible, inPlay);
        EXPECT_EQ(f.lblScore[seat].visible, inPlay);
        EXPECT_EQ(f.cmbComputerLevel[seat].visible, i == 1);
    }

    // The first seat turns computer too. The next game with three players
    // shows one more row, and the level box wherever the seat is still a
    // computer, the first seat's included.
    game.ChooseType(0, "Computer");
    game.EndGame();
    game.ChoosePlayers(3);
    game.NewGame();
    for (int i = 0; i < kSeats; ++i) {
        const auto seat = static_cast<std::size_t>(i);
        SCOPED_TRACE("seat " + std::to_string(i));
        EXPECT_EQ(f.cmbPlayerType[seat].visible, i < 3);
        EXPECT_EQ(f.lblScore[seat].visible, i < 3);
        EXPECT_EQ(f.cmbComputerLevel[seat].visible, i <= 1);
    }
}

TEST(Dealing, ALevelBoxOfASeatOutOfPlayStaysHidden) {
    TestGame game;
    game.ChoosePlayers(4);
    game.NewGame();
    game.ChooseType(3, "Computer");
    game.EndGame();
    game.ChoosePlayers(2);
    game.NewGame();
    EXPECT_FALSE(game.form.cmbComputerLevel[3].visible);
    EXPECT_FALSE(game.form.cmbPlayerType[3].visible);
}

TEST(Dealing, ANewDealKeepsNothingOfTheGameBefore) {
    TestGame game;
    game.Start(4, 2, {Human("Ann"), Human("Bob")}, {1, 2, 3, 4, 1, 2, 3, 4});
    game.TakePair(1);
    game.Miss(2, 3);
    game.Click(game.FirstOf(4));  // left face up
    ASSERT_EQ(game.FaceUpSlots(), (std::vector<int>{game.FirstOf(4)}));
    game.EndGame();

    game.NewGame();
    const MainForm& f = game.form;
    for (const TextList* list : {&f.lstMatches, &f.lstSelected, &f.lstIndexes, &f.lstSelection}) {
        EXPECT_EQ(list->Count(), 0u);
    }
    EXPECT_EQ(f.lblIndex1.text, "");
    EXPECT_EQ(f.lblIndex2.text, "");
    EXPECT_EQ(game.Turns(), "0");
    EXPECT_EQ(game.Score(0), "0");
    EXPECT_EQ(game.Name(0), "");
    EXPECT_EQ(game.BoldSeats(), (std::vector<int>{0}));

    // The card that was left face up is the first one clicked, and shows.
    game.ScriptDeal({4, 3, 2, 1, 1, 2, 3, 4});
    game.Done();
    game.Click(3);
    EXPECT_EQ(game.FaceShown(3), 1);
    EXPECT_EQ(Items(f.lstIndexes), (Strings{"3"}));
}

}  // namespace
}  // namespace pairon::test
