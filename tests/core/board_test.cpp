// The board: which card slots show for the chosen size, the backs they show,
// and what revealing a card shows and records.

#include <gtest/gtest.h>

#include "board/board.h"
#include "test_game.h"
#include "window/setup_flow.h"

namespace pairon::test {
namespace {

using Codes = std::vector<int>;
using Strings = std::vector<std::string>;

// The position codes of a board of this size, row by row.
Codes BoardSlots(int width, int height) {
    Codes codes;
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) codes.push_back(row * 10 + column);
    }
    return codes;
}

TEST(BoardLayout, ShowsExactlyTheSlotsOfTheChosenSize) {
    TestGame game;
    game.ChooseBoard(4, 2);
    EXPECT_EQ(game.ShownSlots(), (Codes{0, 1, 2, 3, 10, 11, 12, 13}));
    for (int width : {4, 6, 8, 10}) {
        for (int height : {2, 3, 4, 5}) {
            game.ChooseBoard(width, height);
            EXPECT_EQ(game.ShownSlots(), BoardSlots(width, height)) << width << " x " << height;
        }
    }
    game.ChooseBoard(10, 5);
    EXPECT_EQ(game.ShownSlots().size(), 50u);
}

TEST(BoardLayout, ShrinkingAndGrowingTheBoardKeepsEveryCardFaceDown) {
    TestGame game;
    game.ChooseBoard(10, 5);
    game.ChooseBoard(4, 2);
    EXPECT_EQ(game.ShownSlots().size(), 8u) << "42 slots leave the board";
    game.ChooseBoard(10, 5);
    EXPECT_EQ(game.ShownSlots().size(), 50u);
    for (int code = 0; code < 50; ++code) EXPECT_EQ(game.SlotPicture(code), "CardBack1.bmp") << code;
}

TEST(BoardLayout, WithNoWidthChosenNoSlotShows) {
    SeededRandom random(1);
    MainForm form(random);
    ChooseHeight(form, "3");
    for (int code = 0; code < 50; ++code) EXPECT_FALSE(form.imgCard[static_cast<std::size_t>(code)].visible) << code;
    ChooseWidth(form, "6");
    int shown = 0;
    for (const Picture& slot : form.imgCard) shown += slot.visible ? 1 : 0;
    EXPECT_EQ(shown, 18);
}

TEST(BoardLayout, HighlightGivesUnseenCardsTheSecondBack) {
    TestGame game;
    game.SetHighlight(true);
    EXPECT_EQ(game.SlotPicture(0), "CardBack1.bmp") << "the option acts at the next layout";
    game.ChooseBoard(4, 2);
    for (int code : game.ShownSlots()) EXPECT_EQ(game.SlotPicture(code), "CardBack2.bmp") << code;

    game.ChoosePlayers(1);
    game.NewGame();
    game.ScriptDeal({1, 2, 3, 4, 4, 3, 2, 1});
    game.Done();
    for (int code : game.ShownSlots()) EXPECT_EQ(game.SlotPicture(code), "CardBack2.bmp") << code;
    game.Click(0);
    game.Click(1);
    game.Advance(1500);
    EXPECT_EQ(game.SlotPicture(0), "CardBack1.bmp");
    EXPECT_EQ(game.SlotPicture(1), "CardBack1.bmp");
    for (int code : {2, 3, 10, 11, 12, 13}) EXPECT_EQ(game.SlotPicture(code), "CardBack2.bmp") << code;

    // A pause ended by a click turns the cards back the same way.
    game.Click(2);
    game.Click(3);
    game.Click(10);
    EXPECT_EQ(game.SlotPicture(2), "CardBack1.bmp");
    EXPECT_EQ(game.SlotPicture(3), "CardBack1.bmp");
    EXPECT_EQ(game.SlotPicture(10), "CardBack2.bmp");
}

TEST(BoardLayout, WithoutHighlightEveryBackIsTheFirst) {
    TestGame game;
    game.Start(4, 2, {Human("Ann")}, {1, 2, 3, 4, 4, 3, 2, 1});
    game.Click(0);
    game.Click(1);
    game.Advance(1500);
    for (int code : game.ShownSlots()) EXPECT_EQ(game.SlotPicture(code), "CardBack1.bmp") << code;
}

