#pragma once

#include "game/main_form.h"

namespace pairon {

// Dealing
void DealCards(MainForm& form);

// Turn flow
void CheckCards(MainForm& form);
void tmrCardDelay_Timer(MainForm& form);
void TurnOver(MainForm& form);
void DeterminePlayer(MainForm& form);

// Matches, scoring and the outcome
void MatchFound(MainForm& form);
void DetermineOutcome(MainForm& form);

// Helpers the rules share: the board's dimensions, the seat count and the
// seat whose turn it is, all read afresh from the window.
int BoardWidth(const MainForm& form);
int BoardHeight(const MainForm& form);
int SeatCount(const MainForm& form);
int CurrentSeat(const MainForm& form);

inline constexpr std::string_view kComputerName = "Computer";
inline constexpr std::string_view kHumanType = "Human";
inline constexpr std::string_view kNewGameCaption = "New Game";
inline constexpr std::string_view kEndGameCaption = "End Game";

}  // namespace pairon
