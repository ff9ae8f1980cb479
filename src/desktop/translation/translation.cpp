#include "desktop/translation/translation.h"

#include <QCoreApplication>
#include <algorithm>

#include "game/game_rules.h"
#include "game/numbers.h"
#include "game/window_layout.h"

namespace pairon {

namespace {

// Every fixed text the main window shows, as the layout and the game hold
// them; listed here for the catalogues, translated where shown.
[[maybe_unused]] constexpr const char* kWindowTexts[] = {
    QT_TRANSLATE_NOOP("MainWindow", "Pairon Game"),
    QT_TRANSLATE_NOOP("MainWindow", "New Game"),
    QT_TRANSLATE_NOOP("MainWindow", "End Game"),
    QT_TRANSLATE_NOOP("MainWindow", "Help"),
    QT_TRANSLATE_NOOP("MainWindow", "Exit"),
    QT_TRANSLATE_NOOP("MainWindow", "Done"),
    QT_TRANSLATE_NOOP("MainWindow", "Dimensions"),
    QT_TRANSLATE_NOOP("MainWindow", "Width"),
    QT_TRANSLATE_NOOP("MainWindow", "Height"),
    QT_TRANSLATE_NOOP("MainWindow", "Game Options"),
    QT_TRANSLATE_NOOP("MainWindow", "Players"),
    QT_TRANSLATE_NOOP("MainWindow", "Background Picture"),
    QT_TRANSLATE_NOOP("MainWindow", "Multiple Pairs"),
    QT_TRANSLATE_NOOP("MainWindow", "Highlight Selected"),
    QT_TRANSLATE_NOOP("MainWindow", "Cards"),
    QT_TRANSLATE_NOOP("MainWindow", "Standard"),
    QT_TRANSLATE_NOOP("MainWindow", "Add pictures…"),
    QT_TRANSLATE_NOOP("MainWindow", "Remove deck…"),
    QT_TRANSLATE_NOOP("MainWindow", "Sound"),
    QT_TRANSLATE_NOOP("MainWindow", "Commentary"),
    QT_TRANSLATE_NOOP("MainWindow", "Player to Select Cards"),
    QT_TRANSLATE_NOOP("MainWindow", "Pairs Remaining"),
    QT_TRANSLATE_NOOP("MainWindow", "Score Board"),
    QT_TRANSLATE_NOOP("MainWindow", "Game Speed"),
    QT_TRANSLATE_NOOP("MainWindow", "Player Details"),
    QT_TRANSLATE_NOOP("MainWindow", "Human"),
    QT_TRANSLATE_NOOP("MainWindow", "Computer"),
    QT_TRANSLATE_NOOP("MainWindow", "Excellent"),
    QT_TRANSLATE_NOOP("MainWindow", "Good"),
    QT_TRANSLATE_NOOP("MainWindow", "Average"),
    QT_TRANSLATE_NOOP("MainWindow", "Poor"),
    QT_TRANSLATE_NOOP("MainWindow", "Shocking"),
    QT_TRANSLATE_NOOP("MainWindow", "Game Window"),
    QT_TRANSLATE_NOOP("MainWindow", "Outcome"),
};

QString Translated(const char* context, std::string_view text) {
    return QCoreApplication::translate(context, std::string(text).c_str());
}

bool IsNumber(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The number a line of the outcome holds between `before` and `after`, or -1.
int NumberBetween(std::string_view line, std::string_view before, std::string_view after) {
    if (line.size() <= before.size() + after.size() || !line.starts_with(before) || !line.ends_with(after)) return -1;
    const std::string_view number = line.substr(before.size(), line.size() - before.size() - after.size());
    if (!IsNumber(number) || number.size() > 9) return -1;
    return std::stoi(std::string(number));
}

// The seat whose name box holds `name` at start-up, or -1.
int DefaultNameSeat(std::string_view name) {
    static const std::vector<std::string> defaults = [] {
        std::vector<std::string> names(kSeats);
        for (const ControlLayout& c : MainWindowLayout()) {
            if (c.name == "txtPlayer" && c.index >= 0 && c.index < kSeats) names[static_cast<std::size_t>(c.index)] = c.caption;
        }
        return names;
    }();
    for (int seat = 0; seat < kSeats; ++seat) {
        if (name == defaults[static_cast<std::size_t>(seat)]) return seat;
    }
    return -1;
}

QString DefaultName(std::string_view name) {
    const int seat = DefaultNameSeat(name);
    if (seat < 0) return Untranslated(name);
    return QCoreApplication::translate("MainWindow", "Player %1").arg(seat + 1);
}

}  // namespace

QString ShownName(std::string_view name) {
    if (name == kComputerName) return Translated("MainWindow", kComputerName);
    return DefaultName(name);
}

QString ShownText(const ControlLayout& control, std::string_view text) {
    // Numbers stay numbers; the hidden state holders are never shown.
    if (text.empty() || IsNumber(text) || control.container == "fraInvisible" || control.name == "fraInvisible") {
        return Untranslated(text);
    }
    if (control.name == "txtPlayer") return DefaultName(text);
    if (control.name == "lblPlayer" || control.name == "lblPlayerTurn") return ShownName(text);
    return Translated("MainWindow", text);
}

QStringList ShownOutcome(const std::vector<std::string>& lines) {
    auto printed = [&lines] {
        QStringList shown;
        for (const std::string& line : lines) shown << Untranslated(line);
        return shown;
    };
    QString shown;
    if (lines == std::vector<std::string>{"It's a bloody", "draw!"}) {
        shown = QCoreApplication::translate("Outcome", "It's a bloody\ndraw!");
    } else if (lines.size() == 2 && lines[1] == "Wins!") {
        shown = QCoreApplication::translate("Outcome", "%1\nWins!").arg(ShownName(lines[0]));
    } else if (lines.size() == 4 && lines[1] == "Wins!" && lines[2].empty() && lines[3] == "Bad luck!") {
        shown = QCoreApplication::translate("Outcome", "%1\nWins!\n\nBad luck!").arg(ShownName(lines[0]));
    } else if (lines.size() == 6 && lines[0] == "Well Done" && lines[1].ends_with('!') && lines[2].empty() &&
               lines[4] == "pairs in") {
        const int pairs = NumberBetween(lines[3], "You found ", " ");
        const int turns = NumberBetween(lines[5], "", " turns");
        if (pairs < 0 || turns < 0) return printed();
        // One seat: its name, the pairs of the board and the turns it took.
        shown = QCoreApplication::translate("Outcome", "Well Done\n%1!\n\nYou found %2 \npairs in\n%n turns", nullptr,
                                            turns)
                    .arg(ShownName(std::string_view(lines[1]).substr(0, lines[1].size() - 1)), QString::number(pairs));
    } else {
        return printed();
    }
    return shown.split(QLatin1Char('\n'));
}

QString Untranslated(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString MainWindowCaption() { return Translated("MainWindow", kMainWindowCaption); }

QString PictureFailureMessage(const QString& path) {
    return QCoreApplication::translate("MainWindow", "Pairon: the picture file %1 could not be loaded.").arg(path);
}

namespace {

// A seat's name as the speech says it.
QString SpokenSeatName(const MainForm& form, int seat) {
    if (seat < 0 || seat >= kSeats) return {};
    return ShownName(form.lblPlayer[static_cast<std::size_t>(seat)].text);
}

}  // namespace

QString SpokenScores(const MainForm& form) {
    QStringList scores;
    for (int seat = 0; seat < SeatCount(form) && seat < kSeats; ++seat) {
        scores << QCoreApplication::translate("Speech", QT_TRANSLATE_NOOP("Speech", "%1 %2"))
                      .arg(SpokenSeatName(form, seat))
                      .arg(WholeValue(form.lblScore[static_cast<std::size_t>(seat)].text));
    }
    return scores.join(QStringLiteral(", "));
}

QString SpokenFinalScores(const MainForm& form) {
    if (SeatCount(form) <= 1) return {};
    return QCoreApplication::translate("Speech", QT_TRANSLATE_NOOP("Speech", "Scores: %1.")).arg(SpokenScores(form));
}

QStringList SpokenOutcome(const MainForm& form) {
    QStringList lines = ShownOutcome(form.picOutcome.lines);
    if (form.fraOutcome.visible) lines << SpokenFinalScores(form);
    lines.removeAll(QString());
    return lines;
}

}  // namespace pairon
