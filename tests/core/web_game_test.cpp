// The browser edition's way into the game: what the page sends, and the
// seed it deals by.

#include <gtest/gtest.h>

#include "game/random.h"
#include "web/web_game.h"
#include "window/setup_flow.h"

namespace pairon::test {
namespace {

// Whatever reaches the page's handler, a hidden or unknown control, a value
// no control offers, or a tick of a stopped timer is turned away: the game is
// left exactly as it was, as it is when a player clicks where nothing shows.
TEST(WebGame, TurnsAwayWhatNoShownControlCouldSend) {
    WebGame game(3);
    game.Start("");
    ASSERT_TRUE(game.Handle("choose", "cmbWidth", -1, "4"));
    ASSERT_TRUE(game.Handle("choose", "cmbHeight", -1, "2"));
    const std::string setup = game.State();
    const struct {
        const char* kind;
        const char* name;
        int index;
        const char* value;
    } refused[] = {
        {"click", "imgCard", 5, ""},          // a slot beyond the 4 x 2 board
        {"click", "cmdDone", -1, ""},         // on the hidden player panel
        {"type", "txtPlayer", 0, "Ann"},      // the same
        {"tick", "tmrCardDelay", -1, ""},     // a timer that is not running
        {"click", "lstShuffled", -1, ""},     // the hidden state
        {"choose", "cmbWidth", 3, "5"},       // no such element
        {"check", "chkMultiple", -1, "2"},    // a box is 0 or 1
        {"slide", "sldSpeed", -1, "5 "},      // the slider takes whole numbers
        {"press", "cmdNew", -1, ""},          // no such event
    };
    for (const auto& event : refused) {
        EXPECT_FALSE(game.Handle(event.kind, event.name, event.index, event.value)) << event.kind << " " << event.name;
        EXPECT_EQ(game.State(), setup) << event.kind << " " << event.name;
    }

    ASSERT_TRUE(game.Handle("click", "cmdNew", -1, ""));
    ASSERT_TRUE(game.Handle("click", "cmdDone", -1, ""));
    EXPECT_FALSE(game.Handle("click", "imgCard", 4, "")) << "a slot beyond the 4 x 2 board";
    EXPECT_TRUE(game.Handle("click", "imgCard", 3, ""));
}

// A page with ?seed=N deals the cards the simulator deals with --seed N: the
// same generator, through the same start-up and setup.
TEST(WebGame, DealsBySeedAsTheSimulatorDoes) {
    for (std::uint64_t seed : {1u, 2u, 77u}) {
        WebGame game(seed);
        game.Start("");
        game.Handle("choose", "cmbWidth", -1, "10");
        game.Handle("choose", "cmbHeight", -1, "5");
        game.Handle("click", "cmdNew", -1, "");

        SeededRandom random(seed);
        MainForm form(random);
        Form_Load(form);
        ChooseWidth(form, "10");
        ChooseHeight(form, "5");
        ChoosePlayers(form, "1");
        SetCheckBox(form, form.chkMultiple, 0);
        cmdNew_Click(form);
        ASSERT_EQ(game.Form().lstShuffled.Count(), form.lstShuffled.Count());
        for (std::size_t k = 0; k < form.lstShuffled.Count(); ++k) {
            EXPECT_EQ(game.Form().lstShuffled.Read(k), form.lstShuffled.Read(k)) << "seed " << seed << " card " << k;
        }
    }
}

TEST(WebGame, SpeaksTheFirstLanguageTheBrowserAsksForThatItHas) {
    const std::string spoken = "de\nes\nfr\nit\nnl\npl\npt_BR\nru";
    // Browsers name languages "pt-BR"; a country the game has no catalogue
    // for gets the language's own, or its one variant.
    EXPECT_EQ(ChooseCatalogueOf("pt-BR\nde", spoken), "pt_BR");
    EXPECT_EQ(ChooseCatalogueOf("pt-PT", spoken), "pt_BR");
    EXPECT_EQ(ChooseCatalogueOf("de-AT\nfr", spoken), "de");
    EXPECT_EQ(ChooseCatalogueOf("sv-SE\nzh-Hant-TW\nRU", spoken), "ru");
    // English wherever it comes first, and for nothing the game speaks.
    EXPECT_EQ(ChooseCatalogueOf("en-GB\nde", spoken), "");
    EXPECT_EQ(ChooseCatalogueOf("sv-SE\n\n-\nja", spoken), "");
    EXPECT_EQ(ChooseCatalogueOf("", spoken), "");
}

}  // namespace
}  // namespace pairon::test
