#pragma once

#include <array>
#include <string>
#include <vector>

#include "game/main_form.h"

namespace pairon {

// What one event did to the game, in the words a player would use: a card
// turned up, a pair, a miss, the cards turned back, the end. Sound and speech
// listen to this; the rules never announce anything themselves, so the list
// is derived by comparing the window before and after each event.
enum class HappeningKind {
    GameDealt,        // New Game: the board is dealt, the seats wait to be filled in
    PlayStarted,      // Done: the first seat is to play
    CardShown,        // a card turned face up, by a human or a computer
    PairFound,        // the two cards of the turn are equal: they leave the board
    Missed,           // the two cards differ: the turn passes to `nextSeat`
    CardsTurnedBack,  // the cards of a miss are face down again
    GameWon,          // the outcome: `seat` won (a human or a computer)
    GameDrawn,        // the outcome: a shared highest score
    GameFinished,     // the outcome of a game played alone
    GameLeft,         // End Game: back to the setup
};

struct Happening {
    HappeningKind kind;
    int seat = -1;          // who did it, or who won
    int position = -1;      // CardShown: the card's position code
    int face = 0;           // CardShown, PairFound: the face number
    bool second = false;    // CardShown: the second card of a turn
    bool computer = false;  // the seat is a computer seat
    int nextSeat = -1;      // Missed: the seat to play now; PlayStarted: the first seat
    int score = 0;          // PairFound: the seat's new score
    int pairsLeft = 0;      // PairFound: the pairs still on the board
    std::vector<int> positions{};  // CardsTurnedBack, PairFound: the cards concerned
};

// What the window looks like as far as happenings go: cheap to take before and
// after every event.
struct GameSnapshot {
    struct Card {
        int face = 0;  // the face shown, 0 for a back or nothing
        unsigned loads = 0;
        bool visible = false;
    };
    std::array<Card, kCardSlots> cards{};
    std::array<int, kSeats> scores{};
    int turns = 0;
    int seats = 1;
    int pairsLeft = 0;
    int selected = 0;  // cards up in the current turn
    bool playing = false;  // a game is on the board, from Done to the end
    bool dealt = false;    // between New Game and End Game
    bool outcome = false;
};

GameSnapshot TakeGameSnapshot(const MainForm& form);

// The happenings between two snapshots, in the order they took place.
std::vector<Happening> WhatHappened(const GameSnapshot& before, const GameSnapshot& after, const MainForm& form);

// Somebody who wants to hear what each event did.
class HappeningListener {
public:
    virtual ~HappeningListener() = default;
    virtual void Heard(const std::vector<Happening>& happenings, const MainForm& form) = 0;
};

}  // namespace pairon
