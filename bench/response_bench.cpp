// Response of the real window, offscreen: New Game (the deal and the board's
// layout, picture files read included) and a card click, each timed from the
// event to the widgets being up to date, then also with painting.
//
//   bench-response [--games N] [--width W] [--height H]
//
// A lone human seat plays every game: one miss first (two different cards,
// then the click that ends the pause), then every pair in turn.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "game/game_rules.h"
#include "pictures/picture_files.h"
#include "files/picture_loader.h"
#include "view_driver.h"

namespace {

using namespace pairon::bench;

struct Figures {
    std::vector<Sample> newGame, endGame, firstCard, matchingCard, missCard, pauseEnd;
    std::vector<Sample> AllClicks() const {
        std::vector<Sample> all;
        for (const auto* list : {&firstCard, &matchingCard, &missCard, &pauseEnd}) all.insert(all.end(), list->begin(), list->end());
        return all;
    }
};

std::vector<double> Elapsed(const std::vector<Sample>& samples) {
    std::vector<double> values;
    for (const Sample& s : samples) values.push_back(s.elapsed);
    return values;
}

std::vector<double> Processor(const std::vector<Sample>& samples) {
    std::vector<double> values;
    for (const Sample& s : samples) values.push_back(s.processor);
    return values;
}

void Line(const char* what, const std::vector<Sample>& samples) {
    const std::vector<double> ns = Elapsed(samples);
    std::printf("    %-34s median %7.3f ms  p90 %7.3f ms  max %7.3f ms  | processor median %7.3f ms  (%zu)\n", what,
                Median(ns) / 1e6, Percentile(ns, 0.9) / 1e6, Percentile(ns, 1.0) / 1e6,
                Median(Processor(samples)) / 1e6, ns.size());
}

// One game: New Game, Done, a miss, the click ending its pause, every pair,
// End Game. Times go into `f` when it is given.
void PlayGame(ViewDriver& d, Paint paint, bool mouse, Figures* f) {
    auto record = [f](std::vector<Sample> Figures::*list, Sample sample) {
        if (f) (f->*list).push_back(sample);
    };
    auto click = [&](int code) {
        if (mouse) {
            d.MouseClickCard(code);
        } else {
            d.ClickCard(code);
        }
    };
    record(&Figures::newGame, TimeStep(d, paint, [&] { d.Press("cmdNew"); }));
    d.Press("cmdDone");
    d.Finish(Paint::Dirty);

    const std::vector<int> pairs = d.PairsInOrder();
    record(&Figures::firstCard, TimeStep(d, paint, [&] { click(pairs[0]); }));
    record(&Figures::missCard, TimeStep(d, paint, [&] { click(pairs[2]); }));
    record(&Figures::pauseEnd, TimeStep(d, paint, [&] { click(pairs[4]); }));
    for (std::size_t k = 0; k + 1 < pairs.size(); k += 2) {
        record(&Figures::firstCard, TimeStep(d, paint, [&] { click(pairs[k]); }));
        record(&Figures::matchingCard, TimeStep(d, paint, [&] { click(pairs[k + 1]); }));
    }
    if (!d.Form().fraOutcome.visible) {
        std::fprintf(stderr, "bench-response: the game did not end\n");
        std::exit(1);
    }
    record(&Figures::endGame, TimeStep(d, paint, [&] { d.Press("cmdNew"); }));
    d.Finish(Paint::Dirty);
}

}  // namespace

int main(int argc, char** argv) {
    const auto [games, width, height] = ParseBoardRun(argc, argv, 60);
    OffscreenApplication app(argc, argv);
    ViewDriver driver;
    driver.ChooseSize(width, height);
    driver.Finish(Paint::Dirty);

    std::printf("Response of the real window (offscreen), %d x %d board, one human seat, %d games per line\n", width,
                height, games);
    Figures budget;
    for (bool mouse : {false, true}) {
        for (Paint paint : {Paint::None, Paint::Dirty, Paint::Whole}) {
            for (int k = 0; k < 3; ++k) PlayGame(driver, paint, mouse, nullptr);
            Figures f;
            for (int game = 0; game < games; ++game) PlayGame(driver, paint, mouse, &f);
            std::printf("\n  %s, %s:\n", mouse ? "cards clicked with mouse events" : "cards clicked through their signal",
                        PaintName(paint));
            Line("New Game (deal, layout, pictures)", f.newGame);
            Line("End Game", f.endGame);
            Line("card click, first of a turn", f.firstCard);
            Line("card click, completing a pair", f.matchingCard);
            Line("card click, a miss", f.missCard);
            Line("card click, ending the pause", f.pauseEnd);
            Line("card click, all kinds", f.AllClicks());
            if (paint == Paint::None && !mouse) budget = f;
        }
    }
    // What a card click and New Game read: a card picture file, and the
    // background photograph at the size a screen at 100 percent shows it.
    std::printf("\n");
    const std::pair<std::string, const char*> files[] = {{pairon::CardFaceFile(1), "a card picture file"},
                                                         {std::string(pairon::kNewGameBackgroundFile), "the New Game photograph"}};
    for (const auto& [name, what] : files) {
        const QString path = QCoreApplication::applicationDirPath() + "/" + QString::fromStdString(name);
        std::vector<double> reads;
        for (int k = 0; k < 200; ++k) {
            const std::int64_t start = MonotonicNanoseconds();
            const QPixmap picture = pairon::LoadPictureFile(path, true);
            reads.push_back(static_cast<double>(MonotonicNanoseconds() - start));
            if (picture.isNull()) {
                std::fprintf(stderr, "bench-response: cannot read %s\n", path.toLocal8Bit().constData());
                return 1;
            }
        }
        std::printf("  %s read and decoded: median %.1f us (200 reads)\n", what, Median(reads) / 1e3);
    }

    const double newGame = Median(Elapsed(budget.newGame)) / 1e6;
    const double click = Median(Elapsed(budget.AllClicks())) / 1e6;
    std::printf("\nNew Game median %.3f ms (budget 2 ms: %s), card click median %.3f ms (budget 0.3 ms: %s);\n",
                newGame, newGame <= 2 ? "met" : "NOT met", click, click <= 0.3 ? "met" : "NOT met");
    std::printf("handled and brought up to date on the widgets, without painting; processor time of the same: %.3f ms, %.3f ms\n",
                Median(Processor(budget.newGame)) / 1e6, Median(Processor(budget.AllClicks())) / 1e6);
    return 0;
}
