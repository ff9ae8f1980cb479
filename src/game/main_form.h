#pragma once

#include <array>

#include "game/controls.h"
#include "game/random.h"

namespace pairon {

inline constexpr int kSeats = 4;
inline constexpr int kCardSlots = 50;

// Everything the game knows lives in the controls of the main window; this is
// that window without any widgets. The game procedures read and write it, the
// Qt view shows it. A fresh MainForm holds the start state of the window
// layout, before Form_Load makes its start-up selections.
struct MainForm {
    explicit MainForm(RandomSource& randomSource);

    RandomSource& random;

    // Top level
    Button cmdNew, cmdHelp, cmdExit;
    Panel fraInvisible, fraOutcome, fraPlayers, fraDimensions, fraOptions, fraCommentary,
        fraScore, fraGame;

    // Dimensions
    DropDown cmbWidth, cmbHeight;
    Label Width, Height;

    // Game options
    CheckBox chkHighlight, chkMultiple, chkBackground;
    // Whether the game is heard. Only the sound reads it, never the rules.
    CheckBox chkSound;
    DropDown cmbPlayers;
    Label Players;

    // Commentary
    Label lblPairs, lblPlayerTurn, Player, Remaining;

    // Score board
    Slider sldSpeed;
    Label Speed;
    std::array<Label, kSeats> lblPlayer, lblScore;

    // Player details
    std::array<DropDown, kSeats> cmbComputerLevel, cmbPlayerType;
    std::array<TextBox, kSeats> txtPlayer;
    Button cmdDone;
    Picture imgPlayer;

    // Game window
    std::array<Picture, kCardSlots> imgCard;
    Picture imgGame;

    // Outcome
    DrawingBox picOutcome, picResult;

    // Invisible objects: the game's hidden state
    TextList lstMatches, lstSelected, lstIndexes, lstShuffled, lstSelection;
    Timer tmrCardDelay, tmrComputerDelay;
    Label lblTurn, lblIndex1, lblIndex2;

    // Set by Exit (or by closing the window); the view ends the program.
    bool exitRequested = false;
};

}  // namespace pairon
