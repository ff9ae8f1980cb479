#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "game/happenings.h"
#include "game/main_form.h"

namespace pairon {

struct ControlLayout;

// A text of the game's in its own English words, before it is put into the
// player's language: `source` is the catalogue's text under `context`, and
// its %1, %2 ... stand for `args`, each a text of its own. A text with no
// context is not looked up: a typed name, a number, or texts joined.
//
// Every front end puts a Words into words the same way: the catalogue's
// translation of `source` (the plural form for `count` where it is one, its
// %n being `count`), then each %1 ... %9 replaced in one pass by its argument,
// which is never read for placeholders again. Texts spoken one after the
// other are joined with a space; a text may hold line breaks (an outcome), and
// where it is spoken each line is a sentence of its own and empty lines are
// passed over.
struct Words {
    std::string context;
    std::string source;
    std::vector<Words> args{};
    // The number a plural text counts ("%n turns"), or -1.
    int count = -1;

    bool operator==(const Words&) const = default;
};

Words AsItIs(std::string text);
Words AsItIs(int number);

// A seat's name as the game shows it: "Computer" and the names the name boxes
// start with in the player's language, any other as typed.
Words NameWords(std::string_view name);
// The name of the seat at `seat` where it is spoken: as shown, or "Player 2"
// for a seat left without a name.
Words SeatNameWords(const MainForm& form, int seat);
// A name box's text: the start-up names in the player's language, any other,
// "Computer" too, as typed.
Words TypedNameWords(std::string_view name);

// The text a control shows for the text the game holds for it: a caption or
// list item in the player's language, a number and the hidden state holders'
// texts as they are, a seat's name as NameWords() says, and a name box's text
// as TypedNameWords() says.
Words ShownTextWords(const ControlLayout& control, std::string_view text);

// Which of its plural forms a catalogue uses for `count`, in the order the
// catalogue lists them: `language` is a catalogue's name ("pl", "pt_BR");
// English counts as any language of two forms, one for 1 and one for the rest.
int PluralForm(std::string_view language, int count);

// The outcome panel's printed lines told again in the player's language, with
// its own line breaks; lines of no known shape stay as they were printed, one
// Words each.
std::vector<Words> OutcomeWords(const std::vector<std::string>& lines);

// What face `face` shows ("circle"); nothing for a number that is no face.
Words FaceWords(int face);
// A slot's place on the board: "row 1, column 2".
Words PlaceWords(int position);

// What a turned-up face is called where it is spoken: its standard name
// unless the player's deck gives it another.
using FaceWordsOf = std::function<Words(int face)>;

// What a screen reader reads for the controls of the window.

// A card slot as it reads: "Card, row 2, column 3, face down", "... face up,
// star" while the slot shows a face, or "Empty place, row 1, column 2" for a
// slot off the board. Whether a face shows is taken from the file the slot
// shows, never from the deal, so a card lying face down cannot give its face
// away. Rows and columns count from 1.
Words CardSlotWords(int position, const Picture& picture, const FaceWordsOf& faceWords = {});

// The fixed accessible name of a control of the layout: lists, name boxes,
// the slider, display boxes and pictures, which show no caption of their own
// a screen reader could take. Empty where the control's own caption or text
// serves (buttons, check boxes, panels, plain labels) and for the card slots,
// whose names follow the game.
Words ControlAccessibleWords(const ControlLayout& control);

// The accessible name of a seat's score box, after the seat's name label:
// "Score of Ann", or "Player 2 score" while the label holds no name.
Words ScoreAccessibleWords(int seat, std::string_view playerName);

// What the result picture shows, for the picture file it holds.
Words ResultPictureWords(std::string_view file);

// How the board is used by keyboard, as a screen reader describes it; and
// what the board reads as while it holds no card.
Words BoardDescriptionWords();
Words NoCardsWords();

// The sentences for what one event did; none when there is nothing to say.
std::vector<Words> HappeningsWords(const std::vector<Happening>& happenings, const MainForm& form,
                                   const FaceWordsOf& faceWords = {});

// The outcome as it reads, and while the outcome shows, the final scores
// after it.
std::vector<Words> SpokenOutcomeWords(const MainForm& form);

// Whose turn it is, every seat's score and the pairs remaining; in the setup
// what to do next; after the last pair the outcome. What F2 says.
std::vector<Words> StateWords(const MainForm& form);

// Every seat's name and score, "Ann 2, Computer 1".
Words ScoresWords(const MainForm& form);

// "Scores: Ann 2, Computer 1." after a game of two or more seats; nothing for
// a player alone, whose outcome says it all.
Words FinalScoresWords(const MainForm& form);

// What a key on the board says when it turns nothing up: the computer is
// playing; the key only ended the pause before the player's turn; the key
// only turned the cards of the miss back.
Words ComputerPlayingWords();
Words PressAgainWords();
Words TurnedBackWords();

}  // namespace pairon
