// What each event did, as sound and speech hear it: derived from the window
// before and after the event, never announced by the rules themselves.

#include <gtest/gtest.h>

#include <algorithm>

#include "test_game.h"

namespace pairon::test {
namespace {

using K = HappeningKind;

std::vector<K> KindsSince(const TestGame& game, std::size_t from) {
    std::vector<K> kinds;
    for (std::size_t i = from; i < game.heard.size(); ++i) kinds.push_back(game.heard[i].kind);
    return kinds;
}

TEST(Happenings, AGameAgainstTheComputerIsHeardEventByEvent) {
    TestGame game;
    game.Start(4, 2, {Human("Ann"), Computer("Shocking")}, {1, 2, 3, 4, 1, 2, 3, 4});
    EXPECT_EQ(KindsSince(game, 0), (std::vector<K>{K::GameDealt, K::PlayStarted}));
    EXPECT_EQ(game.heard.back().nextSeat, 0);
    EXPECT_FALSE(game.heard.back().computer);

    // A pair: both cards are heard turning up, then the pair with the score.
    std::size_t mark = game.heard.size();
    game.TakePair(1);
    ASSERT_EQ(KindsSince(game, mark), (std::vector<K>{K::CardShown, K::CardShown, K::PairFound}));
    const Happening& first = game.heard[mark];
    const Happening& second = game.heard[mark + 1];
    EXPECT_EQ(first.position, game.FirstOf(1));
    EXPECT_EQ(first.face, 1);
    EXPECT_FALSE(first.second);
    EXPECT_EQ(second.position, game.SecondOf(1));
    EXPECT_TRUE(second.second);
    const Happening& pair = game.heard[mark + 2];
    EXPECT_EQ(pair.seat, 0);
    EXPECT_EQ(pair.face, 1);
    EXPECT_EQ(pair.score, 1);
    EXPECT_EQ(pair.pairsLeft, 3);
    EXPECT_EQ(pair.positions, (std::vector<int>{game.FirstOf(1), game.SecondOf(1)}));

    // The card already up is clicked again: nothing is heard.
    mark = game.heard.size();
    game.Click(game.FirstOf(2));
    game.Click(game.FirstOf(2));
    EXPECT_EQ(KindsSince(game, mark), (std::vector<K>{K::CardShown}));

    // A miss passes the turn to the computer; a click then is ignored and
    // silent, and the cards turn back at the end of the pause.
    mark = game.heard.size();
    game.Click(game.FirstOf(3));
    ASSERT_EQ(KindsSince(game, mark), (std::vector<K>{K::CardShown, K::Missed}));
    EXPECT_EQ(game.heard.back().seat, 0);
    EXPECT_EQ(game.heard.back().nextSeat, 1);
    game.Click(game.SecondOf(4));
    EXPECT_EQ(game.heard.size(), mark + 2);
    game.Advance(game.form.tmrCardDelay.interval);
    ASSERT_EQ(game.heard.back().kind, K::CardsTurnedBack);
    EXPECT_EQ(game.heard.back().positions, (std::vector<int>{game.FirstOf(2), game.FirstOf(3)}));

    // The computer plays out the board: every pick is its own, it finds the
    // three pairs left and wins.
    for (int face : {2, 3, 4}) {
        game.QueueRandomPick(game.FirstOf(face));
        game.QueueRandomPick(game.SecondOf(face));
    }
    mark = game.heard.size();
    game.Advance(60'000);
    const std::vector<Happening> computer(game.heard.begin() + static_cast<std::ptrdiff_t>(mark), game.heard.end());
    ASSERT_FALSE(computer.empty());
    for (const Happening& h : computer) {
        if (h.kind == K::CardShown || h.kind == K::PairFound || h.kind == K::Missed) {
            EXPECT_EQ(h.seat, 1);
            EXPECT_TRUE(h.computer);
        }
    }
    EXPECT_EQ(std::count_if(computer.begin(), computer.end(), [](const Happening& h) { return h.kind == K::PairFound; }),
              3);
    EXPECT_EQ(computer.back().kind, K::GameWon);
    EXPECT_EQ(computer.back().seat, 1);
    EXPECT_TRUE(computer.back().computer);

    mark = game.heard.size();
    game.EndGame();
    EXPECT_EQ(KindsSince(game, mark), (std::vector<K>{K::GameLeft}));
}

TEST(Happenings, EveryEndingIsHeardAsItsOwnKind) {
    TestGame alone;
    alone.Start(4, 2, {Human("Ann")}, {1, 1, 2, 2, 3, 3, 4, 4});
    alone.Miss(1, 2);
    EXPECT_EQ(alone.heard.back().kind, K::CardsTurnedBack);
    for (int face : {1, 2, 3, 4}) alone.TakePair(face);
    EXPECT_EQ(alone.heard.back().kind, K::GameFinished);
    EXPECT_EQ(alone.heard.back().seat, 0);

    TestGame drawn;
    drawn.Start(4, 2, {Human("Ann"), Human("Bob")}, {1, 1, 2, 2, 3, 3, 4, 4});
    drawn.TakePair(1);
    drawn.TakePair(2);
    drawn.Miss(3, 4);
    // The next human's click during the pause only turns the cards back.
    drawn.Click(drawn.FirstOf(3));
    drawn.Click(drawn.FirstOf(3));
    drawn.Click(drawn.SecondOf(3));
    drawn.TakePair(4);
    EXPECT_EQ(drawn.heard.back().kind, K::GameDrawn);

    TestGame won;
    won.Start(4, 2, {Human("Ann"), Human("Bob")}, {1, 1, 2, 2, 3, 3, 4, 4});
    for (int face : {1, 2, 3, 4}) won.TakePair(face);
    EXPECT_EQ(won.heard.back().kind, K::GameWon);
    EXPECT_EQ(won.heard.back().seat, 0);
    EXPECT_FALSE(won.heard.back().computer);
}

}  // namespace
}  // namespace pairon::test
