// What playing by ear costs an event: the time from a card click or a
// computer's pick to its sentence being queued for the screen reader, and
// the share of it spent putting the sentence together, over whole games of
// a human against a computer in the real window, offscreen.
//
//   bench-speech [--games N] [--width W] [--height H]

#include <QElapsedTimer>
#include <cstdio>

#include "game/game_rules.h"
#include "desktop/speech/play_by_ear.h"
#include "view_driver.h"

namespace {

using namespace pairon;
using namespace pairon::bench;

// Notes the time at which the window's listeners reach it.
class Stamp : public HappeningListener {
public:
    explicit Stamp(const QElapsedTimer& clock) : clock_(clock) {}
    void Heard(const std::vector<Happening>&, const MainForm&) override { at = clock_.nsecsElapsed(); }
    qint64 at = -1;

private:
    const QElapsedTimer& clock_;
};

void Line(const char* what, const std::vector<double>& ns) {
    std::printf("    %-40s median %7.3f ms  p90 %7.3f ms  max %7.3f ms  (%zu)\n", what, Median(ns) / 1e6,
                Percentile(ns, 0.9) / 1e6, Percentile(ns, 1.0) / 1e6, ns.size());
}

}  // namespace

int main(int argc, char** argv) {
    const BoardRun run = ParseBoardRun(argc, argv, 40);
    OffscreenApplication app(argc, argv);
    ViewDriver d;
    QElapsedTimer clock;
    clock.start();
    Stamp before(clock);
    d.View().Listen(&before);
    const qint64 made = clock.nsecsElapsed();
    PlayByEar ear(d.View());
    const qint64 madeIn = clock.nsecsElapsed() - made;
    // As with a screen reader listening, so every announcement is shown.
    ear.Announcements().AssumeScreenReader(true);
    Stamp after(clock);
    d.View().Listen(&after);

    // Card clicks and timer ticks apart from New Game, Done and End Game,
    // whose own work (dealing, laying the board out, reading its pictures)
    // comes before anything can be said of them.
    std::vector<double> toQueued, buttonToQueued, sentence;
    bool button = false;
    auto step = [&](auto&& event) {
        before.at = after.at = -1;
        const qint64 start = clock.nsecsElapsed();
        event();
        if (after.at < 0) return;
        (button ? buttonToQueued : toQueued).push_back(static_cast<double>(after.at - start));
        sentence.push_back(static_cast<double>(after.at - before.at));
    };
    auto press = [&](const char* name) {
        button = true;
        step([&] { d.Press(name); });
        button = false;
    };

    d.ChooseSize(run.width, run.height);
    d.ChoosePlayers(2);
    d.ChooseSeat(1, "Computer", "Average");
    for (int game = 0; game < run.games; ++game) {
        press("cmdNew");
        press("cmdDone");
        // The human turns cards in reading order; the computer picks on its ticks.
        for (int guard = 0; guard < 20000 && !d.Form().fraOutcome.visible; ++guard) {
            if (d.Form().tmrCardDelay.enabled) {
                step([&] { d.CardDelayTick(); });
            } else if (d.Form().lblPlayerTurn.text == kComputerName) {
                step([&] { d.ComputerTick(); });
            } else {
                for (int code : d.BoardCodes()) {
                    if (!d.Form().imgCard[static_cast<std::size_t>(code)].visible) continue;
                    if (d.Form().lblIndex1.text == std::to_string(code)) continue;
                    step([&] { d.ClickCard(code); });
                    break;
                }
            }
        }
        press("cmdNew");
    }
    std::printf("speech: %d games of %d x %d, a human against an \"Average\" computer\n", run.games, run.width,
                run.height);
    std::printf("    making the listener (its label, F2, its event filter): %.3f ms\n", static_cast<double>(madeIn) / 1e6);
    Line("card click or tick to its sentence queued", toQueued);
    Line("New Game, Done, End Game to it", buttonToQueued);
    Line("putting the sentence together", sentence);
    std::printf("    budget: every announcement of a card queued within 5 ms of its event\n");
    return Percentile(toQueued, 1.0) < 5e6 && Percentile(sentence, 1.0) < 5e6 ? 0 : 1;
}
