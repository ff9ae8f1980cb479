#include "window/help_pages.h"

// The catalogue tool finds the help's texts by this mark, in plain C++ as in
// the Qt front end; it leaves the text as it is.
#define QT_TRANSLATE_NOOP(scope, x) x

namespace pairon {

namespace {

// Each text must fit its label (353 pixels wide, about 210 high) in the
// window's 8.25 point font, in every language; the view tests measure them.
// The help speaks of the window's controls by the captions they show.

constexpr std::string_view kIntroduction =
QT_TRANSLATE_NOOP("HelpWindow",
    "Welcome to Pairon, the computer card game of pairs and memory!\n"
    "\n"
    "The pages that follow teach you everything you need to know to use this "
    "simple program, although we hope you will find that it explains itself "
    "as you go along.\n"
    "\n"
    "Choose a tab above to read about the aim of the game, how to start a new "
    "game, how to enter the players and how to play.\n"
    "\n"
    "To see the cards larger, make the window larger or press Ctrl+Plus (or "
    "Ctrl+=); Ctrl+Minus makes it smaller again and Ctrl+0 brings back the "
    "usual size.\n"
    "\n"
    "Have fun!");

constexpr std::string_view kAim =
QT_TRANSLATE_NOOP("HelpWindow",
    "The aim of the game is to match as many pairs of cards as you can, in as "
    "few turns as possible, and to finish with the highest score.\n"
    "\n"
    "The cards lie face down in random places and are selected two at a time. "
    "When the two cards make a pair, they are removed from the board and the "
    "same player has another turn. When they don’t, they are turned face down "
    "again and the turn passes to the next player in sequence.\n"
    "\n"
    "Pairon trains your recall and concentration: the players who remember "
    "where each card lay find the pairs sooner.\n"
    "\n"
    "Up to four players can take part, and you can compete against the "
    "computer too.\n"
    "\n"
    "With “Sound” ticked, a short sound marks each card, pair, miss and the "
    "end of the game.");

constexpr std::string_view kStarting =
QT_TRANSLATE_NOOP("HelpWindow",
    "Before a game, the cards stand in the “Game Window” panel but can’t be "
    "selected yet. Set the options first, then press “New Game”.\n"
    "\n"
    "Dimensions: the two drop-down lists set the size of the board.\n"
    "\n"
    "Game Options: set the number of players here; you make each player a "
    "human or the computer later.\n"
    "• “Background Picture” shows or hides the pictures behind the cards and "
    "the players.\n"
    "• “Multiple Pairs” lets more than one copy of the same pair appear in a "
    "game.\n"
    "• “Highlight Selected” shows human players, but not the computer, which "
    "cards have already been selected: the cards nobody has turned over yet "
    "keep a back of their own. It is a form of cheating!");

constexpr std::string_view kEntering =
QT_TRANSLATE_NOOP("HelpWindow",
    "After “New Game”, a new set of panels takes the place of the previous "
    "ones, with a “Done” button that starts the play. Before you press it, "
    "set up the players.\n"
    "\n"
    "For each player, a drop-down list chooses “Human” or “Computer”.\n"
    "\n"
    "For a human player, we recommend typing the player’s name in the text "
    "box to the right.\n"
    "\n"
    "For a computer player, that text box is replaced by another drop-down "
    "list, which sets the computer’s intelligence level, from “Excellent” to "
    "“Shocking”. You may vary it from game to game.\n"
    "\n"
    "To change the options after all, press “End Game” to go back to them.");

constexpr std::string_view kPlaying =
QT_TRANSLATE_NOOP("HelpWindow",
    "After “Done”, the “Game Window” with all the cards comes back. “End "
    "Game” still takes you back to the options.\n"
    "\n"
    "When it isn’t the computer’s turn, select cards by clicking on them, two "
    "at a time, or with the arrow keys and Space. During the computer’s turn, "
    "the computer selects its cards by itself: just wait and watch.\n"
    "\n"
    "The “Commentary” and “Score Board” panels at the left show each player’s "
    "score, how many pairs remain and whose turn it is; F2 reads all of that "
    "out at any time, and a screen reader tells every card, pair and miss. The "
    "“Game Speed” slider sets how fast cards are turned over and how fast the "
    "computer selects.\n"
    "\n"
    "Two cards that don’t match can be turned over early by clicking on a card "
    "again. When all the cards are taken, the outcome is shown; to start a new "
    "game, press “End Game” and then “New Game”.");

}  // namespace

const std::array<HelpTextPage, 5>& HelpTextPages() {
    static const std::array<HelpTextPage, 5> pages{{
        {QT_TRANSLATE_NOOP("HelpWindow", "Introduction"), "Introduction", kIntroduction},
        {QT_TRANSLATE_NOOP("HelpWindow", "Aim of the Game"), "Aim", kAim},
        {QT_TRANSLATE_NOOP("HelpWindow", "Starting a New Game"), "Starting", kStarting},
        {QT_TRANSLATE_NOOP("HelpWindow", "Entering Players"), "Entering", kEntering},
        {QT_TRANSLATE_NOOP("HelpWindow", "Playing the Game"), "Playing", kPlaying},
    }};
    return pages;
}

std::string_view AboutTab() { return QT_TRANSLATE_NOOP("HelpWindow", "About Pairon"); }

const AboutTexts& About() {
    static const AboutTexts texts{
        QT_TRANSLATE_NOOP("HelpWindow",
                          "Pairon\nA card game of pairs and memory for one to four players, by The Pairon developers."),
        QT_TRANSLATE_NOOP("HelpWindow", "Pairon version %1"),
        QT_TRANSLATE_NOOP("HelpWindow", "Free software, released under the MIT License."),
        QT_TRANSLATE_NOOP("HelpWindow", "Made with C++ and Qt"),
    };
    return texts;
}

}  // namespace pairon
