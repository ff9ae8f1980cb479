// How the cost of New Game, of a card click and of one computer pick grows
// with the board: every size from 4 x 2 to 10 x 5, in the real window
// (offscreen) and, for the computer pick, also in the bare game core.
//
//   bench-scale [--games N]

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "game/game_rules.h"
#include "opponent/opponent.h"
#include "window/setup_flow.h"
#include "view_driver.h"

namespace {

using namespace pairon;
using namespace pairon::bench;

struct Samples {
    std::vector<double> newGame, newGamePainted, click, clickPainted, pickView;
};

void Add(std::vector<double>* list, const Sample& sample) {
    if (list) list->push_back(sample.processor);
}

// A human game through the window: New Game, Done, every pair in turn.
void HumanGame(ViewDriver& d, Paint paint, std::vector<double>* newGame, std::vector<double>* clicks) {
    Add(newGame, TimeStep(d, paint, [&] { d.Press("cmdNew"); }));
    d.Press("cmdDone");
    d.Finish(Paint::Dirty);
    for (int code : d.PairsInOrder()) Add(clicks, TimeStep(d, paint, [&] { d.ClickCard(code); }));
    d.Press("cmdNew");
    d.Finish(Paint::Dirty);
}

// A lone "Excellent" computer through the window: every tick of the computer
// timer is one pick; a pending card-delay tick comes first, as it would at the
// default speed (1.5 s against 2 s).
void ComputerGame(ViewDriver& d, std::vector<double>* picks) {
    d.Press("cmdNew");
    d.ChooseSeat(0, std::string(kComputerName), "Excellent");
    d.Press("cmdDone");
    d.Finish(Paint::Dirty);
    while (!d.Form().fraOutcome.visible) {
        if (d.Form().tmrCardDelay.enabled) d.CardDelayTick();
        Add(picks, TimeStep(d, Paint::None, [&] { d.ComputerTick(); }));
    }
    d.Press("cmdNew");
    d.ChooseSeat(0, std::string(kHumanType));
    d.Finish(Paint::Dirty);
}

// The same in the bare core: no window, the handlers called directly. Each
// pick is timed on the monotonic clock (reading it costs some 20 ns).
double CorePick(int width, int height, int games) {
    SeededRandom random(7);
    MainForm form(random);
    Form_Load(form);
    ChooseWidth(form, std::to_string(width));
    ChooseHeight(form, std::to_string(height));
    std::vector<double> picks;
    for (int game = 0; game < games; ++game) {
        cmdNew_Click(form);
        ChoosePlayerType(form, 0, kComputerName);
        ChooseComputerLevel(form, 0, "Excellent");
        cmdDone_Click(form);
        while (!form.fraOutcome.visible) {
            if (form.tmrCardDelay.enabled) tmrCardDelay_Timer(form);
            const std::int64_t start = MonotonicNanoseconds();
            tmrComputerDelay_Timer(form);
            picks.push_back(static_cast<double>(MonotonicNanoseconds() - start));
        }
        cmdNew_Click(form);
    }
    return Median(picks);
}

}  // namespace

int main(int argc, char** argv) {
    int games = 20;
    for (int k = 1; k + 1 < argc; k += 2) {
        if (std::strcmp(argv[k], "--games") == 0) games = std::atoi(argv[k + 1]);
    }
    OffscreenApplication app(argc, argv);
    ViewDriver d;

    struct Size {
        int width, height;
    };
    std::vector<Size> sizes;
    for (int height = 2; height <= 5; ++height) {
        for (int width = 4; width <= 10; width += 2) sizes.push_back({width, height});
    }
    // Rounds over every size, so that a change in the load of the machine
    // falls on all sizes alike.
    const int rounds = 5;
    std::vector<Samples> samples(sizes.size());
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t k = 0; k < sizes.size(); ++k) {
            d.ChooseSize(sizes[k].width, sizes[k].height);
            d.Finish(Paint::Dirty);
            HumanGame(d, Paint::None, nullptr, nullptr);
            Samples& s = samples[k];
            for (int game = 0; game < (games + rounds - 1) / rounds; ++game) {
                HumanGame(d, Paint::None, &s.newGame, &s.click);
                HumanGame(d, Paint::Dirty, &s.newGamePainted, &s.clickPainted);
                ComputerGame(d, &s.pickView);
            }
        }
    }

    std::printf("Cost by board size, medians in microseconds: processor time of the step in the window (offscreen, %d games "
                "per size), elapsed time of a pick in the bare core (%d games per size)\n\n",
                rounds * ((games + rounds - 1) / rounds), games * 10);
    std::printf("| Board | Cards | New Game | New Game, painted | Card click | Card click, painted | Computer pick, window | Computer pick, core |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|---:|\n");
    for (std::size_t k = 0; k < sizes.size(); ++k) {
        const Samples& s = samples[k];
        std::printf("| %d x %d | %d | %.0f | %.0f | %.1f | %.1f | %.1f | %.2f |\n", sizes[k].width, sizes[k].height,
                    sizes[k].width * sizes[k].height, Median(s.newGame) / 1e3, Median(s.newGamePainted) / 1e3,
                    Median(s.click) / 1e3, Median(s.clickPainted) / 1e3, Median(s.pickView) / 1e3,
                    CorePick(sizes[k].width, sizes[k].height, games * 10) / 1e3);
    }
    return 0;
}
