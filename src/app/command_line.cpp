#include "app/command_line.h"

#include <QCoreApplication>
#include <cstdio>

#include "files/choices_file.h"

namespace pairon {

namespace {

QString Translated(const char* text) { return QCoreApplication::translate("CommandLine", text); }

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

}  // namespace

QString CommandLine::ChoicesPath() const { return remember ? ChoicesFile::UsualPath() : QString(); }

void ChooseForThisRun(const CommandLine& line, ChoicesFile& choices) {
    if (!line.sound) choices.ChooseForThisRun("Options/Sound", "0");
}

CommandLine ReadCommandLine(const QStringList& arguments) {
    CommandLine line;
    bool help = false;
    bool version = false;
    bool unknown = false;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            help = true;
        } else if (argument == QLatin1String("-v") || argument == QLatin1String("--version")) {
            version = true;
        } else if (argument == QLatin1String("--no-remember")) {
            line.remember = false;
        } else if (argument == QLatin1String("--no-sound")) {
            line.sound = false;
        } else if (!unknown) {
            unknown = true;
            line.refused = argument;
        }
    }
    if (help) {
        line.ask = CommandLine::Ask::Help;
    } else if (version) {
        line.ask = CommandLine::Ask::Version;
    } else if (unknown) {
        line.ask = CommandLine::Ask::Usage;
    }
    return line;
}

CommandLine ReadCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int k = 1; k < argc; ++k) arguments << QString::fromLocal8Bit(argv[k]);
    return ReadCommandLine(arguments);
}

std::optional<int> Answer(const CommandLine& line) {
    switch (line.ask) {
        case CommandLine::Ask::Play: return std::nullopt;
        case CommandLine::Ask::Help:
            Print(stdout, Translated("Usage: pairon [--no-remember] [--no-sound]\n"
                                     "A pairs-matching card game for one to four players.\n"
                                     "\n"
                                     "  --no-remember  start from the usual setup and keep no choices,\n"
                                     "                 for machines that many people share\n"
                                     "  --no-sound     start with the \"Sound\" option off for this run;\n"
                                     "                 the option itself stays as it is remembered\n"
                                     "  -h, --help     show this help and end\n"
                                     "  -v, --version  show the version and end\n"
                                     "\n"
                                     "The board, the options, the speed and each seat's type, name and level\n"
                                     "are kept from one start to the next in %1.\n")
                              .arg(ChoicesFile::UsualPath()));
            return 0;
        case CommandLine::Ask::Version:
            Print(stdout, QStringLiteral("Pairon %1\n").arg(QStringLiteral(PAIRON_VERSION)));
            return 0;
        case CommandLine::Ask::Usage:
            Print(stderr, Translated("pairon: unknown argument '%1'; usage: pairon [--no-remember] [--no-sound] [--help] [--version]\n")
                              .arg(line.refused));
            return 2;
    }
    return std::nullopt;
}

std::optional<int> AnswerAtOnce(int argc, char** argv) {
    const CommandLine line = ReadCommandLine(argc, argv);
    if (line.ask == CommandLine::Ask::Help || line.ask == CommandLine::Ask::Version) return Answer(line);
    return std::nullopt;
}

}  // namespace pairon
