#include "tools/simulation.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "game/game_rules.h"
#include "game/invariants.h"
#include "game/main_form.h"
#include "game/numbers.h"
#include "game/random.h"
#include "window/virtual_clock.h"
#include "window/setup_flow.h"

namespace pairon {

namespace {

__attribute__((format(printf, 1, 2))) std::string Printf(const char* format, ...) {
    char buffer[256];
    va_list values;
    va_start(values, format);
    std::vsnprintf(buffer, sizeof buffer, format, values);
    va_end(values);
    return buffer;
}

std::string GameName(long long game, const SimulationOptions& options) {
    return "game " + std::to_string(game) + " (seed " + std::to_string(options.seed) + ")";
}

// What the outcome panel gets wrong, if anything: it must announce a draw
// exactly when seats share the top score, and a lone seat's turns.
std::optional<std::string> OutcomeDisagreement(const MainForm& form, int seats, int topScore, int seatsOnTop) {
    const std::vector<std::string>& lines = form.picOutcome.lines;
    auto line = [&](std::size_t k) { return k < lines.size() ? lines[k] : std::string(); };
    if (seats == 1) {
        if (line(5) == form.lblTurn.text + " turns") return std::nullopt;
        return "the outcome reads \"" + line(5) + "\" after " + form.lblTurn.text + " turns";
    }
    const bool announcedDraw = line(0) == "It's a bloody";
    if (announcedDraw != (seatsOnTop > 1)) {
        return "the outcome reads \"" + line(0) + "\" with " + std::to_string(seatsOnTop) +
               " seats on the top score of " + std::to_string(topScore);
    }
    return std::nullopt;
}

class Simulator {
public:
    explicit Simulator(const SimulationOptions& options)
        : options_(options), random_(options.seed), form_(random_), clock_(form_) {
        report_.options = options;
        for (const std::string& level : options.seats) report_.seats.push_back(SeatResult{level, 0, 0, 0});
    }

    SimulationReport Run() {
        const auto start = std::chrono::steady_clock::now();
        SetUpWindow();
        for (long long game = 1; game <= options_.games; ++game) {
            if (!PlayGame(game)) break;
            ++report_.gamesPlayed;
        }
        report_.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        return std::move(report_);
    }

private:
    // The window as a player leaves it before the first New Game.
    void SetUpWindow() {
        Form_Load(form_);
        clock_.Sync();
        ChooseWidth(form_, std::to_string(options_.width));
        clock_.Sync();
        ChooseHeight(form_, std::to_string(options_.height));
        clock_.Sync();
        ChoosePlayers(form_, std::to_string(options_.seats.size()));
        clock_.Sync();
        SetCheckBox(form_, form_.chkMultiple, options_.multiplePairs ? 1 : 0);
        clock_.Sync();
    }

    bool PlayGame(long long game) {
        cmdNew_Click(form_);  // New Game
        clock_.Sync();
        // The seat rows and the speed slider are open in the player panel.
        for (std::size_t seat = 0; seat < options_.seats.size(); ++seat) {
            ChoosePlayerType(form_, static_cast<int>(seat), kComputerName);
            clock_.Sync();
            ChooseComputerLevel(form_, static_cast<int>(seat), options_.seats[seat]);
            clock_.Sync();
        }
        MoveSpeedSlider(form_, options_.speed);
        clock_.Sync();
        cmdDone_Click(form_);
        clock_.Sync();
        const std::int64_t startTime = clock_.Now();
        if (!Sound(game, "Done")) return false;

        long long ticks = 0;
        while (!form_.fraOutcome.visible) {
            if (!clock_.FireNext()) {
                return Fail(game, "no timer runs at " + std::to_string(clock_.Now()) + " ms, yet the game is not over");
            }
            if (++ticks > options_.tickLimit) {
                return Fail(game, "not over after " + std::to_string(options_.tickLimit) + " timer ticks");
            }
            if (!Sound(game, "tick " + std::to_string(ticks))) return false;
        }
        report_.gameMilliseconds += clock_.Now() - startTime;
        if (!Record(game)) return false;

        cmdNew_Click(form_);  // End Game
        clock_.Sync();
        return true;
    }

    // Checks the game's standing rules, unless checks are off.
    bool Sound(long long game, const std::string& moment) {
        if (!options_.checks) return true;
        std::vector<std::string> broken = BrokenGameInvariants(form_);
        if (broken.empty()) return true;
        std::string message = "after " + moment + " at " + std::to_string(clock_.Now()) + " ms: ";
        for (std::size_t k = 0; k < broken.size(); ++k) message += (k ? "; " : "") + broken[k];
        return Fail(game, message);
    }

