#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/test_game.h"
#include "game/game_rules.h"
#include "opponent/opponent.h"
#include "window/setup_flow.h"

namespace pairon {
namespace {

using test::Computer;
using test::Human;
using test::TestGame;

// A 4 x 2 board where no two neighbours in the top row match:
//   codes  0  1  2  3   faces 1 2 3 4
//         10 11 12 13         1 2 3 4
const std::vector<int> kSmallDeal = {1, 2, 3, 4, 1, 2, 3, 4};

class ComputerTimeline : public testing::TestWithParam<int> {};

TEST_P(ComputerTimeline, ATurnWithoutAPairRunsToTheMillisecond) {
    const int v = GetParam();
    TestGame game;
    game.MoveSpeed(v);
    game.Start(4, 2, {Computer("Shocking"), Computer("Shocking")}, kSmallDeal);
    game.QueueRandomPick(0);
    game.QueueRandomPick(1);
    game.QueueRandomPick(2);

    // The first pick comes one computer delay after Done.
    const std::int64_t t = game.clock.Now() + 400 * v;
    game.Advance(400 * v - 1);
    EXPECT_TRUE(game.FaceUpSlots().empty());
    game.Advance(1);
    EXPECT_EQ(game.FaceUpSlots(), std::vector<int>({0}));
    EXPECT_EQ(game.clock.Now(), t);

    game.Advance(400 * v - 1);
    EXPECT_EQ(game.FaceUpSlots(), std::vector<int>({0}));
    game.Advance(1);
    EXPECT_EQ(game.FaceUpSlots(), std::vector<int>({0, 1}));
    EXPECT_EQ(game.Turns(), "1");
    EXPECT_EQ(game.BoldSeats(), std::vector<int>({1}));

    // Turned back at t + 700v, while the computer timer runs on from the
    // second pick: the next seat's first pick is at t + 800v.
    game.Advance(300 * v - 1);
    EXPECT_EQ(game.FaceUpSlots().size(), 2u);
    game.Advance(1);
    EXPECT_TRUE(game.FaceUpSlots().empty());
    EXPECT_EQ(game.clock.Now(), t + 700 * v);
    game.Advance(100 * v - 1);
    EXPECT_TRUE(game.FaceUpSlots().empty());
    game.Advance(1);
    EXPECT_EQ(game.FaceUpSlots(), std::vector<int>({2}));
    EXPECT_EQ(game.clock.Now(), t + 800 * v);
}

TEST_P(ComputerTimeline, AComputerAfterAHumanPicksOneDelayAfterTheTurnBack) {
    const int v = GetParam();
    TestGame game;
    game.MoveSpeed(v);
    game.Start(4, 2, {Human("Ann"), Computer("Shocking")}, kSmallDeal);
    game.Advance(5000);
    EXPECT_TRUE(game.FaceUpSlots().empty()) << "nothing moves before the human clicks";

    game.Click(0);
    game.Click(1);
    const std::int64_t miss = game.clock.Now();
    EXPECT_EQ(game.PlayerToSelect(), "Computer");
    EXPECT_FALSE(game.form.tmrComputerDelay.enabled) << "the computer waits until the cards are turned back";
    game.QueueRandomPick(12);
    game.Advance(300 * v);
    EXPECT_TRUE(game.FaceUpSlots().empty());
    game.Advance(400 * v - 1);
    EXPECT_TRUE(game.FaceUpSlots().empty());
    game.Advance(1);
    EXPECT_EQ(game.FaceUpSlots(), std::vector<int>({12}));
    EXPECT_EQ(game.clock.Now(), miss + 700 * v);
}

INSTANTIATE_TEST_SUITE_P(AtTwoSpeeds, ComputerTimeline, testing::Values(2, 5));

TEST(ComputerTurn, ALateTickPicksNothingAndLeavesTheTimerStopped) {
    TestGame game;
    game.Start(4, 2, {Computer("Excellent")}, kSmallDeal);
    game.EndGame();
    EXPECT_FALSE(game.form.tmrComputerDelay.enabled) << "End Game stops the computer's timer";

    // Even a tick that was already on its way finds the game ended.
    game.form.tmrComputerDelay.Start();
    tmrComputerDelay_Timer(game.form);
    EXPECT_FALSE(game.form.tmrComputerDelay.enabled);
    EXPECT_EQ(game.form.lstSelection.Count(), 0u);
    EXPECT_EQ(game.form.lblIndex1.text, "");
}

TEST(ComputerTurn, AfterTheLastPairTheNextTickStopsTheTimerWithoutAPick) {
    TestGame game;
    game.Start(4, 2, {Computer("Excellent")}, {1, 1, 2, 2, 3, 3, 4, 4});
    for (int code : {0, 1, 2, 3, 10, 11, 12, 13}) game.QueueRandomPick(code);
    // Each pair is found at once, so the computer never recalls anything.
    game.Advance(8 * 2000);
    EXPECT_TRUE(game.form.fraOutcome.visible);
    EXPECT_EQ(game.Score(0), "4");
    EXPECT_TRUE(game.form.tmrComputerDelay.enabled) << "the tick that took the last pair starts the timer again";
    const std::size_t draws = game.random.Draws();
    game.Advance(2000);
    EXPECT_FALSE(game.form.tmrComputerDelay.enabled);
    EXPECT_EQ(game.random.Draws(), draws);
    EXPECT_EQ(game.OutcomeLines().front(), "Well Done");
}

TEST(ComputerTurn, AHumanClickWhileTheComputerTimerRunsOnlyEndsThePause) {
    TestGame game;
    game.Start(4, 2, {Computer("Shocking"), Human("Bea")}, kSmallDeal);
    game.QueueRandomPick(0);
    game.QueueRandomPick(1);
    game.Advance(2000 + 2000);
    EXPECT_EQ(game.PlayerToSelect(), "Bea");
    game.Advance(1500);  // the cards are turned back; the computer timer still runs
    EXPECT_TRUE(game.FaceUpSlots().empty());
    EXPECT_TRUE(game.form.tmrComputerDelay.enabled);

    game.Click(12);
    EXPECT_TRUE(game.FaceUpSlots().empty()) << "the click reveals nothing";
    EXPECT_FALSE(game.form.tmrComputerDelay.enabled);
    EXPECT_FALSE(game.form.tmrCardDelay.enabled);
    game.Click(12);
    EXPECT_EQ(game.FaceUpSlots(), std::vector<int>({12}));
}

TEST(ComputerTurn, AClickDuringTheComputersPauseTurnsBothCardsBack) {
    TestGame game;
    game.Start(4, 2, {Computer("Shocking"), Human("Bea")}, kSmallDeal);
    game.QueueRandomPick(0);
    game.QueueRandomPick(1);
    game.Advance(4000);
    ASSERT_EQ(game.FaceUpSlots().size(), 2u);
    game.Click(13);
    EXPECT_TRUE(game.FaceUpSlots().empty());
    EXPECT_FALSE(game.form.tmrComputerDelay.enabled);
    EXPECT_FALSE(game.form.tmrCardDelay.enabled);
    EXPECT_EQ(game.PlayerToSelect(), "Bea");
}

TEST(ComputerTurn, ClicksAreIgnoredWhileAComputerIsToPlay) {
    TestGame game;
    game.Start(4, 2, {Computer("Average"), Human("Bea")}, kSmallDeal);
    game.Click(0);
    EXPECT_TRUE(game.FaceUpSlots().empty());
    EXPECT_TRUE(game.form.tmrComputerDelay.enabled);
}

TEST(Speed, EachSliderStepAddsToBothDelays) {
    TestGame game;
    EXPECT_EQ(game.form.tmrCardDelay.interval, 1500);
    EXPECT_EQ(game.form.tmrComputerDelay.interval, 2000);
    game.MoveSpeed(2);
    EXPECT_EQ(game.form.tmrCardDelay.interval, 600);
    EXPECT_EQ(game.form.tmrComputerDelay.interval, 800);
    game.MoveSpeed(8);
    EXPECT_EQ(game.form.tmrCardDelay.interval, 2400);
    EXPECT_EQ(game.form.tmrComputerDelay.interval, 3200);
    game.MoveSpeed(9);
    EXPECT_EQ(game.form.sldSpeed.value, 8) << "the slider stops at 8";
}

// The choice rules, on a board set up by hand.
struct ChoiceBoard {
    explicit ChoiceBoard(int width, int height, std::uint64_t seed = 3) : random(seed), form(random) {
        ChooseHeight(form, std::to_string(height));
        ChooseWidth(form, std::to_string(width));
        ChoosePlayers(form, "1");
        form.cmdNew.caption = "End Game";
        form.lblPlayerTurn.text = "Computer";
        form.lstShuffled.Empty();
        for (int k = 0; k < width * height; ++k) form.lstShuffled.Append(std::to_string(k / 2 % 26 + 1));
    }
    // Records a card as seen, as a reveal in an earlier turn would have.
    void Seen(int code, int face) {
        form.lstIndexes.Append(std::to_string(code));
        form.lstSelected.Append(std::to_string(face));
    }
    // A first pick that must not land on this card.
    void Exclude(int code) { form.lblIndex1.text = std::to_string(code); }
    // Puts a card up as the first of this turn.
    void Up(int code, int face) {
        Seen(code, face);
        form.lstSelection.Append(std::to_string(face));
        form.lblIndex1.text = std::to_string(code);
    }
    void ClearTurn() {
        form.lstSelection.Empty();
        form.lstIndexes.Empty();
        form.lstSelected.Empty();
        form.lblIndex1.text.clear();
        form.lblIndex2.text.clear();
    }
    int Picked() const { return std::stoi(form.lblIndex1.text); }

