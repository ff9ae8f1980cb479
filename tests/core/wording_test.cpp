#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_game.h"
#include "window/wording.h"

namespace pairon::test {
namespace {

// The words as the English catalogue reads them: each %1 ... %9 replaced in
// one pass, each line of a text a sentence of its own, the empty ones left out.
std::string English(const Words& words) {
    std::string out;
    const std::string& text = words.source;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == 'n' && words.count >= 0) {
            out += std::to_string(words.count);
            ++i;
        } else if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9' &&
                   static_cast<std::size_t>(text[i + 1] - '1') < words.args.size()) {
            out += English(words.args[static_cast<std::size_t>(text[i + 1] - '1')]);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string Spoken(const std::vector<Words>& words) {
    std::string out;
    for (const Words& w : words) {
        std::string text = English(w);
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            if (end > start) out += (out.empty() ? "" : " ") + text.substr(start, end - start);
            start = end + 1;
        }
    }
    return out;
}

// What the last event was heard to do.
std::string LastHeard(TestGame& t, std::size_t before) {
    const std::vector<Happening> last(t.heard.begin() + static_cast<std::ptrdiff_t>(before), t.heard.end());
    return Spoken(HappeningsWords(last, t.form));
}

TEST(Wording, ASeatLeftWithoutANameIsHeardByItsPlace) {
    TestGame t;
    t.Start(4, 2, {Human(""), Human("Bob")}, {1, 1, 2, 2, 3, 3, 4, 4});
    EXPECT_EQ(Spoken(StateWords(t.form)), "Player 1 to play. Scores: Player 1 0, Bob 0. Pairs left: 4.");

    std::size_t before = t.heard.size();
    t.TakePair(1);
    EXPECT_EQ(LastHeard(t, before), "circle. circle. A pair for Player 1! Score: 1. Pairs left: 3.");
    before = t.heard.size();
    t.Click(t.FirstOf(2));
    t.Click(t.FirstOf(3));
    EXPECT_EQ(LastHeard(t, before), "square. triangle. No pair. Your turn, Bob.");
    t.Advance(60'000);
    before = t.heard.size();
    t.Click(t.SecondOf(2));
    t.Click(t.SecondOf(3));
    EXPECT_EQ(LastHeard(t, before), "square. triangle. No pair. Your turn, Player 1.");
    t.Advance(60'000);

    for (int face : {2, 3, 4}) t.TakePair(face);
    EXPECT_EQ(Spoken(SpokenOutcomeWords(t.form)), "Player 1 Wins! Scores: Player 1 4, Bob 0.");
    EXPECT_EQ(Spoken(StateWords(t.form)), Spoken(SpokenOutcomeWords(t.form)));

    // Blank is no name either; a player alone is seat 1.
    TestGame alone;
    alone.Start(4, 2, {Human("  ")}, {1, 1, 2, 2, 3, 3, 4, 4});
    for (int face : {1, 2, 3, 4}) alone.TakePair(face);
    EXPECT_EQ(Spoken(SpokenOutcomeWords(alone.form)), "Well Done Player 1! You found 4  pairs in 0 turns");

    // A name is heard as typed, placeholders and all.
    TestGame named;
    named.Start(4, 2, {Human("Ann %2"), Human("Bob")}, {1, 1, 2, 2, 3, 3, 4, 4});
    before = named.heard.size();
    named.TakePair(1);
    EXPECT_EQ(LastHeard(named, before), "circle. circle. A pair for Ann %2! Score: 1. Pairs left: 3.");
}

}  // namespace
}  // namespace pairon::test