    bool Record(long long game) {
        const int seats = static_cast<int>(options_.seats.size());
        int topScore = -1;
        int seatsOnTop = 0;
        for (int seat = 0; seat < seats; ++seat) {
            const int score = WholeValue(form_.lblScore[static_cast<std::size_t>(seat)].text);
            report_.seats[static_cast<std::size_t>(seat)].pairs += score;
            if (score > topScore) {
                topScore = score;
                seatsOnTop = 1;
            } else if (score == topScore) {
                ++seatsOnTop;
            }
        }
        if (seats > 1) {
            for (int seat = 0; seat < seats; ++seat) {
                if (WholeValue(form_.lblScore[static_cast<std::size_t>(seat)].text) != topScore) continue;
                SeatResult& result = report_.seats[static_cast<std::size_t>(seat)];
                ++(seatsOnTop == 1 ? result.wins : result.draws);
            }
        }

        const int turns = WholeValue(form_.lblTurn.text);
        if (turns < 0) return Fail(game, "the turn counter reads " + form_.lblTurn.text);
        const auto index = static_cast<std::size_t>(turns);
        if (index >= report_.turnCounts.size()) report_.turnCounts.resize(index + 1, 0);
        ++report_.turnCounts[index];

        if (options_.checks) {
            if (auto wrong = OutcomeDisagreement(form_, seats, topScore, seatsOnTop)) return Fail(game, *wrong);
        }
        return true;
    }

    bool Fail(long long game, const std::string& what) {
        report_.failure = GameName(game, options_) + ": " + what;
        return false;
    }

    SimulationOptions options_;
    SeededRandom random_;
    MainForm form_;
    VirtualClock clock_;
    SimulationReport report_;
};

}  // namespace

double SimulationReport::MeanScore(std::size_t seat) const {
    if (gamesPlayed == 0 || seat >= seats.size()) return 0;
    return static_cast<double>(seats[seat].pairs) / static_cast<double>(gamesPlayed);
}

double SimulationReport::MeanGameSeconds() const {
    if (gamesPlayed == 0) return 0;
    return static_cast<double>(gameMilliseconds) / 1000.0 / static_cast<double>(gamesPlayed);
}

TurnSummary SimulationReport::Turns() const {
    TurnSummary summary;
    long long games = 0;
    long double sum = 0;
    for (std::size_t t = 0; t < turnCounts.size(); ++t) {
        games += turnCounts[t];
        sum += static_cast<long double>(t) * static_cast<long double>(turnCounts[t]);
    }
    if (games == 0) return summary;
    const long double mean = sum / games;
    long double squares = 0;
    for (std::size_t t = 0; t < turnCounts.size(); ++t) {
        const long double off = static_cast<long double>(t) - mean;
        squares += off * off * static_cast<long double>(turnCounts[t]);
    }
    summary.mean = static_cast<double>(mean);
    summary.standardDeviation = static_cast<double>(std::sqrt(squares / games));

    // Nearest rank: the smallest count reached by at least p% of the games.
    auto percentile = [&](long long p) {
        const long long rank = std::max(1LL, (p * games + 99) / 100);
        long long reached = 0;
        for (std::size_t t = 0; t < turnCounts.size(); ++t) {
            reached += turnCounts[t];
            if (reached >= rank) return static_cast<int>(t);
        }
        return static_cast<int>(turnCounts.size()) - 1;
    };
    summary.percentile1 = percentile(1);
    summary.percentile99 = percentile(99);
    return summary;
}

SimulationReport RunSimulation(const SimulationOptions& options) { return Simulator(options).Run(); }

std::string FormatReport(const SimulationReport& report) {
    const SimulationOptions& o = report.options;
    const int pairs = o.width * o.height / 2;
    std::string text = Printf("Board %d x %d (%d pairs), Multiple Pairs %s, speed %d\n", o.width, o.height, pairs,
                              o.multiplePairs ? "on" : "off", o.speed);
    text += Printf("%lld of %lld games played, seed %llu\n", report.gamesPlayed, o.games,
                   static_cast<unsigned long long>(o.seed));
    text += "\nSeat  Level       Mean score          Wins         Draws\n";
    const bool contest = report.seats.size() > 1;
    const double games = report.gamesPlayed > 0 ? static_cast<double>(report.gamesPlayed) : 1.0;
    for (std::size_t seat = 0; seat < report.seats.size(); ++seat) {
        const SeatResult& s = report.seats[seat];
        text += Printf("%4zu  %-10s  %10.3f", seat + 1, s.level.c_str(), report.MeanScore(seat));
        if (contest) {
            text += Printf("  %6lld %5.1f%%  %6lld %5.1f%%\n", s.wins, 100.0 * static_cast<double>(s.wins) / games,
                           s.draws, 100.0 * static_cast<double>(s.draws) / games);
        } else {
            text += Printf("  %13s  %12s\n", "-", "-");
        }
    }
    const TurnSummary turns = report.Turns();
    text += Printf("\nTurns without a pair: mean %.3f, standard deviation %.3f, 1st percentile %d, 99th percentile %d\n",
                   turns.mean, turns.standardDeviation, turns.percentile1, turns.percentile99);
    text += Printf("Mean game length: %.1f s of game time\n", report.MeanGameSeconds());
    return text;
}

std::string FormatThroughput(const SimulationReport& report) {
    const double rate = report.wallSeconds > 0 ? static_cast<double>(report.gamesPlayed) / report.wallSeconds : 0.0;
    return Printf("Throughput: %.0f games per second (%lld games in %.3f s of wall time)\n", rate, report.gamesPlayed,
                  report.wallSeconds);
}

}  // namespace pairon