    SeededRandom random;
    MainForm form;
};

TEST(RandomSelect, OnlyEverPicksAShownCardOtherThanTheOneUp) {
    test::ScriptedRandom scripted;
    MainForm form(scripted);
    ChooseHeight(form, "2");
    ChooseWidth(form, "4");
    form.lstShuffled.Empty();
    for (int face : kSmallDeal) form.lstShuffled.Append(std::to_string(face));
    form.imgCard[2].visible = false;  // matched
    form.imgCard[12].visible = false;
    form.lblIndex1.text = "1";
    form.lstSelection.Append("2");
    form.lstIndexes.Append("1");
    form.lstSelected.Append("2");

    // Off the board to the right, matched, the card already up, then a good one.
    for (int code : {7, 2, 1, 12, 13}) scripted.QueueItem(code, 20);
    RandomSelect(form);
    EXPECT_EQ(form.lblIndex1.text, "13");
    EXPECT_EQ(form.lblIndex2.text, "1");
    EXPECT_EQ(scripted.Draws(), 5u);
}

TEST(RandomSelect, IsUniformOverTheEligibleCardsOfANarrowBoard) {
    ChoiceBoard board(4, 5);
    board.form.imgCard[21].visible = false;
    board.form.imgCard[33].visible = false;
    std::map<int, int> counts;
    const int draws = 36000;
    for (int n = 0; n < draws; ++n) {
        board.Exclude(0);
        RandomSelect(board.form);
        ++counts[board.Picked()];
        board.ClearTurn();
    }
    // 4 x 5 cards, less two matched and the one up.
    ASSERT_EQ(counts.size(), 17u);
    EXPECT_EQ(counts.count(0), 0u);
    EXPECT_EQ(counts.count(21), 0u);
    const double expected = static_cast<double>(draws) / 17;
    double chiSquare = 0;
    for (const auto& [code, count] : counts) {
        EXPECT_LT(code % 10, 4) << "a card off the board was picked";
        chiSquare += (count - expected) * (count - expected) / expected;
    }
    // 16 degrees of freedom: 39.25 is the one-in-a-thousand bound.
    EXPECT_LT(chiSquare, 39.25);
}

TEST(SecondSelect, TakesThePartnerSeenMostRecently) {
    ChoiceBoard board(4, 4);
    board.Seen(5, 9);
    board.Seen(31, 9);
    board.Seen(2, 4);
    board.Up(12, 9);
    SecondSelect(board.form);
    // 31 was revealed after 5, so it is the one the computer remembers.
    EXPECT_EQ(board.form.lblIndex2.text, "12");
    EXPECT_EQ(board.form.lblIndex1.text, "31");
}

TEST(SecondSelect, NeverTakesTheCardUpAsItsOwnPartner) {
    test::ScriptedRandom scripted;
    MainForm form(scripted);
    ChooseHeight(form, "2");
    ChooseWidth(form, "4");
    form.cmdNew.caption = "End Game";
    form.lstShuffled.Empty();
    for (int face : kSmallDeal) form.lstShuffled.Append(std::to_string(face));
    form.lstIndexes.Append("3");
    form.lstSelected.Append("4");
    form.lstSelection.Append("4");
    form.lblIndex1.text = "3";
    // Its only record is itself, so the pick falls back to a random card.
    scripted.QueueItem(3, 20);
    scripted.QueueItem(11, 20);
    SecondSelect(form);
    EXPECT_EQ(form.lblIndex1.text, "11");
}

TEST(FirstSelect, FavoursCardsThatBelongToSeveralKnownPairs) {
    ChoiceBoard board(4, 4);
    ChooseComputerLevel(board.form, 0, "Excellent");
    std::map<int, int> counts;
    for (int n = 0; n < 8000; ++n) {
        // Three seen cards of face 7 make three pairs; face 8 makes one.
        board.Seen(0, 7);
        board.Seen(1, 8);
        board.Seen(2, 7);
        board.Seen(3, 8);
        board.Seen(10, 7);
        ComputerTurn(board.form);
        ++counts[board.Picked()];
        board.ClearTurn();
    }
    EXPECT_EQ(board.form.lstMatches.Count(), 8u);
    for (int sevens : {0, 2, 10}) {
        for (int eights : {1, 3}) EXPECT_GT(counts[sevens], counts[eights] * 3 / 2);
    }
    EXPECT_EQ(counts[0] + counts[1] + counts[2] + counts[3] + counts[10], 8000);
}

// A two-pair memory: the computer has seen both cards of face 3.
void SeeBothThrees(TestGame& game) {
    game.Click(2);
    game.Click(0);
    game.Advance(1500);
    game.Click(12);
    game.Click(1);
    game.Advance(1500);
}

TEST(Recall, ShockingNeverUsesWhatItHasSeen) {
    TestGame known;
    known.Start(4, 2, {Human("Ann"), Human("Bo"), Computer("Shocking")}, kSmallDeal);
    SeeBothThrees(known);
    ASSERT_EQ(known.PlayerToSelect(), "Computer");
    known.QueueRecallDraw(0.0);  // the most favourable recall draw there is
    known.QueueRandomPick(13);
    known.Advance(2000);
    EXPECT_EQ(known.FaceUpSlots(), std::vector<int>({13}));
}

TEST(Recall, ExcellentAlwaysTurnsUpAKnownPair) {
    for (double draw : {0.0, 0.5, 0.999}) {
        TestGame game;
        game.Start(4, 2, {Human("Ann"), Human("Bo"), Computer("Excellent")}, kSmallDeal);
        SeeBothThrees(game);
        ASSERT_EQ(game.PlayerToSelect(), "Computer");
        game.QueueRecallDraw(draw);
        game.Advance(2000);
        const auto up = game.FaceUpSlots();
        ASSERT_EQ(up.size(), 1u);
        EXPECT_EQ(game.FaceShown(up[0]), 3);
        game.QueueRecallDraw(draw);
        game.Advance(2000);
        EXPECT_EQ(game.Score(2), "1") << "the partner follows at the next tick";
    }
}

TEST(Recall, EachSeatUsesItsOwnLevel) {
    // Poor recalls on a draw of 0 (r = 1) but not on 0.3 (r = 2).
    for (auto [draw, recalls] : {std::pair{0.0, true}, std::pair{0.3, false}}) {
        TestGame game;
        game.Start(4, 2, {Human("Ann"), Human("Bo"), Computer("Poor"), Computer("Excellent")}, kSmallDeal);
        SeeBothThrees(game);
        game.QueueRecallDraw(draw);
        if (recalls) {
            game.random.QueueItem(0, 2);
        } else {
            game.QueueRandomPick(13);
        }
        game.Advance(2000);
        EXPECT_EQ(game.FaceUpSlots(), std::vector<int>({recalls ? 2 : 13}));
    }
}

// Between the two ends: "Good" recalls at three picks in four, "Average" at
// one in two, measured over enough first picks to tell 0.75 from 0.7.
TEST(Recall, GoodAndAverageRecallAtTheirRates) {
    for (auto [level, rate] : {std::pair{"Good", 0.75}, std::pair{"Average", 0.5}}) {
        ChoiceBoard board(10, 5);
        ChooseComputerLevel(board.form, 0, level);
        const int picks = 20000;
        int elsewhere = 0;
        for (int n = 0; n < picks; ++n) {
            board.Seen(0, 1);  // both cards of face 1: one known pair
            board.Seen(1, 1);
            ComputerTurn(board.form);
            if (board.Picked() > 1) ++elsewhere;
            board.ClearTurn();
        }
        // A recall turns up a card of the known pair; a random pick lands on
        // one of the other 48 of the 50 cards 48 times in 50.
        const double recalled = 1.0 - elsewhere * 50.0 / 48.0 / picks;
        EXPECT_NEAR(recalled, rate, 0.02) << level;
    }
}

TEST(Reseeding, DrawsRightAfterReseedsAtTheSameClockReadingStillDiffer) {
    // A clock so coarse that every reseed reads the same instant.
    MixingRandom random(42, [] { return std::uint64_t{1000}; });
    std::set<double> seen;
    for (int n = 0; n < 2000; ++n) {
        random.ReseedFromClock();
        const double recall = random.Uniform();
        random.ReseedFromClock();
        const double pick = random.Uniform();
        EXPECT_NE(recall, pick);
        seen.insert(recall);
        seen.insert(pick);
    }
    EXPECT_EQ(seen.size(), 4000u);
}

}  // namespace
}  // namespace pairon
