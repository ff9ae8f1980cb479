// Resident memory of the real window over many games in one process,
// offscreen: each game is New Game, Done, a miss and the click that ends its
// pause, every pair in turn, End Game, with every change painted.
//
//   bench-memory [--games N] [--width W] [--height H]

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "view_driver.h"

using namespace pairon::bench;

int main(int argc, char** argv) {
    const auto [games, width, height] = ParseBoardRun(argc, argv, 200);
    OffscreenApplication app(argc, argv);
    ViewDriver d;
    d.ChooseSize(width, height);
    d.Finish(Paint::Dirty);
    std::printf("Resident memory over %d games of %d x %d in one process (offscreen)\n", games, width, height);
    std::printf("  after start-up: VmRSS %ld kB, VmHWM %ld kB\n", StatusKilobytes("VmRSS"), StatusKilobytes("VmHWM"));

    auto heapInUse = [] { return static_cast<long>(mallinfo2().uordblks / 1024); };
    long rssAt10 = 0, heapAt10 = 0;
    for (int game = 1; game <= games; ++game) {
        d.Press("cmdNew");
        d.Finish(Paint::Dirty);
        d.Press("cmdDone");
        d.Finish(Paint::Dirty);
        const std::vector<int> pairs = d.PairsInOrder();
        for (int code : {pairs[0], pairs[2], pairs[4]}) {
            d.ClickCard(code);
            d.Finish(Paint::Dirty);
        }
        for (int code : pairs) {
            d.ClickCard(code);
            d.Finish(Paint::Dirty);
        }
        if (!d.Form().fraOutcome.visible) {
            std::fprintf(stderr, "bench-memory: game %d did not end\n", game);
            return 1;
        }
        d.Press("cmdNew");
        d.Finish(Paint::Dirty);
        if (game == 10) {
            rssAt10 = StatusKilobytes("VmRSS");
            heapAt10 = heapInUse();
        }
        if (game == 1 || game == 10 || game % 50 == 0 || game == games) {
            std::printf("  after game %3d: VmRSS %ld kB, VmHWM %ld kB, heap in use %ld kB\n", game,
                        StatusKilobytes("VmRSS"), StatusKilobytes("VmHWM"), heapInUse());
        }
    }
    const long rssGrowth = StatusKilobytes("VmRSS") - rssAt10;
    const long heapGrowth = heapInUse() - heapAt10;
    std::printf("growth from game 10 to game %d: resident %+ld kB, heap in use %+ld kB (budget: no growth: %s)\n", games,
                rssGrowth, heapGrowth, rssGrowth <= 512 && heapGrowth <= 64 ? "met" : "NOT met");
    return 0;
}
