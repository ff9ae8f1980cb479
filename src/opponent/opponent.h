#pragma once

#include "game/main_form.h"

namespace pairon {

// Each step of the speed slider adds this much to each delay.
inline constexpr int kCardDelayPerStep = 300;
inline constexpr int kComputerDelayPerStep = 400;

// One computer pick per tick of the computer timer.
void tmrComputerDelay_Timer(MainForm& form);
void ComputerTurn(MainForm& form);

// The three ways the computer picks a card.
void FirstSelect(MainForm& form);
void SecondSelect(MainForm& form);
void RandomSelect(MainForm& form);

// The speed slider sets the intervals of both delay timers.
void sldSpeed_Click(MainForm& form);

// How the computer seat at `seat` uses what it has seen: 4 for "Excellent"
// down to 0 for "Shocking".
int SkillValue(const MainForm& form, int seat);

// A RandomSelect that needed more draws than this has met a board with no
// eligible card, which play never produces; it then picks nothing.
inline constexpr long kRandomSelectDrawLimit = 1'000'000;

}  // namespace pairon
