#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

#include "game/main_form.h"
#include "window/wording.h"

namespace pairon {

struct ControlLayout;

// The game keeps its texts in English, because its rules compare them, and
// so do the remembered choices; what the window shows goes through these, in
// the player's language. A name a player typed is shown as typed.

// A text of the game's words in the player's language.
QString Rendered(const Words& words);

// Texts as they are spoken: each line a sentence of its own, the empty ones
// passed over; and those sentences joined with spaces.
QStringList SpokenLines(const std::vector<Words>& words);
QString Spoken(const std::vector<Words>& words);

// The text a control shows for the text the game holds for it: a caption or
// list item in the player's language, a number as it is, and a name as
// ShownName() says; a name box shows a computer's name as typed.
QString ShownText(const ControlLayout& control, std::string_view text);

// A seat's name: a computer seat's "Computer" and a default name ("Player 1"
// ... "Player 4") in the player's language, any other as typed.
QString ShownName(std::string_view name);

// The lines of the outcome panel, as the game printed them, told again as a
// whole in the player's language with its own line breaks. Lines of no known
// shape are shown as printed.
QStringList ShownOutcome(const std::vector<std::string>& lines);

QString MainWindowCaption();

// A text of the game's, UTF-8, shown as it is: a name, a file's path.
QString Untranslated(std::string_view text);

// What the player is told when a picture file can't be loaded.
QString PictureFailureMessage(const QString& path);

// The outcome's printed lines as they read, the empty ones left out, and
// while the outcome shows the final scores after them.
QStringList SpokenOutcome(const MainForm& form);

}  // namespace pairon
