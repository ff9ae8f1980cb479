#include "window/wording.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "game/game_rules.h"
#include "game/numbers.h"
#include "game/window_layout.h"
#include "pictures/picture_files.h"

// The catalogue tool finds the game's texts by these marks, in plain C++ as
// in the Qt front end; they leave the text as it is.
#define QT_TRANSLATE_NOOP(scope, x) x
#define QT_TRANSLATE_N_NOOP(scope, x) x

namespace pairon {

namespace {

Words Speech(const char* source, std::vector<Words> args = {}) { return {"Speech", source, std::move(args)}; }

// What the faces show, face 1 first.
constexpr std::array<const char*, kCardFaces> kFaceNames = {
    QT_TRANSLATE_NOOP("Accessibility", "circle"),     QT_TRANSLATE_NOOP("Accessibility", "square"),
    QT_TRANSLATE_NOOP("Accessibility", "triangle"),   QT_TRANSLATE_NOOP("Accessibility", "diamond"),
    QT_TRANSLATE_NOOP("Accessibility", "star"),       QT_TRANSLATE_NOOP("Accessibility", "heart"),
    QT_TRANSLATE_NOOP("Accessibility", "hexagon"),    QT_TRANSLATE_NOOP("Accessibility", "cross"),
    QT_TRANSLATE_NOOP("Accessibility", "crescent"),   QT_TRANSLATE_NOOP("Accessibility", "arrow"),
    QT_TRANSLATE_NOOP("Accessibility", "ring"),       QT_TRANSLATE_NOOP("Accessibility", "spiral"),
    QT_TRANSLATE_NOOP("Accessibility", "lightning bolt"), QT_TRANSLATE_NOOP("Accessibility", "flower"),
    QT_TRANSLATE_NOOP("Accessibility", "drop"),       QT_TRANSLATE_NOOP("Accessibility", "leaf"),
    QT_TRANSLATE_NOOP("Accessibility", "key"),        QT_TRANSLATE_NOOP("Accessibility", "bell"),
    QT_TRANSLATE_NOOP("Accessibility", "anchor"),     QT_TRANSLATE_NOOP("Accessibility", "sun"),
    QT_TRANSLATE_NOOP("Accessibility", "umbrella"),   QT_TRANSLATE_NOOP("Accessibility", "house"),
    QT_TRANSLATE_NOOP("Accessibility", "fish"),       QT_TRANSLATE_NOOP("Accessibility", "fir tree"),
    QT_TRANSLATE_NOOP("Accessibility", "crown"),      QT_TRANSLATE_NOOP("Accessibility", "music note")};

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

bool Blank(std::string_view name) { return name.find_first_not_of(' ') == std::string_view::npos; }

// The seat with the highest score: the winner, where the outcome names one.
int HighestSeat(const MainForm& form) {
    int best = 0;
    for (int seat = 1; seat < SeatCount(form) && seat < kSeats; ++seat) {
        if (WholeValue(form.lblScore[static_cast<std::size_t>(seat)].text) >
            WholeValue(form.lblScore[static_cast<std::size_t>(best)].text)) {
            best = seat;
        }
    }
    return best;
}

void Append(std::vector<Words>& to, std::vector<Words> more) {
    to.insert(to.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

std::vector<Words> Sentences(const Happening& h, const MainForm& form, const FaceWordsOf& faceWords) {
    const auto face = [&] { return faceWords ? faceWords(h.face) : FaceWords(h.face); };
    switch (h.kind) {
        case HappeningKind::GameDealt:
            return {Speech(QT_TRANSLATE_NOOP("Speech", "New game, %1 by %2 cards. The New Game button now reads End Game. Enter the players, then press Done."),
                           {AsItIs(BoardWidth(form)), AsItIs(BoardHeight(form))})};
        case HappeningKind::PlayStarted:
            if (h.computer) return {Speech(QT_TRANSLATE_NOOP("Speech", "The computer plays first. F2 tells the score."))};
            return {Speech(QT_TRANSLATE_NOOP("Speech", "%1 plays first. F2 tells the score."), {SeatNameWords(form, h.nextSeat)})};
        case HappeningKind::CardShown:
            if (h.computer) {
                return {Speech(QT_TRANSLATE_NOOP("Speech", "Computer turns up %1: %2."), {PlaceWords(h.position), face()})};
            }
            return {Speech(QT_TRANSLATE_NOOP("Speech", "%1."), {face()})};
        case HappeningKind::PairFound:
            if (h.pairsLeft <= 0) {
                return {Speech(QT_TRANSLATE_NOOP("Speech", "A pair for %1! Score: %2."),
                               {SeatNameWords(form, h.seat), AsItIs(h.score)})};
            }
            return {Speech(QT_TRANSLATE_NOOP("Speech", "A pair for %1! Score: %2. Pairs left: %3."),
                           {SeatNameWords(form, h.seat), AsItIs(h.score), AsItIs(h.pairsLeft)})};
        case HappeningKind::Missed:
            if (SeatCount(form) == 1) return {Speech(QT_TRANSLATE_NOOP("Speech", "No pair."))};
            if (form.lblPlayer[static_cast<std::size_t>(h.nextSeat)].text == kComputerName) {
                return {Speech(QT_TRANSLATE_NOOP("Speech", "No pair. The computer plays now."))};
            }
            return {Speech(QT_TRANSLATE_NOOP("Speech", "No pair. Your turn, %1."), {SeatNameWords(form, h.nextSeat)})};
        case HappeningKind::CardsTurnedBack: return {};
        case HappeningKind::GameWon:
        case HappeningKind::GameDrawn:
        case HappeningKind::GameFinished: return SpokenOutcomeWords(form);
        case HappeningKind::GameLeft:
            return {Speech(QT_TRANSLATE_NOOP("Speech", "The game is over. Choose the board, then press New Game."))};
    }
    return {};
}

}  // namespace

Words AsItIs(std::string text) { return {{}, std::move(text)}; }

Words AsItIs(int number) { return AsItIs(std::to_string(number)); }

Words TypedNameWords(std::string_view name) {
    const int seat = DefaultNameSeat(name);
    if (seat < 0) return AsItIs(std::string(name));
    return {"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "Player %1"), {AsItIs(seat + 1)}};
}

Words SeatNameWords(const MainForm& form, int seat) {
    if (seat < 0 || seat >= kSeats) return {};
    const std::string& name = form.lblPlayer[static_cast<std::size_t>(seat)].text;
    // A seat left without a name would be spoken as nothing at all.
    if (Blank(name)) return {"MainWindow", QT_TRANSLATE_NOOP("MainWindow", "Player %1"), {AsItIs(seat + 1)}};
    return NameWords(name);
}

Words ShownTextWords(const ControlLayout& control, std::string_view text) {
    // Numbers stay numbers; the hidden state holders are never shown.
    if (text.empty() || IsNumber(text) || control.container == "fraInvisible" || control.name == "fraInvisible") {
        return AsItIs(std::string(text));
    }
    if (control.name == "txtPlayer") return TypedNameWords(text);
    if (control.name == "lblPlayer" || control.name == "lblPlayerTurn") return NameWords(text);
    return {"MainWindow", std::string(text)};
}

int PluralForm(std::string_view language, int count) {
    const std::string_view base = language.substr(0, language.find('_'));
    const long long n = count < 0 ? -static_cast<long long>(count) : count;
    const bool fewEnding = n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 10 || n % 100 >= 20);
    // French and Brazilian Portuguese say 0 as they say 1.
    if (base == "fr" || language == "pt_BR") return n <= 1 ? 0 : 1;
    // Polish: 1; 2-4, 22-24 ... but not 12-14; the rest.
    if (base == "pl") return n == 1 ? 0 : fewEnding ? 1 : 2;
    // Russian: 1, 21, 31 ... but not 11; 2-4, 22-24 ... but not 12-14; the rest.
    if (base == "ru") return n % 10 == 1 && n % 100 != 11 ? 0 : fewEnding ? 1 : 2;
    return n == 1 ? 0 : 1;
}

Words NameWords(std::string_view name) {
    if (name == kComputerName) return {"MainWindow", std::string(kComputerName)};
    return TypedNameWords(name);
}

std::vector<Words> OutcomeWords(const std::vector<std::string>& lines) {
    const auto printed = [&lines] {
        std::vector<Words> shown;
        for (const std::string& line : lines) shown.push_back(AsItIs(line));
        return shown;
    };
    if (lines == std::vector<std::string>{"It's a bloody", "draw!"}) {
        return {{"Outcome", QT_TRANSLATE_NOOP("Outcome", "It's a bloody\ndraw!")}};
    }
    if (lines.size() == 2 && lines[1] == "Wins!") {
        return {{"Outcome", QT_TRANSLATE_NOOP("Outcome", "%1\nWins!"), {NameWords(lines[0])}}};
    }
    if (lines.size() == 4 && lines[1] == "Wins!" && lines[2].empty() && lines[3] == "Bad luck!") {
        return {{"Outcome", QT_TRANSLATE_NOOP("Outcome", "%1\nWins!\n\nBad luck!"), {NameWords(lines[0])}}};
    }
    if (lines.size() == 6 && lines[0] == "Well Done" && lines[1].ends_with('!') && lines[2].empty() &&
        lines[4] == "pairs in") {
        const int pairs = NumberBetween(lines[3], "You found ", " ");
        const int turns = NumberBetween(lines[5], "", " turns");
        if (pairs < 0 || turns < 0) return printed();
        // One seat: its name, the pairs of the board and the turns it took.
        return {{"Outcome", QT_TRANSLATE_N_NOOP("Outcome", "Well Done\n%1!\n\nYou found %2 \npairs in\n%n turns"),
                 {NameWords(std::string_view(lines[1]).substr(0, lines[1].size() - 1)), AsItIs(pairs)},
                 turns}};
    }
    return printed();
}

Words FaceWords(int face) {
    if (face < 1 || face > kCardFaces) return {};
    return {"Accessibility", kFaceNames[static_cast<std::size_t>(face - 1)]};
}

namespace {

Words Accessibility(const char* source, std::vector<Words> args = {}) {
    return {"Accessibility", source, std::move(args)};
}

// A text about one seat, "Player %1 ...", with the seat counted from 1.
Words OfSeat(const char* source, int index) { return Accessibility(source, {AsItIs(index + 1)}); }

}  // namespace

Words CardSlotWords(int position, const Picture& picture, const FaceWordsOf& faceWords) {
    const Words row = AsItIs(position / 10 + 1);
    const Words column = AsItIs(position % 10 + 1);
    if (!picture.visible) return Accessibility(QT_TRANSLATE_NOOP("Accessibility", "Empty place, row %1, column %2"), {row, column});
    const int face = FaceOfPictureFile(picture.file);
    if (face == 0) return Accessibility(QT_TRANSLATE_NOOP("Accessibility", "Card, row %1, column %2, face down"), {row, column});
    return Accessibility(QT_TRANSLATE_NOOP("Accessibility", "Card, row %1, column %2, face up, %3"),
                         {row, column, faceWords ? faceWords(face) : FaceWords(face)});
}

Words ControlAccessibleWords(const ControlLayout& c) {
    const std::string& n = c.name;
    if (n == "cmbWidth") return Accessibility(QT_TRANSLATE_NOOP("Accessibility", "Width"));
    if (n == "cmbHeight") return Accessibility(QT_TRANSLATE_NOOP("Accessibility", "Height"));
    if (n == "cmbPlayers") return Accessibility(QT_TRANSLATE_NOOP("Accessibility", "Players"));
    if (n == "cmbCards") return Accessibility(QT_TRANSLATE_NOOP("Accessibility", "Cards"));
    if (n == "cmbPlayerType") return OfSeat(QT_TRANSLATE_NOOP("Accessibility", "Player %1 type"), c.index);
    if (n == "cmbComputerLevel") return OfSeat(QT_TRANSLATE_NOOP("Accessibility", "Player %1 level"), c.index);
    if (n == "txtPlayer") return OfSeat(QT_TRANSLATE_NOOP("Accessibility", "Player %1 name"), c.index);
    if (n == "sldSpeed") return Accessibility(QT_TRANSLATE_NOOP("Accessibility", "Game Speed"));
    if (n == "lblPairs") return Accessibility(QT_TRANSLATE_NOOP("Accessibility", "Pairs Remaining"));
    if (n == "lblPlayerTurn") return Accessibility(QT_TRANSLATE_NOOP("Accessibility", "Player to Select Cards"));
    if (n == "lblScore") return ScoreAccessibleWords(c.index, {});
    if (n == "imgGame") return Accessibility(QT_TRANSLATE_NOOP("Accessibility", "Board picture"));
    if (n == "imgPlayer") return Accessibility(QT_TRANSLATE_NOOP("Accessibility", "Player panel picture"));
    if (n == "picResult") return Accessibility(QT_TRANSLATE_NOOP("Accessibility", "Result picture"));
    if (n == "picOutcome") return Accessibility(QT_TRANSLATE_NOOP("Accessibility", "Outcome"));
    return {};
}

Words ScoreAccessibleWords(int seat, std::string_view playerName) {
    if (playerName.empty()) return OfSeat(QT_TRANSLATE_NOOP("Accessibility", "Player %1 score"), seat);
    return Accessibility(QT_TRANSLATE_NOOP("Accessibility", "Score of %1"), {NameWords(playerName)});
}

Words ResultPictureWords(std::string_view file) {
    if (file == kWinnerFile) return Accessibility(QT_TRANSLATE_NOOP("Accessibility", "A cheering winner"));
    if (file == kDepressedFile) return Accessibility(QT_TRANSLATE_NOOP("Accessibility", "A downcast loser under a rain cloud"));
    if (file == kFrustratedFile) return Accessibility(QT_TRANSLATE_NOOP("Accessibility", "A fuming loser"));
    if (file == kTrophyFile) return Accessibility(QT_TRANSLATE_NOOP("Accessibility", "A trophy"));
    return {};
}

Words BoardDescriptionWords() {
    return Accessibility(QT_TRANSLATE_NOOP(
        "Accessibility", "The cards on the board. The arrow keys move between the cards, Home and End go to the first "
                         "and the last card, Space or Enter turns the marked card up. F2 tells whose turn it is, the scores and the "
                         "pairs left."));
}

Words NoCardsWords() { return Accessibility(QT_TRANSLATE_NOOP("Accessibility", "Game Window, no cards")); }

Words PlaceWords(int position) {
    // A position code is the row times ten and the column.
    return Speech(QT_TRANSLATE_NOOP("Speech", "row %1, column %2"), {AsItIs(position / 10 + 1), AsItIs(position % 10 + 1)});
}

std::vector<Words> HappeningsWords(const std::vector<Happening>& happenings, const MainForm& form,
                                   const FaceWordsOf& faceWords) {
    std::vector<Words> sentences;
    for (const Happening& h : happenings) {
        // The computer's card missed and a person plays now. They may play at
        // once, so their turn is said first, then the card and the miss: read
        // out after the card, it would come seconds after the turn began.
        if (h.kind == HappeningKind::Missed && h.computer && SeatCount(form) > 1 && h.nextSeat >= 0 &&
            h.nextSeat < kSeats && form.lblPlayer[static_cast<std::size_t>(h.nextSeat)].text != kComputerName) {
            sentences.insert(sentences.begin(),
                             Speech(QT_TRANSLATE_NOOP("Speech", "Your turn, %1."), {SeatNameWords(form, h.nextSeat)}));
            sentences.push_back(Speech(QT_TRANSLATE_NOOP("Speech", "No pair.")));
            continue;
        }
        Append(sentences, Sentences(h, form, faceWords));
    }
    return sentences;
}

Words ScoresWords(const MainForm& form) {
    Words scores;
    for (int seat = 0; seat < SeatCount(form) && seat < kSeats; ++seat) {
        if (seat > 0) scores.source += ", ";
        scores.source += "%" + std::to_string(seat + 1);
        scores.args.push_back(Speech(QT_TRANSLATE_NOOP("Speech", "%1 %2"),
                                     {SeatNameWords(form, seat),
                                      AsItIs(WholeValue(form.lblScore[static_cast<std::size_t>(seat)].text))}));
    }
    return scores;
}

Words FinalScoresWords(const MainForm& form) {
    if (SeatCount(form) <= 1) return {};
    return Speech(QT_TRANSLATE_NOOP("Speech", "Scores: %1."), {ScoresWords(form)});
}

std::vector<Words> SpokenOutcomeWords(const MainForm& form) {
    std::vector<Words> words = OutcomeWords(form.picOutcome.lines);
    // The outcome prints a winner without a name as an empty line; it is
    // heard by the seat's place instead.
    if (words.size() == 1 && words[0].context == "Outcome" && !words[0].args.empty()) {
        Words& winner = words[0].args[0];
        if (winner.context.empty() && Blank(winner.source)) {
            winner = SeatNameWords(form, SeatCount(form) > 1 ? HighestSeat(form) : 0);
        }
    }
    if (form.fraOutcome.visible) words.push_back(FinalScoresWords(form));
    return words;
}

std::vector<Words> StateWords(const MainForm& form) {
    if (form.cmdNew.caption != kEndGameCaption) {
        return {Speech(QT_TRANSLATE_NOOP("Speech", "No game is on. Choose the board, then press New Game."))};
    }
    if (form.fraPlayers.visible) return {Speech(QT_TRANSLATE_NOOP("Speech", "Enter the players, then press Done."))};
    if (form.fraOutcome.visible) return SpokenOutcomeWords(form);
    const Words toPlay = Blank(form.lblPlayerTurn.text) ? SeatNameWords(form, CurrentSeat(form)) : NameWords(form.lblPlayerTurn.text);
    return {Speech(QT_TRANSLATE_NOOP("Speech", "%1 to play. Scores: %2. Pairs left: %3."),
                   {toPlay, ScoresWords(form), AsItIs(WholeValue(form.lblPairs.text))})};
}

Words ComputerPlayingWords() { return Speech(QT_TRANSLATE_NOOP("Speech", "Please wait: the computer is playing.")); }

Words PressAgainWords() { return Speech(QT_TRANSLATE_NOOP("Speech", "Press again to turn up a card.")); }

Words TurnedBackWords() {
    return Speech(QT_TRANSLATE_NOOP("Speech", "The cards are face down again. Press again to turn up a card."));
}

}  // namespace pairon