TEST(BoardLayout, EndingAGameBringsBackEveryCardFaceDown) {
    TestGame game;
    game.Start(4, 2, {Human("Ann")}, {1, 2, 3, 4, 4, 3, 2, 1});
    game.TakePair(1);
    game.TakePair(2);
    game.Click(2);  // left face up
    ASSERT_EQ(game.ShownSlots().size(), 4u);
    game.EndGame();
    EXPECT_EQ(game.ShownSlots(), BoardSlots(4, 2));
    for (int code : game.ShownSlots()) EXPECT_EQ(game.SlotPicture(code), "CardBack1.bmp") << code;
}

TEST(BoardLayout, AFinishedGameIsLaidOutAfreshByTheNextOne) {
    TestGame game;
    game.SetHighlight(true);
    game.Start(4, 2, {Human("Ann")}, {1, 2, 3, 4, 4, 3, 2, 1});
    for (int face : {1, 2, 3, 4}) game.TakePair(face);
    ASSERT_TRUE(game.ShownSlots().empty());
    game.EndGame();
    game.NewGame();
    EXPECT_EQ(game.ShownSlots(), BoardSlots(4, 2));
    for (int code : game.ShownSlots()) EXPECT_EQ(game.SlotPicture(code), "CardBack2.bmp") << code;
}

// On a 6-wide board, row 2 column 3 is the sixteenth card of the deal.
TEST(RevealingACard, ShowsTheFaceDealtAtItsBoardIndex) {
    TestGame game;
    game.Start(6, 3, {Human("Ann")}, {26, 1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 3, 4, 5, 6, 26, 7, 8});
    game.Click(23);
    EXPECT_EQ(game.SlotPicture(23), "Card26.bmp");
    game.Click(1);
    EXPECT_EQ(game.SlotPicture(1), "Card1.bmp");
    EXPECT_EQ(game.FaceUpSlots(), (Codes{1, 23}));
}

TEST(RevealingACard, ReadsRowsAsWideAsTheBoard) {
    TestGame game;
    game.Start(4, 4, {Human("Ann")}, {9, 1, 2, 3, 4, 5, 6, 7, 1, 2, 3, 4, 5, 9, 6, 7});
    game.Click(31);
    EXPECT_EQ(game.FaceShown(31), 9);
    game.Click(0);
    EXPECT_FALSE(game.SlotShown(31)) << "codes 31 and 0 hold the pair of 9s";
    EXPECT_FALSE(game.SlotShown(0));

    TestGame wide;
    std::vector<int> faces;
    for (int k = 0; k < 50; ++k) faces.push_back(k / 2 + 1);
    wide.Start(10, 5, {Human("Ann")}, faces);
    wide.Click(47);
    EXPECT_EQ(wide.FaceShown(47), 24);
}

TEST(RevealingACard, RecordsEachCardOnceInTheOrderOfItsLatestReveal) {
    TestGame game;
    game.Start(6, 3, {Human("Ann")}, {26, 1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 3, 4, 5, 6, 26, 7, 8});
    const MainForm& f = game.form;
    game.Click(1);
    EXPECT_EQ(Items(f.lstIndexes), (Strings{"1"}));
    EXPECT_EQ(Items(f.lstSelection), (Strings{"1"}));
    game.Click(2);
    EXPECT_EQ(Items(f.lstIndexes), (Strings{"1", "2"}));
    EXPECT_EQ(Items(f.lstSelected), (Strings{"1", "2"}));
    EXPECT_EQ(Items(f.lstSelection), (Strings{"1", "2"}));
    game.Advance(1500);
    EXPECT_EQ(f.lstSelection.Count(), 0u);

    game.Click(3);
    game.Click(1);
    EXPECT_EQ(Items(f.lstIndexes), (Strings{"2", "3", "1"}));
    EXPECT_EQ(Items(f.lstSelected), (Strings{"2", "3", "1"}));
    EXPECT_EQ(Items(f.lstSelection), (Strings{"3", "1"}));
    game.Advance(1500);

    // A pair leaves the record; the rest keeps its order.
    game.Click(3);
    game.Click(15);
    EXPECT_EQ(Items(f.lstIndexes), (Strings{"2", "1"}));
    EXPECT_EQ(Items(f.lstSelected), (Strings{"2", "1"}));
}

}  // namespace
}  // namespace pairon::test
