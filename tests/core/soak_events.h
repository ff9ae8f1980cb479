#pragma once

// The soak's vocabulary: every event a player or a timer can send to the main
// window, in a form that can be recorded, replayed, shrunk and printed back as
// C++ that pastes into a plain test.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "game/main_form.h"
#include "game/random.h"
#include "window/virtual_clock.h"

namespace pairon::soak {

enum class Kind {
    ChooseWidth,      // text: "4" ... "10"
    ChooseHeight,     // text: "2" ... "5"
    ChoosePlayers,    // text: "1" ... "4"
    CheckHighlight,   // a: 0 or 1
    CheckMultiple,    // a: 0 or 1
    CheckBackground,  // a: 0 or 1
    MoveSpeed,        // a: slider position
    PressNewGame,     // the New Game / End Game button, whatever it reads
    ChooseType,       // a: seat, text: "Human" or "Computer"
    ChooseLevel,      // a: seat, text: a level
    TypeName,         // a: seat, text: the name typed
    Done,
    Click,            // a: position code of the card slot
    Wait,             // a: milliseconds of virtual time; due timer ticks fire
    Help,             // the help window opens; the game is not touched
    EndHelp,          // the help window's End Help
    HelpTab,          // a: the tab chosen in the help window, 0 ... 5
    CloseHelp,        // the help window closed through its frame
    Exit,             // ends the run
};

struct SoakEvent {
    Kind kind = Kind::Wait;
    int a = 0;
    std::string text;

    bool operator==(const SoakEvent&) const = default;
};

// The events as a test writes them.
inline SoakEvent ChooseWidth(std::string text) { return {Kind::ChooseWidth, 0, std::move(text)}; }
inline SoakEvent ChooseHeight(std::string text) { return {Kind::ChooseHeight, 0, std::move(text)}; }
inline SoakEvent ChoosePlayers(std::string text) { return {Kind::ChoosePlayers, 0, std::move(text)}; }
inline SoakEvent CheckHighlight(int value) { return {Kind::CheckHighlight, value, {}}; }
inline SoakEvent CheckMultiple(int value) { return {Kind::CheckMultiple, value, {}}; }
inline SoakEvent CheckBackground(int value) { return {Kind::CheckBackground, value, {}}; }
inline SoakEvent MoveSpeed(int position) { return {Kind::MoveSpeed, position, {}}; }
inline SoakEvent PressNewGame() { return {Kind::PressNewGame, 0, {}}; }
inline SoakEvent ChooseType(int seat, std::string type) { return {Kind::ChooseType, seat, std::move(type)}; }
inline SoakEvent ChooseLevel(int seat, std::string level) { return {Kind::ChooseLevel, seat, std::move(level)}; }
inline SoakEvent TypeName(int seat, std::string name) { return {Kind::TypeName, seat, std::move(name)}; }
inline SoakEvent Done() { return {Kind::Done, 0, {}}; }
inline SoakEvent Click(int code) { return {Kind::Click, code, {}}; }
inline SoakEvent Wait(int milliseconds) { return {Kind::Wait, milliseconds, {}}; }
inline SoakEvent Help() { return {Kind::Help, 0, {}}; }
inline SoakEvent EndHelp() { return {Kind::EndHelp, 0, {}}; }
inline SoakEvent HelpTab(int tab) { return {Kind::HelpTab, tab, {}}; }
inline SoakEvent CloseHelp() { return {Kind::CloseHelp, 0, {}}; }
inline SoakEvent Exit() { return {Kind::Exit, 0, {}}; }

// The event as the C++ expression that makes it, e.g. `TypeName(1, "Computer")`.
std::string Describe(const SoakEvent& event);

// Counts the draws of the game's generator, so that a handler that keeps
// drawing (a computer pick that finds no card) is caught instead of spinning.
class CountingRandom : public RandomSource {
public:
    explicit CountingRandom(std::uint64_t seed) : inner_(seed) {}
    double Uniform() override {
        ++draws;
        return inner_.Uniform();
    }
    void ReseedFromClock() override { inner_.ReseedFromClock(); }

