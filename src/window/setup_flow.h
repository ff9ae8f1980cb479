#pragma once

#include <string_view>

#include "game/main_form.h"

namespace pairon {

// Start-up selections, made as the window is created and before it shows.
void Form_Load(MainForm& form);

void cmdNew_Click(MainForm& form);
void cmdDone_Click(MainForm& form);
void cmbPlayerType_Click(MainForm& form, int index);
void chkBackground_Click(MainForm& form);
void cmdExit_Click(MainForm& form);

// What a player does to the setup controls: each selection change runs the
// list's handler, exactly as a change made with the mouse would.
void ChooseWidth(MainForm& form, std::string_view text);
void ChooseHeight(MainForm& form, std::string_view text);
void ChoosePlayers(MainForm& form, std::string_view text);
void ChoosePlayerType(MainForm& form, int seat, std::string_view text);
void ChooseComputerLevel(MainForm& form, int seat, std::string_view text);
void SetCheckBox(MainForm& form, CheckBox& box, int value);
void MoveSpeedSlider(MainForm& form, int value);

}  // namespace pairon
