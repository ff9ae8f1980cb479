// The game's store: the controls of the main window as plain values, and the
// state they hold when the window opens.

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "game/controls.h"
#include "game/game_rules.h"
#include "test_game.h"

namespace pairon::test {
namespace {

using Strings = std::vector<std::string>;

TEST(TextList, KeepsItemsInTheOrderTheyCameAndNeverSorts) {
    TextList list;
    for (const char* text : {"10", "9", "23", "2", "9", "", "12 turns"}) list.Append(text);
    EXPECT_EQ(Items(list), (Strings{"10", "9", "23", "2", "9", "", "12 turns"}));
    EXPECT_EQ(list.Count(), 7u);
    // An item reads as the number its text starts with.
    EXPECT_EQ(list.Value(0), 10);
    EXPECT_EQ(list.Value(2), 23);
    EXPECT_EQ(list.Value(5), 0);
    EXPECT_EQ(list.Value(6), 12);
}

TEST(TextList, RemovingAnItemMovesTheLaterOnesUp) {
    TextList list;
    for (const char* text : {"a", "b", "c", "d"}) list.Append(text);
    list.Remove(1);
    EXPECT_EQ(Items(list), (Strings{"a", "c", "d"}));
    EXPECT_EQ(list.Read(1), "c");
    list.Remove(2);
    EXPECT_EQ(Items(list), (Strings{"a", "c"}));
    list.Remove(7);  // past the end: nothing to remove
    EXPECT_EQ(Items(list), (Strings{"a", "c"}));
    list.Empty();
    EXPECT_EQ(list.Count(), 0u);
    list.Append("5");
    EXPECT_EQ(Items(list), (Strings{"5"}));
}

TEST(NameBox, RefusesAThirteenthCharacter) {
    TextBox box{"", 12};
    box.SetText("Abcdefghijkl");
    EXPECT_EQ(box.text, "Abcdefghijkl");
    box.SetText("Abcdefghijklm");
    EXPECT_EQ(box.text, "Abcdefghijkl");
    box.SetText("");
    EXPECT_EQ(box.text, "");
}

TEST(NameBox, CountsCharactersNotBytes) {
    TextBox box{"", 12};
    // Twelve two-byte letters fit whole.
    box.SetText("ÄÖÜäöüßéèêëï");
    EXPECT_EQ(box.text, "ÄÖÜäöüßéèêëï");
    // A thirteenth is refused without cutting a letter in half.
    box.SetText("ÄÖÜäöüßéèêëïñ");
    EXPECT_EQ(box.text, "ÄÖÜäöüßéèêëï");
    // Three- and four-byte characters count one each as well.
    box.SetText("€€€€€€€€€€😀😀😀");
    EXPECT_EQ(box.text, "€€€€€€€€€€😀😀");
    box.SetText("Zoë 🎲 Ødegård");
    EXPECT_EQ(box.text, "Zoë 🎲 Ødegår");
}

TEST(NameBox, WithoutALimitTakesAnyText) {
    TextBox box;
    box.SetText("a name much longer than twelve characters");
    EXPECT_EQ(box.text, "a name much longer than twelve characters");
}

TEST(DropDownList, SelectsOnlyItsOwnItemsAndReportsARealChange) {
    DropDown list{{"4", "6", "8", "10"}};
    EXPECT_EQ(list.Text(), "");
    EXPECT_TRUE(list.SelectText("8"));
    EXPECT_EQ(list.Text(), "8");
    EXPECT_EQ(list.listIndex, 2);
    EXPECT_FALSE(list.SelectText("8")) << "choosing the selected item again is no change";
    EXPECT_FALSE(list.SelectText("12")) << "a list can't be typed into";
    EXPECT_FALSE(list.SelectText("1")) << "no prefix match";
    EXPECT_EQ(list.Text(), "8");
    EXPECT_TRUE(list.SelectIndex(-1));
    EXPECT_EQ(list.Text(), "");
    EXPECT_FALSE(list.SelectIndex(4));
    EXPECT_EQ(list.listIndex, -1);
}

TEST(DelayTimers, StartingARunningTimerKeepsItsSchedule) {
    TestGame game;
    Timer& timer = game.form.tmrCardDelay;
    timer.Start();
    game.clock.Sync();
    EXPECT_EQ(game.clock.NextTick(), 1500);

    game.Advance(1000);
    timer.Start();
    game.clock.Sync();
    EXPECT_EQ(game.clock.NextTick(), 1500) << "a second start must not count the interval afresh";

    timer.Stop();
    timer.Start();
    game.clock.Sync();
    EXPECT_EQ(game.clock.NextTick(), 2500) << "a start after a stop counts from the start";

    timer.Stop();
    game.clock.Sync();
    EXPECT_EQ(game.clock.NextTick(), -1);
}

TEST(StartUp, OpensWithAFaceDown6By3Board) {
    TestGame game;
    std::vector<int> board;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 6; ++column) board.push_back(row * 10 + column);
    }
    EXPECT_EQ(game.ShownSlots(), board);
    for (int code : board) EXPECT_EQ(game.SlotPicture(code), "CardBack1.bmp") << "slot " << code;
    EXPECT_EQ(game.form.cmbWidth.Text(), "6");
    EXPECT_EQ(game.form.cmbHeight.Text(), "3");
    EXPECT_EQ(game.form.cmbPlayers.Text(), "1");
    EXPECT_EQ(game.random.Draws(), 0u) << "start-up deals nothing";
}

