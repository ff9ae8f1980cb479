#include "window/setup_flow.h"

#include "board/board.h"
#include "game/game_rules.h"
#include "opponent/opponent.h"
#include "pictures/picture_files.h"

namespace pairon {

void Form_Load(MainForm& form) {
    ChooseHeight(form, "3");
    ChooseWidth(form, "6");
    ChoosePlayers(form, "1");
    for (int i = 0; i < kSeats; ++i) {
        ChoosePlayerType(form, i, kHumanType);
        ChooseComputerLevel(form, i, "Average");
    }
}

void cmdNew_Click(MainForm& form) {
    // A delay left running by the game before must not act on this one: a
    // stale card-delay tick would turn the new game's first card back, and a
    // stale computer tick would swallow its first click.
    form.tmrCardDelay.Stop();
    form.tmrComputerDelay.Stop();

    if (form.cmdNew.caption == kNewGameCaption) {
        DealCards(form);
        ResizeWindow(form);
        form.fraDimensions.visible = false;
        form.fraOptions.visible = false;
        form.fraPlayers.visible = true;
        form.cmdNew.caption = kEndGameCaption;
        form.imgGame.Load(kNewGameBackgroundFile);
    } else {
        ResizeWindow(form);
        form.fraDimensions.visible = true;
        form.fraOptions.visible = true;
        form.fraPlayers.visible = false;
        form.fraOutcome.visible = false;
        form.cmdNew.caption = kNewGameCaption;
        form.imgGame.Load(kSetupBackgroundFile);
    }
}

void cmdDone_Click(MainForm& form) {
    for (int i = 0; i < kSeats; ++i) {
        form.lblPlayer[i].text =
            form.cmbPlayerType[i].Text() == kHumanType ? form.txtPlayer[i].text : std::string(kComputerName);
    }
    form.fraPlayers.visible = false;
    form.lblPlayerTurn.text = form.lblPlayer[0].text;
    DeterminePlayer(form);
}

void cmbPlayerType_Click(MainForm& form, int index) {
    if (index < 0 || index >= kSeats) return;
    form.cmbComputerLevel[index].visible = form.cmbPlayerType[index].Text() == kComputerName;
}

void chkBackground_Click(MainForm& form) {
    const bool show = form.chkBackground.value != 0;
    form.imgGame.visible = show;
    form.imgPlayer.visible = show;
}

void cmdExit_Click(MainForm& form) { form.exitRequested = true; }

void ChooseWidth(MainForm& form, std::string_view text) {
    if (form.cmbWidth.SelectText(text)) cmbWidth_Click(form);
}

void ChooseHeight(MainForm& form, std::string_view text) {
    if (form.cmbHeight.SelectText(text)) cmbHeight_Click(form);
}

void ChoosePlayers(MainForm& form, std::string_view text) { form.cmbPlayers.SelectText(text); }

void ChoosePlayerType(MainForm& form, int seat, std::string_view text) {
    if (seat < 0 || seat >= kSeats) return;
    if (form.cmbPlayerType[seat].SelectText(text)) cmbPlayerType_Click(form, seat);
}

void ChooseComputerLevel(MainForm& form, int seat, std::string_view text) {
    if (seat < 0 || seat >= kSeats) return;
    form.cmbComputerLevel[seat].SelectText(text);
}

void SetCheckBox(MainForm& form, CheckBox& box, int value) {
    if (box.value == value) return;
    box.value = value;
    if (&box == &form.chkBackground) chkBackground_Click(form);
}

void MoveSpeedSlider(MainForm& form, int value) {
    if (value < form.sldSpeed.min) value = form.sldSpeed.min;
    if (value > form.sldSpeed.max) value = form.sldSpeed.max;
    if (value == form.sldSpeed.value) return;
    form.sldSpeed.value = value;
    sldSpeed_Click(form);
}

}  // namespace pairon
