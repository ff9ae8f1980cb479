#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/happenings.h"
#include "game/main_form.h"
#include "game/random.h"

namespace pairon {

// The game as a page plays it: one window model, its start-up selections and
// remembered choices, and one entry for every event the page sends. The page
// decides nothing: it shows State() and plays or speaks what Happenings()
// says after each event. Texts go in and out as JSON.
class WebGame {
public:
    // A seed deals as the simulator does with the same seed; without one the
    // deals follow the clock, as the desktop game's do.
    explicit WebGame(std::optional<std::uint64_t> seed = std::nullopt);

    // Makes the start-up selections, then those remembered: `remembered` holds
    // one "key\tvalue" a line, and a line with no tab stands for a key whose
    // value is no plain text. Returns the keys ignored, as a JSON array.
    std::string Start(const std::string& remembered);

    // One event, as the page names it:
    //   "click" on cmdNew, cmdDone, cmdExit or imgCard (with its index);
    //   "choose" an item's text in cmbWidth, cmbHeight, cmbPlayers,
    //     cmbPlayerType or cmbComputerLevel (with the seat's index);
    //   "check" a box (chkHighlight ...) to "0" or "1";
    //   "type" a name into txtPlayer (with the seat's index);
    //   "slide" sldSpeed to a position;
    //   "tick" of tmrCardDelay or tmrComputerDelay.
    // Returns false for an event no control of the window sends; the game is
    // then left as it was.
    bool Handle(const std::string& kind, const std::string& name, int index, const std::string& value);

    // Every control of the window model with what it holds, as JSON.
    std::string State() const;
    // What the last event did, with the sound cues it calls for and the
    // sentences that tell it, as JSON.
    std::string Happenings() const;
    // The game's words, as JSON, for "state" (what F2 tells), "outcome" (as
    // it is heard, with the final scores), "outcomeLines" (as it is shown),
    // and what a key on the board says when it turns nothing up:
    // "computerPlaying", "pressAgain" and "turnedBack".
    std::string Spoken(const std::string& what) const;
    // The choices to remember, one "key\tvalue" a line.
    std::string ChoicesToKeep() const;

    // What a screen reader reads for card slot `position` as it shows now, as
    // JSON; nothing for a number that is no slot.
    std::string CardWords(int position) const;
    // Where the keyboard's mark goes from slot `from` (-1 for none) for the
    // key named `key` ("ArrowLeft" ... "ArrowDown", "Home", "End"), among the
    // cards on the board: `from` for any other key, -1 with no card there.
    int MarkAfterKey(int from, const std::string& key) const;
    // Where the mark goes when the card at slot `gone` leaves the board: the
    // nearest card left, or -1.
    int MarkAfterGone(int gone) const;

    const MainForm& Form() const { return *form_; }

private:
    std::unique_ptr<RandomSource> random_;
    std::unique_ptr<MainForm> form_;
    std::vector<Happening> happened_;
};

// The main window's layout table, its focus order and its client size, as JSON.
std::string LayoutJson();

// The game's words, as JSON, for what a control shows for the text the game
// holds for it: `name` and `index` (-1 for a single control) name the control
// in the layout table; a name no control has is shown as it is.
std::string ShownTextJson(const std::string& name, int index, const std::string& text);

// The accessible name of a control of the layout as JSON (empty words where
// its own caption serves), and a seat's score box's for the name its label
// holds.
std::string ControlWordsJson(const std::string& name, int index);
std::string ScoreWordsJson(int seat, const std::string& playerName);
// How the board is used by keyboard, as a screen reader describes it, as JSON.
std::string BoardDescriptionJson();

// The catalogue of `spoken` (one name a line) for the first language of
// `wanted` (one a line, most wanted first) the game speaks; empty for English.
std::string ChooseCatalogueOf(const std::string& wanted, const std::string& spoken);

// A JSON string literal of `text`.
std::string JsonString(const std::string& text);

}  // namespace pairon