TEST(StartUp, SetupPanelsShowAndTheGameStateIsEmpty) {
    TestGame game;
    const MainForm& f = game.form;
    EXPECT_EQ(f.cmdNew.caption, "New Game");
    EXPECT_TRUE(f.fraDimensions.visible);
    EXPECT_TRUE(f.fraOptions.visible);
    EXPECT_TRUE(f.fraGame.visible);
    EXPECT_FALSE(f.fraPlayers.visible);
    EXPECT_FALSE(f.fraOutcome.visible);
    EXPECT_FALSE(f.fraInvisible.visible);
    EXPECT_TRUE(f.imgGame.visible);
    EXPECT_TRUE(f.imgPlayer.visible);

    for (const TextList* list : {&f.lstMatches, &f.lstSelected, &f.lstIndexes, &f.lstShuffled, &f.lstSelection}) {
        EXPECT_EQ(list->Count(), 0u);
    }
    EXPECT_EQ(f.lblTurn.text, "Turn");
    EXPECT_EQ(f.lblIndex1.text, "Index1");
    EXPECT_EQ(f.lblIndex2.text, "Index2");
    EXPECT_EQ(f.lblPairs.text, "");
    EXPECT_EQ(f.lblPlayerTurn.text, "");
    for (int i = 0; i < kSeats; ++i) {
        EXPECT_EQ(game.Name(i), "");
        EXPECT_EQ(game.Score(i), "0");
    }
    EXPECT_FALSE(f.tmrCardDelay.enabled);
    EXPECT_FALSE(f.tmrComputerDelay.enabled);
    EXPECT_EQ(f.tmrCardDelay.interval, 1500);
    EXPECT_EQ(f.tmrComputerDelay.interval, 2000);
    EXPECT_EQ(f.sldSpeed.value, 5);
    EXPECT_EQ(game.clock.NextTick(), -1);
}

TEST(StartUp, OptionsAndSeatRowsStartFromTheirDefaults) {
    TestGame game;
    const MainForm& f = game.form;
    EXPECT_EQ(f.chkHighlight.value, 0);
    EXPECT_EQ(f.chkMultiple.value, 0);
    EXPECT_EQ(f.chkBackground.value, 1);
    EXPECT_EQ(f.chkHighlight.caption, "Highlight Selected");
    EXPECT_EQ(f.chkMultiple.caption, "Multiple Pairs");
    EXPECT_EQ(f.chkBackground.caption, "Background Picture");
    for (int i = 0; i < kSeats; ++i) {
        const auto seat = static_cast<std::size_t>(i);
        EXPECT_EQ(f.cmbPlayerType[seat].Text(), "Human");
        EXPECT_EQ(f.cmbComputerLevel[seat].Text(), "Average");
        EXPECT_FALSE(f.cmbComputerLevel[seat].visible) << "seat " << i;
        EXPECT_EQ(f.txtPlayer[seat].text, "Player " + std::to_string(i + 1));
    }
}

TEST(StartUp, EveryListOffersItsItemsInTheirOwnOrder) {
    TestGame game;
    const MainForm& f = game.form;
    EXPECT_EQ(f.cmbWidth.items, (Strings{"4", "6", "8", "10"}));
    EXPECT_EQ(f.cmbHeight.items, (Strings{"2", "3", "4", "5"}));
    EXPECT_EQ(f.cmbPlayers.items, (Strings{"1", "2", "3", "4"}));
    for (int i = 0; i < kSeats; ++i) {
        const auto seat = static_cast<std::size_t>(i);
        EXPECT_EQ(f.cmbPlayerType[seat].items, (Strings{"Human", "Computer"}));
        EXPECT_EQ(f.cmbComputerLevel[seat].items, (Strings{"Excellent", "Good", "Average", "Poor", "Shocking"}));
    }
}

// The game's standing rules are checked after every event of a running game,
// so that every test here also watches for them.
TEST(StandingRules, ABrokenRuleFailsTheTestAtTheNextEvent) {
    TestGame game;
    game.Start(4, 2, {Human("Ann")}, {1, 2, 3, 4, 1, 2, 3, 4});
    game.form.lstSelected.Append("3");
    EXPECT_NONFATAL_FAILURE(game.Click(0), "seen-card lists differ in length");
}

}  // namespace
}  // namespace pairon::test
