#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace pairon {

// What the command line asks of the game.
struct CommandLine {
    enum class Ask { Play, Help, Version, Usage };
    Ask ask = Ask::Play;
    // False with --no-remember: the usual start-up, and nothing kept.
    bool remember = true;
    // False with --no-sound: the "Sound" box starts unticked for this run.
    bool sound = true;
    // The first argument the game does not know, for the usage line.
    QString refused;

    // Where the game keeps its choices; empty when it is to keep none.
    QString ChoicesPath() const;
};

class ChoicesFile;

// Gives `choices` what this run chooses over what they remember: with
// --no-sound, the "Sound" box unticked.
void ChooseForThisRun(const CommandLine& line, ChoicesFile& choices);

// Reads the arguments after the program's name. --help and --version win
// over anything else on the line.
CommandLine ReadCommandLine(const QStringList& arguments);
CommandLine ReadCommandLine(int argc, char** argv);

// Prints what the line asks for: the help or the version on stdout, or one
// line of usage on stderr for an argument the game does not know. Returns the
// status to end with, or nothing when the game is to start.
std::optional<int> Answer(const CommandLine& line);

// Answers --help and --version before anything else starts, so they need no
// display. Anything else waits until Qt has taken its own options.
std::optional<int> AnswerAtOnce(int argc, char** argv);

}  // namespace pairon
