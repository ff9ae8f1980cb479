#pragma once

#include <QAccessible>
#include <QString>
#include <QStringList>
#include <string_view>

#include "game/controls.h"
#include "pictures/picture_files.h"

class QWidget;

namespace pairon {

struct ControlLayout;

// What a screen reader says for the controls of the main window.

// A short word for what face n (1 ... 26) shows, e.g. "circle"; empty for any
// other number.
QString FaceName(int face);

// A card slot as it reads: "Card, row 2, column 3, face down", or "... face
// up, star" while the slot shows a face. Whether a face shows is taken from
// the file the slot shows, never from the deal, so a card lying face down
// cannot give its face away. Rows and columns count from 1. A face that shows
// a picture of the player's own deck reads as `deckFace`, the picture's name.
QString CardSlotName(int position, const Picture& picture, const QString& deckFace = {});

// The fixed accessible name of a control of the layout: lists, name boxes,
// the slider, display boxes and pictures, which show no caption of their own
// a screen reader could take. Empty where the control's own caption or text
// serves (buttons, check boxes, panels, plain labels) and for the card slots,
// whose names follow the game.
QString ControlAccessibleName(const ControlLayout& control);

// What the result picture shows, for the picture file it holds.
QString ResultPictureDescription(std::string_view file);

// The accessible name of a seat's score box, after the seat's name label.
QString ScoreAccessibleName(int seat, std::string_view playerName);

// Sets a widget's accessible name or description and tells assistive
// technology when it changed. Returns whether it changed.
bool SetAccessibleText(QWidget* widget, QAccessible::Text which, const QString& text);

// Gives the game's own widgets fitting roles (pictures, the board). Safe to
// call more than once.
void InstallAccessibleInterfaces();

}  // namespace pairon
