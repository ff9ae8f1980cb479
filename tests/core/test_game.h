#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "game/happenings.h"
#include "game/main_form.h"
#include "game/random.h"
#include "window/virtual_clock.h"

namespace pairon::test {

// Hands out the values queued by a test first, then those of a seeded
// generator. Reseeding from the clock changes nothing, so a test that queues
// values decides every draw that matters to it.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::uint64_t seed = 1) : fallback_(seed) {}

    void Queue(double u) { queued_.push_back(u); }
    void Queue(std::initializer_list<double> values) { queued_.insert(queued_.end(), values); }
    // Queues the value that picks item k of n items: floor(u * n) == k.
    void QueueItem(int k, int n) { Queue((k + 0.5) / n); }

    double Uniform() override;
    void ReseedFromClock() override {}

    std::size_t Queued() const { return queued_.size(); }
    std::size_t Draws() const { return draws_; }

private:
    std::deque<double> queued_;
    SeededRandom fallback_;
    std::size_t draws_ = 0;
};

// One seat of the player panel, as a test fills it in.
struct Seat {
    bool computer = false;
    std::string text;  // a human's name, or a computer's level
};
inline Seat Human(std::string name) { return Seat{false, std::move(name)}; }
inline Seat Computer(std::string level = "Average") { return Seat{true, std::move(level)}; }

// The main window after start-up, driven by the events a player and the two
// timers send, in virtual time. After every event the game's standing rules
// are checked while a game is on the board (from Done to the last pair); a
// broken rule fails the test with its description.
class TestGame {
public:
    explicit TestGame(std::uint64_t seed = 1);
    TestGame(const TestGame&) = delete;
    TestGame& operator=(const TestGame&) = delete;

    ScriptedRandom random;
    MainForm form;
    VirtualClock clock;
    // What each event did, as sound and speech hear it, from start-up on.
    std::vector<Happening> heard;

    // Setup controls, each changed as with the mouse, so its handler runs.
    void ChooseWidth(std::string_view width);
    void ChooseHeight(std::string_view height);
    void ChooseBoard(int width, int height);
    void ChoosePlayers(int seats);
    void ChooseType(int seat, std::string_view type);
    void ChooseLevel(int seat, std::string_view level);
    void TypeName(int seat, std::string_view name);
    void SetHighlight(bool on);
    void SetMultiplePairs(bool on);
    void SetBackground(bool on);
    void MoveSpeed(int position);

    // Buttons. NewGame and EndGame expect the caption they press.
    void NewGame();
    void Done();
    void EndGame();
    void Exit();

    // A click reaches a card slot only while the slot is shown and the player
    // panel does not cover the board, as on screen.
    void Click(int code);
    // Lets virtual time pass, firing every timer tick that falls due.
    void Advance(std::int64_t milliseconds);

    // Board size, players, a new game, the seat rows, the given deal, Done.
    void Start(int width, int height, const std::vector<Seat>& seats, std::vector<int> faces);

    // After New Game: lays exactly these faces on the board, in board-index
    // order (row by row), so the test knows where every card lies.
    void ScriptDeal(std::vector<int> faces);

    int Width() const;
    int Height() const;
    // Position code of board index k.
    int Code(int boardIndex) const;
    // Position codes of every card with this face, in board order.
    std::vector<int> PositionsOf(int face) const;
    // The two position codes of a face that lies on exactly one pair.
    int FirstOf(int face) const;
    int SecondOf(int face) const;

    // Clicks the two shown cards of a face, finding the pair.
    void TakePair(int face);
    // Clicks a shown card of each face and waits out the pause.
    void Miss(int faceA, int faceB);
    // Faces with cards still on the board, ascending.
    std::vector<int> FacesLeft() const;

    // The computer's next random pick lands on this card.
    void QueueRandomPick(int code);
    // The value drawn for the computer's recall test (0 always recalls
    // unless the level is "Shocking").
    void QueueRecallDraw(double u = 0.0) { random.Queue(u); }

    // What a player sees.
    bool SlotShown(int code) const;
    std::string SlotPicture(int code) const;
    // The face number shown face up in the slot, or 0 for a card back.
    int FaceShown(int code) const;
    std::vector<int> ShownSlots() const;
    std::vector<int> FaceUpSlots() const;
    std::string PlayerToSelect() const { return form.lblPlayerTurn.text; }
    std::string PairsRemaining() const { return form.lblPairs.text; }
    std::string Turns() const { return form.lblTurn.text; }
    std::string Score(int seat) const { return form.lblScore[static_cast<std::size_t>(seat)].text; }
    std::string Name(int seat) const { return form.lblPlayer[static_cast<std::size_t>(seat)].text; }
    // The seats whose name is printed in bold.
    std::vector<int> BoldSeats() const;
    const std::vector<std::string>& OutcomeLines() const { return form.picOutcome.lines; }
    std::string ResultPicture() const { return form.picResult.file; }

private:
    void AfterEvent(std::string_view event);
    void Hear();
    void CheckInvariants(std::string_view event);

    GameSnapshot snapshot_;
};

// The texts of a list, in order.
std::vector<std::string> Items(const TextList& list);
// The face picture of a face number.
std::string FaceFile(int face);

}  // namespace pairon::test
