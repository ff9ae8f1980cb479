// The end of a game: the winner, a draw, or a lone player's summary, with
// its picture, shown in the same reveal that takes the last pair.

#include <gtest/gtest.h>

#include "test_game.h"

namespace pairon::test {
namespace {

using Lines = std::vector<std::string>;

// Plays turns seat after seat: in each turn the seat takes the given number
// of pairs and then, unless the board is empty, misses.
void PlayTurns(TestGame& game, const std::vector<int>& pairsPerTurn) {
    for (std::size_t turn = 0; turn < pairsPerTurn.size(); ++turn) {
        for (int pair = 0; pair < pairsPerTurn[turn]; ++pair) game.TakePair(game.FacesLeft().at(0));
        if (game.PairsRemaining() == "0") break;
        const std::vector<int> faces = game.FacesLeft();
        ASSERT_GE(faces.size(), 2u) << "a miss needs two faces on the board";
        game.Miss(faces[0], faces[1]);
    }
    ASSERT_EQ(game.PairsRemaining(), "0") << "the turns did not finish the game";
}

// A board of the given size with faces 1, 2, ... laid pair by pair.
std::vector<int> PairsInOrder(int width, int height) {
    std::vector<int> faces;
    for (int k = 0; k < width * height; ++k) faces.push_back(k / 2 + 1);
    return faces;
}

TEST(Outcome, TheHigherScoreWins) {
    TestGame first;
    first.Start(6, 3, {Human("Ann"), Human("Bob")}, PairsInOrder(6, 3));
    PlayTurns(first, {5, 4});
    EXPECT_TRUE(first.form.fraOutcome.visible);
    EXPECT_EQ(first.OutcomeLines(), (Lines{"Ann", "Wins!"}));
    EXPECT_EQ(first.ResultPicture(), "Winner.bmp");

    TestGame second;
    second.Start(6, 3, {Human("Ann"), Human("Bob")}, PairsInOrder(6, 3));
    PlayTurns(second, {4, 5});
    EXPECT_EQ(second.Score(1), "5");
    EXPECT_EQ(second.OutcomeLines(), (Lines{"Bob", "Wins!"}));
    EXPECT_EQ(second.ResultPicture(), "Winner.bmp");
}

TEST(Outcome, ASharedTopScoreIsADraw) {
    TestGame game;
    game.Start(4, 4, {Human("Ann"), Human("Bob")}, PairsInOrder(4, 4));
    PlayTurns(game, {4, 4});
    EXPECT_EQ(game.OutcomeLines(), (Lines{"It's a bloody", "draw!"}));
    EXPECT_EQ(game.ResultPicture(), "Frustrated.bmp");
}

TEST(Outcome, AnEarlierTieBelowTheTopIsNoDraw) {
    TestGame game;
    game.Start(6, 4, {Human("Ann"), Human("Bob"), Human("Cid")}, PairsInOrder(6, 4));
    PlayTurns(game, {3, 3, 6});
    EXPECT_EQ(game.OutcomeLines(), (Lines{"Cid", "Wins!"}));
    EXPECT_EQ(game.ResultPicture(), "Winner.bmp");

    TestGame four;
    four.Start(6, 4, {Human("Ann"), Human("Bob"), Human("Cid"), Human("Dot")}, PairsInOrder(6, 4));
    PlayTurns(four, {3, 3, 0, 1, 0, 0, 5});
    EXPECT_EQ(four.Score(0), "3");
    EXPECT_EQ(four.Score(1), "3");
    EXPECT_EQ(four.Score(2), "5");
    EXPECT_EQ(four.Score(3), "1");
    EXPECT_EQ(four.OutcomeLines(), (Lines{"Cid", "Wins!"}));
}

// The last seat of a full table takes part in the comparison like any other:
// its score alone can win the game, or tie the top and make it a draw.
TEST(Outcome, TheFourthSeatCanWinOrDraw) {
    struct Ending {
        std::vector<int> pairsPerTurn;
        std::string fourthScore;
        Lines lines;
        std::string picture;
    };
    for (const Ending& ending : {Ending{{2, 1, 3, 6}, "6", {"Dot", "Wins!"}, "Winner.bmp"},
                                 Ending{{5, 1, 1, 5}, "5", {"It's a bloody", "draw!"}, "Frustrated.bmp"}}) {
        TestGame game;
        game.Start(6, 4, {Human("Ann"), Human("Bob"), Human("Cid"), Human("Dot")}, PairsInOrder(6, 4));
        PlayTurns(game, ending.pairsPerTurn);
        EXPECT_EQ(game.Score(3), ending.fourthScore);
        EXPECT_EQ(game.OutcomeLines(), ending.lines);
        EXPECT_EQ(game.ResultPicture(), ending.picture);
    }
}

TEST(Outcome, TheFirstSeatGetsNoPrecedenceInATie) {
    TestGame game;
    game.Start(6, 4, {Human("Ann"), Human("Bob"), Human("Cid")}, PairsInOrder(6, 4));
    PlayTurns(game, {5, 2, 5});
    EXPECT_EQ(game.OutcomeLines(), (Lines{"It's a bloody", "draw!"}));
    EXPECT_EQ(game.ResultPicture(), "Frustrated.bmp");
}

TEST(Outcome, AWinnerWithNoNameIsStillAnnounced) {
    TestGame game;
    game.Start(4, 2, {Human(""), Human("Bob")}, PairsInOrder(4, 2));
    PlayTurns(game, {0, 1, 3});
    EXPECT_EQ(game.OutcomeLines(), (Lines{"", "Wins!"}));
    EXPECT_EQ(game.ResultPicture(), "Winner.bmp");
}

TEST(Outcome, OnlyTheExactNameComputerIsCommiserated) {
    TestGame game;
    game.Start(4, 2, {Human("computer"), Human("Bob")}, PairsInOrder(4, 2));
    PlayTurns(game, {0, 1, 3});
    EXPECT_EQ(game.OutcomeLines(), (Lines{"computer", "Wins!"}));
    EXPECT_EQ(game.ResultPicture(), "Winner.bmp");
}

TEST(Outcome, TheLastPairShowsTheOutcomeAtOnce) {
    TestGame game;
    game.Start(4, 2, {Human("Ann"), Human("Bob")}, PairsInOrder(4, 2));
    const Lines remaining = {"3", "2", "1", "0"};
    for (int face = 1; face <= 4; ++face) {
        EXPECT_FALSE(game.form.fraOutcome.visible);
        game.TakePair(face);
        EXPECT_EQ(game.PairsRemaining(), remaining[static_cast<std::size_t>(face - 1)]);
    }
    EXPECT_TRUE(game.form.fraOutcome.visible);
    EXPECT_EQ(game.OutcomeLines(), (Lines{"Ann", "Wins!"}));
    EXPECT_TRUE(game.ShownSlots().empty());
    EXPECT_EQ(game.form.lstIndexes.Count(), 0u);
    EXPECT_EQ(game.form.cmdNew.caption, "End Game");
}

TEST(Outcome, ALonePlayerIsToldThePairsAndTheTurns) {
    TestGame game;
    game.Start(6, 3, {Human("Ann")}, PairsInOrder(6, 3));
    for (int miss = 0; miss < 12; ++miss) game.Miss(1 + miss % 3, 4 + miss % 5);
    for (int face = 1; face <= 9; ++face) game.TakePair(face);
    EXPECT_TRUE(game.form.fraOutcome.visible);
    EXPECT_EQ(game.OutcomeLines(), (Lines{"Well Done", "Ann!", "", "You found 9 ", "pairs in", "12 turns"}));
    EXPECT_EQ(game.ResultPicture(), "Trophy.bmp");
}

TEST(Outcome, ALonePlayerWithoutAMissTookNoTurns) {
    TestGame game;
    game.Start(4, 2, {Human("Bo")}, PairsInOrder(4, 2));
    for (int face = 1; face <= 4; ++face) game.TakePair(face);
    EXPECT_EQ(game.OutcomeLines(), (Lines{"Well Done", "Bo!", "", "You found 4 ", "pairs in", "0 turns"}));
    EXPECT_EQ(game.ResultPicture(), "Trophy.bmp");
}

TEST(Outcome, TheOutcomeOfTheGameBeforeIsClearedNotAddedTo) {
    TestGame game;
    game.Start(4, 2, {Human("Bo")}, PairsInOrder(4, 2));
    for (int face = 1; face <= 4; ++face) game.TakePair(face);
    game.EndGame();
    EXPECT_FALSE(game.form.fraOutcome.visible);
    game.ChoosePlayers(2);
    game.NewGame();
    game.TypeName(0, "Al");
    game.ScriptDeal(PairsInOrder(4, 2));
    game.Done();
    PlayTurns(game, {0, 1, 3});
    EXPECT_EQ(game.OutcomeLines(), (Lines{"Al", "Wins!"}));
}

// The board for the games the computer plays below:
//   codes  0 ..  3: 1 2 3 4
//   codes 10 .. 13: 4 3 2 1
const std::vector<int> kFourByTwo = {1, 2, 3, 4, 4, 3, 2, 1};

TEST(Outcome, AComputerThatWinsLeavesThePlayerDepressed) {
    TestGame game;
    game.Start(4, 2, {Human("Ann"), Computer("Excellent")}, kFourByTwo);
    game.Click(0);
    game.Click(1);
    ASSERT_EQ(game.PlayerToSelect(), "Computer");
    // Two fresh pairs at random, then the partners of 1 and 2 that Ann showed.
    for (int code : {2, 11, 3, 10, 12}) game.QueueRandomPick(code);
    game.QueueRecallDraw();
    game.QueueRandomPick(13);
    game.QueueRecallDraw();
    game.Advance(30000);
    EXPECT_EQ(game.random.Queued(), 0u);
    EXPECT_EQ(game.Score(0), "0");
    EXPECT_EQ(game.Score(1), "4");
    EXPECT_EQ(game.OutcomeLines(), (Lines{"Computer", "Wins!", "", "Bad luck!"}));
    EXPECT_EQ(game.ResultPicture(), "Depressed.bmp");
    EXPECT_FALSE(game.form.tmrComputerDelay.enabled) << "no move after the last pair";
}

TEST(Outcome, TwoComputersThatTieDrawWithoutCommiseration) {
    TestGame game;
    game.Start(4, 2, {Computer(), Computer()}, kFourByTwo);
    for (int code : {0, 13, 1, 12, 2, 3}) game.QueueRandomPick(code);
    game.Advance(12000);
    ASSERT_EQ(game.Score(0), "2");
    ASSERT_EQ(game.Turns(), "1");
    EXPECT_EQ(game.PlayerToSelect(), "Computer") << "the turn passed from one computer to the other";
    EXPECT_EQ(game.BoldSeats(), std::vector<int>{1});
    game.QueueRandomPick(11);
    game.QueueRecallDraw();
    game.QueueRandomPick(10);
    game.QueueRecallDraw();
    game.Advance(20000);
    EXPECT_EQ(game.random.Queued(), 0u);
    EXPECT_EQ(game.Score(1), "2");
    EXPECT_EQ(game.OutcomeLines(), (Lines{"It's a bloody", "draw!"}));
    EXPECT_EQ(game.ResultPicture(), "Frustrated.bmp");
}

TEST(Outcome, ALoneComputerIsToldItsResultLikeAnyPlayer) {
    TestGame game;
    game.Start(4, 2, {Computer()}, kFourByTwo);
    game.QueueRandomPick(0);
    game.QueueRandomPick(1);
    game.QueueRandomPick(13);
    game.QueueRecallDraw();
    game.QueueRandomPick(12);
    game.QueueRecallDraw();
    for (int code : {2, 11, 3, 10}) game.QueueRandomPick(code);
    game.Advance(60000);
    EXPECT_EQ(game.random.Queued(), 0u);
    EXPECT_EQ(game.OutcomeLines(), (Lines{"Well Done", "Computer!", "", "You found 4 ", "pairs in", "1 turns"}));
    EXPECT_EQ(game.ResultPicture(), "Trophy.bmp");
}

// Two people play a 4 x 3 board to the end, remembering what they saw.
//   codes  0 ..  3: 5 9 2 7
//   codes 10 .. 13: 2 6 9 1
//   codes 20 .. 23: 7 1 5 6
TEST(WholeGame, TwoPeoplePlayToTheEnd) {
    TestGame game;
    game.Start(4, 3, {Human("Ann"), Human("Bob")}, {5, 9, 2, 7, 2, 6, 9, 1, 7, 1, 5, 6});

    game.Click(0);  // Ann: 5
    game.Click(1);  // 9, a miss
    EXPECT_EQ(game.PlayerToSelect(), "Bob");
    game.Advance(1500);

    game.Click(2);  // Bob: 2
    game.Click(10);  // 2, a pair
    EXPECT_EQ(game.Score(1), "1");
    game.Click(12);  // 9
    game.Click(1);  // the 9 Ann showed: a pair
    EXPECT_EQ(game.Score(1), "2");
    game.Click(3);  // 7
    game.Click(11);  // 6, a miss
    EXPECT_EQ(game.PlayerToSelect(), "Ann");
    game.Advance(400);
    game.Click(13);  // Ann ends the pause early: nothing shows
    EXPECT_TRUE(game.FaceUpSlots().empty());

    game.Click(20);  // Ann: 7
    game.Click(3);  // the 7 Bob showed
    game.Click(23);  // 6
    game.Click(11);  // 6
    game.Click(22);  // 5
    game.Click(0);  // 5
    EXPECT_EQ(game.Score(0), "3");
    EXPECT_FALSE(game.form.fraOutcome.visible);
    game.Click(13);  // 1
    game.Click(21);  // 1, the last pair
    EXPECT_EQ(game.Score(0), "4");
    EXPECT_EQ(game.Score(1), "2");
    EXPECT_EQ(game.Turns(), "2");
    EXPECT_TRUE(game.form.fraOutcome.visible);
    EXPECT_EQ(game.OutcomeLines(), (Lines{"Ann", "Wins!"}));
    EXPECT_EQ(game.ResultPicture(), "Winner.bmp");
    EXPECT_TRUE(game.ShownSlots().empty());
    EXPECT_EQ(game.clock.NextTick(), -1);
}

}  // namespace
}  // namespace pairon::test
