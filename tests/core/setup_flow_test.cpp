// The window's road from setup through player entry and play to the outcome
// and back, and what the setup controls do on the way.

#include <gtest/gtest.h>

#include "game/game_rules.h"
#include "test_game.h"

namespace pairon::test {
namespace {

using Codes = std::vector<int>;

// Faces 1 ... 4 on the top row, their partners in the same order below.
const std::vector<int> kFourByTwo = {1, 2, 3, 4, 1, 2, 3, 4};

void ExpectSetupState(const TestGame& game) {
    const MainForm& f = game.form;
    EXPECT_EQ(f.cmdNew.caption, "New Game");
    EXPECT_TRUE(f.fraDimensions.visible);
    EXPECT_TRUE(f.fraOptions.visible);
    EXPECT_FALSE(f.fraPlayers.visible);
    EXPECT_FALSE(f.fraOutcome.visible);
    EXPECT_FALSE(f.fraInvisible.visible);
}

void ExpectGameStateWith(const TestGame& game, bool players, bool outcome) {
    const MainForm& f = game.form;
    EXPECT_EQ(f.cmdNew.caption, "End Game");
    EXPECT_FALSE(f.fraDimensions.visible);
    EXPECT_FALSE(f.fraOptions.visible);
    EXPECT_TRUE(f.fraCommentary.visible);
    EXPECT_TRUE(f.fraScore.visible);
    EXPECT_EQ(f.fraPlayers.visible, players);
    EXPECT_EQ(f.fraOutcome.visible, outcome);
    EXPECT_FALSE(f.fraInvisible.visible);
}

TEST(WindowStates, FromSetupThroughPlayToTheOutcomeAndBack) {
    TestGame game;
    ExpectSetupState(game);

    game.ChooseBoard(4, 2);
    game.ChoosePlayers(2);
    game.NewGame();
    {
        SCOPED_TRACE("player entry");
        ExpectGameStateWith(game, true, false);
        EXPECT_EQ(game.PairsRemaining(), "4");
        EXPECT_EQ(game.PlayerToSelect(), "");
        EXPECT_EQ(game.Name(0), "") << "names appear only at Done";
        EXPECT_TRUE(game.form.cmdDone.visible);
    }

    game.TypeName(0, "Ann");
    game.TypeName(1, "Bob");
    game.ScriptDeal(kFourByTwo);
    game.Done();
    {
        SCOPED_TRACE("playing");
        ExpectGameStateWith(game, false, false);
        EXPECT_EQ(game.Name(0), "Ann");
        EXPECT_EQ(game.Name(1), "Bob");
        EXPECT_EQ(game.PlayerToSelect(), "Ann");
    }

    for (int face = 1; face <= 4; ++face) game.TakePair(face);
    {
        SCOPED_TRACE("game over");
        ExpectGameStateWith(game, false, true);
    }

    game.EndGame();
    {
        SCOPED_TRACE("setup again");
        ExpectSetupState(game);
        EXPECT_EQ(game.ShownSlots(), (Codes{0, 1, 2, 3, 10, 11, 12, 13}));
        for (int code : game.ShownSlots()) EXPECT_EQ(game.SlotPicture(code), "CardBack1.bmp");
    }
}

TEST(WindowStates, EndGameFromPlayerEntryReturnsWithoutAGame) {
    TestGame game;
    game.NewGame();
    game.EndGame();
    ExpectSetupState(game);
    EXPECT_EQ(game.ShownSlots().size(), 18u);

    // The next game is dealt afresh, for the size chosen now.
    game.ChooseBoard(4, 3);
    game.NewGame();
    EXPECT_EQ(game.PairsRemaining(), "6");
    EXPECT_EQ(game.form.lstShuffled.Count(), 12u);
    ExpectGameStateWith(game, true, false);
}

TEST(WindowStates, EndGameAbandonsAGameInPlay) {
    TestGame game;
    game.Start(4, 2, {Human("Ann")}, kFourByTwo);
    game.TakePair(1);
    game.Click(1);
    game.EndGame();
    ExpectSetupState(game);
    EXPECT_EQ(game.ShownSlots(), (Codes{0, 1, 2, 3, 10, 11, 12, 13}));
    EXPECT_TRUE(game.FaceUpSlots().empty());
}

TEST(WindowStates, NoCardTakesAClickOutsideAGame) {
    TestGame game;
    game.Click(0);
    game.Click(1);
    EXPECT_TRUE(game.FaceUpSlots().empty());
    EXPECT_EQ(game.form.lblIndex1.text, "Index1");
    EXPECT_EQ(game.form.lstSelection.Count(), 0u);

    game.Start(4, 2, {Human("Ann")}, kFourByTwo);
    game.Click(0);
    game.EndGame();
    game.Click(2);
    game.Click(3);
    EXPECT_TRUE(game.FaceUpSlots().empty());
    EXPECT_EQ(game.form.lstSelection.Count(), 1u) << "the abandoned game's state stays until the next deal";
}

TEST(WindowStates, ExitAsksTheProgramToEndInAnyState) {
    TestGame game;
    game.Start(4, 2, {Human("Ann")}, kFourByTwo);
    game.Click(0);
    game.Exit();
    EXPECT_TRUE(game.form.exitRequested);
}

TEST(BackgroundPicture, NewGameAndEndGameAlternateMouseAndPig) {
    TestGame game;
    EXPECT_EQ(game.form.imgGame.file, "");
    game.NewGame();
    EXPECT_EQ(game.form.imgGame.file, "Mouse.jpg");
    game.EndGame();
    EXPECT_EQ(game.form.imgGame.file, "Pig.jpg");
    game.NewGame();
    EXPECT_EQ(game.form.imgGame.file, "Mouse.jpg");
    EXPECT_EQ(game.form.imgGame.loads, 3u) << "loaded afresh at every change";
    EXPECT_EQ(game.form.imgPlayer.file, "") << "the player panel keeps its own picture";
}

TEST(BackgroundPicture, TheCheckBoxHidesBothPicturesWhichStillChange) {
    TestGame game;
    game.SetBackground(false);
    EXPECT_FALSE(game.form.imgGame.visible);
    EXPECT_FALSE(game.form.imgPlayer.visible);
    EXPECT_EQ(game.ShownSlots().size(), 18u) << "the cards are unaffected";

    game.NewGame();
    EXPECT_EQ(game.form.imgGame.file, "Mouse.jpg");
    EXPECT_FALSE(game.form.imgGame.visible);
    game.EndGame();
    EXPECT_EQ(game.form.imgGame.file, "Pig.jpg");
    EXPECT_FALSE(game.form.imgGame.visible);

    game.SetBackground(true);
    EXPECT_TRUE(game.form.imgGame.visible);
    EXPECT_TRUE(game.form.imgPlayer.visible);
    EXPECT_EQ(game.form.imgGame.file, "Pig.jpg");
}

TEST(SeatRows, ChoosingComputerPutsTheLevelBoxOverTheName) {
    TestGame game;
    game.ChoosePlayers(3);
    game.NewGame();
    MainForm& f = game.form;
    game.TypeName(1, "Zed");
    game.ChooseType(1, "Computer");
    EXPECT_TRUE(f.cmbComputerLevel[1].visible);
    EXPECT_EQ(f.cmbComputerLevel[1].Text(), "Average");
    EXPECT_FALSE(f.cmbComputerLevel[0].visible);
    EXPECT_FALSE(f.cmbComputerLevel[2].visible);

    game.ChooseLevel(1, "Poor");
    game.ChooseType(1, "Human");
    EXPECT_FALSE(f.cmbComputerLevel[1].visible);
    EXPECT_EQ(f.txtPlayer[1].text, "Zed");
    game.ChooseType(1, "Computer");
    EXPECT_EQ(f.cmbComputerLevel[1].Text(), "Poor") << "the level box keeps its choice while hidden";
}

TEST(SeatRows, DoneNamesEverySeatFromItsTypeAndName) {
    TestGame game;
    game.ChoosePlayers(2);
    game.NewGame();
    game.TypeName(0, "Ann");
    game.TypeName(1, "Typed text");
    game.ChooseType(1, "Computer");
    game.TypeName(2, "Cid");
    game.ChooseType(3, "Computer");
    game.Done();
    EXPECT_EQ(game.Name(0), "Ann");
    EXPECT_EQ(game.Name(1), "Computer") << "a computer seat ignores the typed name";
    EXPECT_EQ(game.Name(2), "Cid") << "seats out of play are named too, though hidden";
    EXPECT_EQ(game.Name(3), "Computer");
    EXPECT_FALSE(game.form.lblPlayer[2].visible);
    EXPECT_FALSE(game.form.lblPlayer[3].visible);
}

TEST(SeatRows, AHumanNamedComputerIsPlayedByTheComputer) {
    TestGame game;
    game.Start(4, 2, {Human("Computer"), Human("Bob")}, kFourByTwo);
    EXPECT_EQ(game.PlayerToSelect(), "Computer");
    EXPECT_TRUE(game.form.tmrComputerDelay.enabled);
    game.Click(0);
    EXPECT_TRUE(game.FaceUpSlots().empty()) << "clicks are ignored while a computer is to play";
    game.QueueRandomPick(3);
    game.Advance(2000);
    EXPECT_EQ(game.FaceUpSlots(), Codes{3});
}

TEST(SeatRows, ANameDifferingOnlyInCaseIsAPerson) {
    TestGame game;
    game.Start(4, 2, {Human("computer"), Human("Bob")}, kFourByTwo);
    EXPECT_FALSE(game.form.tmrComputerDelay.enabled);
    game.Advance(10000);
    EXPECT_TRUE(game.FaceUpSlots().empty());
    game.Click(0);
    EXPECT_EQ(game.FaceUpSlots(), Codes{0});
}

TEST(SeatRows, AnEmptyNameIsAPersonWithNoName) {
    TestGame game;
    game.Start(4, 2, {Human(""), Human("Bob")}, kFourByTwo);
    EXPECT_EQ(game.Name(0), "");
    EXPECT_EQ(game.PlayerToSelect(), "");
    game.Click(0);
    game.Click(1);
    EXPECT_EQ(game.PlayerToSelect(), "Bob");
    game.Advance(1500);
    game.Click(2);
    game.Click(3);
    EXPECT_EQ(game.PlayerToSelect(), "");
    EXPECT_EQ(game.BoldSeats(), std::vector<int>{0});
}

TEST(Done, AComputerInTheFirstSeatMovesOneComputerDelayLater) {
    TestGame game;
    game.Start(4, 2, {Computer(), Human("Bob")}, kFourByTwo);
    game.QueueRandomPick(2);
    game.Advance(1999);
    EXPECT_TRUE(game.FaceUpSlots().empty());
    game.Advance(1);
    EXPECT_EQ(game.FaceUpSlots(), Codes{2});
}

TEST(Done, APersonInTheFirstSeatIsWaitedFor) {
    TestGame game;
    game.Start(4, 2, {Human("Ann"), Computer()}, kFourByTwo);
    EXPECT_EQ(game.clock.NextTick(), -1);
    game.Advance(60000);
    EXPECT_TRUE(game.FaceUpSlots().empty());
    EXPECT_EQ(game.form.lstIndexes.Count(), 0u);
}

// End Game stops both delay timers, and so does New Game: a delay left
// running by one game must not act on the next.
TEST(StaleDelays, ACardDelayFromTheGameBeforeTurnsNothingBack) {
    TestGame game;
    game.Start(4, 2, {Human("Ann")}, kFourByTwo);
    game.Click(0);
    game.Click(1);
    game.Advance(500);
    game.EndGame();
    EXPECT_FALSE(game.form.tmrCardDelay.enabled);

    game.NewGame();
    game.ScriptDeal(kFourByTwo);
    game.Done();
    game.Click(2);
    game.Advance(3000);
    EXPECT_EQ(game.FaceUpSlots(), Codes{2}) << "the card stays up past the old delay";
    game.Click(3);
    EXPECT_EQ(game.FaceUpSlots(), (Codes{2, 3}));
    EXPECT_EQ(game.Turns(), "1");
}

TEST(StaleDelays, AComputerDelayFromTheGameBeforeSwallowsNoClick) {
    TestGame game;
    game.Start(4, 2, {Computer(), Human("Bea")}, kFourByTwo);
    game.Advance(1000);
    ASSERT_TRUE(game.form.tmrComputerDelay.enabled);
    game.EndGame();
    EXPECT_FALSE(game.form.tmrComputerDelay.enabled);

    game.NewGame();
    game.ChooseType(0, "Human");
    game.TypeName(0, "Ann");
    game.ScriptDeal(kFourByTwo);
    game.Done();
    game.Click(0);
    EXPECT_EQ(game.FaceUpSlots(), Codes{0}) << "the first click of the new game reveals its card";
    game.Advance(5000);
    EXPECT_EQ(game.FaceUpSlots(), Codes{0});
}

TEST(StaleDelays, NewGameStopsADelayStillRunning) {
    TestGame game;
    game.form.tmrCardDelay.Start();
    game.form.tmrComputerDelay.Start();
    game.NewGame();
    EXPECT_FALSE(game.form.tmrCardDelay.enabled);
    EXPECT_FALSE(game.form.tmrComputerDelay.enabled);
    EXPECT_EQ(game.clock.NextTick(), -1);
}

}  // namespace
}  // namespace pairon::test