    long draws = 0;

private:
    SeededRandom inner_;
};

struct SoakFailure {
    std::string rule;    // what went wrong, the same wherever it happens
    std::string detail;  // where and when
    std::size_t event = 0;  // index of the event during which it went wrong
};

// A further check a test may plant: returns a non-empty rule when broken.
using ExtraCheck = std::function<std::string(const MainForm&)>;

// What the soak saw, so a test can tell that it reached what it meant to.
struct SoakTally {
    std::size_t events = 0;  // events applied (impossible ones are skipped)
    std::size_t ticks = 0;   // timer ticks fired during waits
    std::size_t gamesStarted = 0;
    std::size_t gamesFinished = 0;
    std::set<std::pair<int, int>> boards;     // width, height of games started
    std::set<int> seatCounts;                 // of games played past Done
    std::set<std::string> resultPictures;     // of games finished
    std::set<std::string> seatMixes;          // e.g. "HCC": the seat kinds at Done
    bool computerNamedHuman = false;          // a human seat named "Computer" played
    bool highlightGame = false, multipleGame = false;
};

// Whether the event could happen now on this window: its control is shown and
// not covered; End Help and the tabs only while the help window is open.
bool Possible(const MainForm& form, bool helpShown, const SoakEvent& event);

// Whether a click now must change nothing: before a game, or while a
// computer seat is to play. What such a click could disturb is compared.
bool ClickMustBeIgnored(const MainForm& form);
struct SoakSnapshot {
    std::vector<std::string> selection, indexes, selected, slotFiles;
    std::string index1, index2, turn, pairs, playerTurn;
    bool cardTimer = false, computerTimer = false;
    std::vector<bool> slotsShown;
    bool operator==(const SoakSnapshot&) const = default;
};
SoakSnapshot TakeSnapshot(const MainForm& form);

// Everything the soak checks after each event and each timer tick: the
// game's standing rules while a game runs, the window's state, what the
// player sees, the deal, the outcome, the delays; the first broken rule is
// kept.
class SoakChecks {
public:
    SoakChecks(const MainForm& form, const CountingRandom& random, const VirtualClock& clock, ExtraCheck extra = {});

    void After(const std::string& what);
    void Fail(std::string rule, const std::string& detail);

    // What the events did, for the checks that depend on history.
    void BoardLaidOut() { revealedSinceLayout_.clear(); }
    void GameStarted();
    void SeatsConfirmed();
    void Applied() { ++tally_.events; }
    void Ticked() { ++tally_.ticks; }

    const std::optional<SoakFailure>& Failure() const { return failure_; }
    std::optional<SoakFailure>& Failure() { return failure_; }
    const SoakTally& Tally() const { return tally_; }

private:
    void CheckSetupBoard(const std::string& after);
    void CheckDeal(const std::string& after);
    void CheckPlay(const std::string& after);
    void CheckOutcome(const std::string& after);

    const MainForm& form;
    const CountingRandom& random_;
    const VirtualClock& clock_;
    ExtraCheck extra_;
    std::optional<SoakFailure> failure_;
    bool outcomeChecked_ = false;
    std::set<int> revealedSinceLayout_;
    SoakTally tally_;
};

// The main window after start-up with a seeded generator and a virtual clock.
// Apply runs an event only if it could happen on screen in the present state
// (a hidden control takes no click), then checks everything the player could
// see; the first broken rule stops the run.
class SoakGame {
public:
    explicit SoakGame(std::uint64_t seed, ExtraCheck extra = {});
    SoakGame(const SoakGame&) = delete;
    SoakGame& operator=(const SoakGame&) = delete;

    bool Possible(const SoakEvent& event) const { return soak::Possible(form, helpShown_, event); }
    // Returns false once a rule is broken or the game has exited.
    bool Apply(const SoakEvent& event);

    const std::optional<SoakFailure>& Failure() const { return checks_.Failure(); }
    bool Exited() const { return form.exitRequested; }
    bool HelpShown() const { return helpShown_; }
    const SoakTally& Tally() const { return checks_.Tally(); }

    CountingRandom random;
    MainForm form;
    VirtualClock clock;

private:
    void Run(const SoakEvent& event);
    void Wait(int milliseconds);

    SoakChecks checks_;
    std::size_t applied_ = 0;
    bool helpShown_ = false;
};

// Makes, for the present state of a game, a random event that could happen
// on screen: each control only while it is shown, card clicks that sometimes
// take a pair the way a player with a good memory would, random waits.
class SoakGenerator {
public:
    explicit SoakGenerator(std::uint64_t seed) : rng_(seed) {}
    SoakEvent Next(const MainForm& form, bool helpShown);
    SoakEvent Next(const SoakGame& game) { return Next(game.form, game.HelpShown()); }

private:
    int Below(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    SoakEvent SomeWait();
    SoakEvent SomeClick(const MainForm& form);

    std::mt19937_64 rng_;
};

struct SoakRun {
    std::vector<SoakEvent> events;  // as applied, up to and including a failure
    std::optional<SoakFailure> failure;
    SoakTally tally;
};

// One generated sequence of up to `count` events from a fresh window.
SoakRun RunSoak(std::uint64_t seed, std::size_t count, const ExtraCheck& extra = {});

// Replays recorded events on a fresh window with the same seed.
std::optional<SoakFailure> ReplaySoak(std::uint64_t seed, const std::vector<SoakEvent>& events,
                                      const ExtraCheck& extra = {});

// The shortest list found (delta debugging, then single removals until none
// helps) that still breaks the same rule.
std::vector<SoakEvent> ShrinkSoak(std::uint64_t seed, std::vector<SoakEvent> events, const std::string& rule,
                                  const ExtraCheck& extra = {});

// A report of a failure: the seed, the rule, and the shrunk events as C++
// lines that paste into a plain test.
std::string FailureReport(std::uint64_t seed, const SoakFailure& failure, const std::vector<SoakEvent>& shrunk,
                          const ExtraCheck& extra = {});

// "" when the replay breaks no rule, else the rule and where.
std::string DescribeFailure(const std::optional<SoakFailure>& failure);

}  // namespace pairon::soak
