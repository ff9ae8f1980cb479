// The turn: two cards, a pair that keeps the seat or a miss that passes it,
// the pause before the cards turn back, and what a click does meanwhile.

#include <gtest/gtest.h>

#include "board/board.h"
#include "game/game_rules.h"
#include "test_game.h"

namespace pairon::test {
namespace {

using Codes = std::vector<int>;
using Seats = std::vector<int>;

// A 6 x 3 board: faces 1 ... 9 on the top row and a half, their partners in
// reverse order after them.
//   codes  0 ..  5: 1 2 3 4 5 6
//   codes 10 .. 15: 7 8 9 9 8 7
//   codes 20 .. 25: 6 5 4 3 2 1
const std::vector<int> kSixByThree = {1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 8, 7, 6, 5, 4, 3, 2, 1};

TEST(TurnFlow, AMissPassesTheTurnAroundTheTableAndCountsIt) {
    TestGame game;
    game.Start(6, 3, {Human("Ann"), Human("Bob"), Human("Cid")}, kSixByThree);
    EXPECT_EQ(game.PlayerToSelect(), "Ann");
    EXPECT_EQ(game.BoldSeats(), Seats{0});

    const std::vector<std::pair<std::string, int>> expected = {{"Bob", 1}, {"Cid", 2}, {"Ann", 0}, {"Bob", 1}};
    for (std::size_t miss = 0; miss < expected.size(); ++miss) {
        game.Miss(1, 2);
        EXPECT_EQ(game.Turns(), std::to_string(miss + 1));
        EXPECT_EQ(game.PlayerToSelect(), expected[miss].first);
        EXPECT_EQ(game.BoldSeats(), Seats{expected[miss].second});
    }

    // With the counter at 4 the turn is seat 1's: its pair scores for it,
    // and it plays on.
    game.TakePair(3);
    EXPECT_EQ(game.Score(1), "1");
    EXPECT_EQ(game.Score(0), "0");
    EXPECT_EQ(game.Turns(), "4");
    EXPECT_EQ(game.PlayerToSelect(), "Bob");
    EXPECT_EQ(game.BoldSeats(), Seats{1});
}

TEST(TurnFlow, TheTurnPassesAsSoonAsTheSecondCardShows) {
    TestGame game;
    game.Start(6, 3, {Human("Ann"), Human("Bob")}, kSixByThree);
    game.Click(0);
    EXPECT_EQ(game.PlayerToSelect(), "Ann");
    game.Click(1);
    EXPECT_EQ(game.FaceUpSlots(), (Codes{0, 1})) << "both cards stay up for the pause";
    EXPECT_EQ(game.PlayerToSelect(), "Bob");
    EXPECT_EQ(game.Turns(), "1");
    EXPECT_EQ(game.BoldSeats(), Seats{1});
}

TEST(TurnFlow, APairKeepsTheSeat) {
    TestGame game;
    game.Start(6, 3, {Human("Ann"), Human("Bob")}, kSixByThree);
    game.Click(0);
    game.Click(25);
    EXPECT_FALSE(game.SlotShown(0));
    EXPECT_FALSE(game.SlotShown(25));
    EXPECT_EQ(game.Score(0), "1");
    EXPECT_EQ(game.PairsRemaining(), "8");
    EXPECT_EQ(game.Turns(), "0");
    EXPECT_EQ(game.PlayerToSelect(), "Ann");
    EXPECT_EQ(game.BoldSeats(), Seats{0});
    EXPECT_FALSE(game.form.tmrCardDelay.enabled) << "a pair leaves the board with no pause";
    EXPECT_EQ(game.form.lblIndex1.text, "");
    EXPECT_EQ(game.form.lblIndex2.text, "");
}

TEST(TurnFlow, ThreePairsAndThenAMissCountOneTurn) {
    TestGame game;
    game.Start(6, 3, {Human("Ann"), Human("Bob")}, kSixByThree);
    game.TakePair(4);
    game.TakePair(9);
    game.TakePair(1);
    EXPECT_EQ(game.Score(0), "3");
    EXPECT_EQ(game.Turns(), "0");
    game.Miss(2, 3);
    EXPECT_EQ(game.Turns(), "1");
    EXPECT_EQ(game.Score(0), "3");
    EXPECT_EQ(game.PairsRemaining(), "6");
    EXPECT_EQ(game.PlayerToSelect(), "Bob");
}

TEST(TurnFlow, ScoresAreWrittenAsPlainNumbers) {
    TestGame game;
    std::vector<int> faces;
    for (int k = 0; k < 20; ++k) faces.push_back(k % 10 + 1);
    game.Start(10, 2, {Human("Ann"), Human("Bob")}, faces);
    for (int face = 1; face <= 9; ++face) game.TakePair(face);
    EXPECT_EQ(game.Score(0), "9");
    game.TakePair(10);
    EXPECT_EQ(game.Score(0), "10");
    EXPECT_EQ(game.PairsRemaining(), "0");
}

TEST(TurnFlow, OneSeatPlaysOnAfterEveryMiss) {
    TestGame game;
    game.Start(6, 3, {Human("Ann")}, kSixByThree);
    for (int miss = 1; miss <= 3; ++miss) {
        game.Miss(1, 2);
        EXPECT_EQ(game.Turns(), std::to_string(miss));
        EXPECT_EQ(game.PlayerToSelect(), "Ann");
        EXPECT_EQ(game.BoldSeats(), Seats{0});
    }
    game.TakePair(1);
    EXPECT_EQ(game.Score(0), "1");
    EXPECT_EQ(game.Turns(), "3");
}

TEST(TurnFlow, CardsStayUpForExactlyTheCardDelay) {
    TestGame game;
    game.Start(6, 3, {Human("Ann"), Human("Bob")}, kSixByThree);
    game.Advance(700);
    game.Click(0);
    game.Click(1);
    game.Advance(1499);
    EXPECT_EQ(game.FaceUpSlots(), (Codes{0, 1}));
    game.Advance(1);
    EXPECT_TRUE(game.FaceUpSlots().empty());
    EXPECT_EQ(game.SlotPicture(0), "CardBack1.bmp");
    EXPECT_EQ(game.SlotPicture(1), "CardBack1.bmp");
    EXPECT_FALSE(game.form.tmrCardDelay.enabled) << "the card delay acts once per miss";
    EXPECT_EQ(game.clock.NextTick(), -1);
    EXPECT_EQ(game.form.lstSelection.Count(), 0u);
    EXPECT_EQ(game.form.lblIndex1.text, "");
    EXPECT_EQ(game.form.lblIndex2.text, "");
    EXPECT_EQ(game.PlayerToSelect(), "Bob");
}

TEST(TurnFlow, TheSpeedSliderSetsThePause) {
    TestGame game;
    game.MoveSpeed(2);
    game.Start(6, 3, {Human("Ann")}, kSixByThree);
    game.Click(0);
    game.Click(1);
    game.Advance(599);
    EXPECT_EQ(game.FaceUpSlots().size(), 2u);
    game.Advance(1);
    EXPECT_TRUE(game.FaceUpSlots().empty());
}

TEST(CardClicks, TheCardAlreadyUpTakesNoSecondClick) {
    TestGame game;
    game.Start(6, 3, {Human("Ann"), Human("Bob")}, kSixByThree);
    game.Click(0);
    game.Click(0);
    EXPECT_EQ(game.FaceUpSlots(), Codes{0});
    EXPECT_EQ(game.form.lstSelection.Count(), 1u);
    EXPECT_EQ(game.form.lstIndexes.Count(), 1u);
    EXPECT_EQ(game.Turns(), "0");
    EXPECT_EQ(game.PlayerToSelect(), "Ann");

    game.Click(25);
    EXPECT_EQ(game.Score(0), "1") << "the next card is revealed and checked";
    EXPECT_FALSE(game.SlotShown(0));
}

TEST(CardClicks, AClickDuringThePauseOnlyTurnsTheCardsBack) {
    TestGame game;
    game.Start(6, 3, {Human("Ann"), Human("Bob")}, kSixByThree);
    game.Click(0);
    game.Click(1);
    game.Advance(300);
    game.Click(2);
    EXPECT_TRUE(game.FaceUpSlots().empty()) << "the clicked card stays face down";
    EXPECT_EQ(game.SlotPicture(0), "CardBack1.bmp");
    EXPECT_EQ(game.SlotPicture(1), "CardBack1.bmp");
    EXPECT_EQ(game.SlotPicture(2), "CardBack1.bmp");
    EXPECT_FALSE(game.form.tmrCardDelay.enabled);
    EXPECT_FALSE(game.form.tmrComputerDelay.enabled);
    EXPECT_EQ(game.form.lstSelection.Count(), 0u);
    EXPECT_EQ(game.Turns(), "1");
    EXPECT_EQ(game.PlayerToSelect(), "Bob");
    EXPECT_EQ(game.form.lstIndexes.Count(), 2u) << "the clicked card was not seen";

    // Nothing is left to tick, and Bob's next click is his first card.
    game.Advance(5000);
    game.Click(2);
    EXPECT_EQ(game.FaceUpSlots(), Codes{2});
    game.Click(23);
    EXPECT_EQ(game.Score(1), "1");
}

TEST(CardClicks, AMatchedCardTakesNoClick) {
    TestGame game;
    game.Start(6, 3, {Human("Ann"), Human("Bob")}, kSixByThree);
    game.TakePair(1);
    game.Click(2);
    // Even if a click reached the hidden slot, it would select nothing.
    imgCard_Click(game.form, 0);
    game.clock.Sync();
    EXPECT_EQ(game.form.lblIndex1.text, "2");
    EXPECT_EQ(game.form.lstSelection.Count(), 1u);
    game.Click(3);
    EXPECT_EQ(game.Turns(), "1");
}

TEST(CardClicks, NoClickCountsWhileTheComputerIsToPlay) {
    TestGame game;
    game.Start(6, 3, {Human("Ann"), Computer()}, kSixByThree);
    game.Click(0);
    game.Click(1);
    ASSERT_EQ(game.PlayerToSelect(), "Computer");
    game.Advance(500);
    game.Click(2);
    EXPECT_EQ(game.FaceUpSlots(), (Codes{0, 1})) << "the cards turn back only at the end of the pause";
    EXPECT_TRUE(game.form.tmrCardDelay.enabled);
    game.Advance(1000);
    EXPECT_TRUE(game.FaceUpSlots().empty());
}

// After the computer's miss its timer runs on to one more tick, which finds
// a person to play and stops without a pick.
TEST(TurnFlow, TheComputersTickAfterItsMissLeavesThePersonToPlay) {
    TestGame game;
    game.Start(6, 3, {Computer(), Human("Bea")}, kSixByThree);
    game.QueueRandomPick(0);
    game.QueueRandomPick(1);
    game.Advance(4000);
    ASSERT_EQ(game.FaceUpSlots(), (Codes{0, 1}));
    ASSERT_EQ(game.PlayerToSelect(), "Bea");
    const std::size_t draws = game.random.Draws();
    game.Advance(2000);
    EXPECT_TRUE(game.FaceUpSlots().empty());
    EXPECT_FALSE(game.form.tmrComputerDelay.enabled);
    EXPECT_EQ(game.random.Draws(), draws) << "no pick was made";
    EXPECT_EQ(game.form.lstIndexes.Count(), 2u);
    game.Click(25);
    game.Click(0);
    EXPECT_EQ(game.Score(1), "1");
}

TEST(MultiplePairs, FourCardsOfOneFaceMakeTwoPairs) {
    TestGame game;
    game.SetMultiplePairs(true);
    game.Start(4, 2, {Human("Ann"), Human("Bob")}, {7, 2, 7, 3, 3, 7, 2, 7});
    game.Click(0);
    game.Click(2);
    EXPECT_EQ(game.Score(0), "1");
    EXPECT_TRUE(game.SlotShown(11));
    EXPECT_TRUE(game.SlotShown(13));
    game.Miss(2, 3);
    game.Click(13);
    game.Click(11);
    EXPECT_EQ(game.Score(1), "1");
    EXPECT_EQ(game.PairsRemaining(), "2");
}

}  // namespace
}  // namespace pairon::test
