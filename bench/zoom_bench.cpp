// What a larger window costs: how long a zoom step and a step of dragging the
// window's edge take to lay the window out again and repaint it, how long the
// pictures then take to be drawn for the new size, and the peak memory of a
// game in a window maximised on a 1920 x 1080 screen. The real window,
// offscreen, with a 10 x 5 game in progress.
//
//   bench-zoom [--games N]   (N: repetitions of each step, default 20)
//   bench-zoom --peak        only the game maximised, for its peak memory

#include <cstdio>
#include <cstring>
#include <vector>

#include "desktop/zoom/window_zoom.h"
#include "game/window_layout.h"
#include "window/zoom.h"
#include "view_driver.h"

namespace {

using namespace pairon;
using namespace pairon::bench;

QSize StepSize(int percent) {
    return {ZoomedSize(ToPixels(kMainClientWidth), percent / 100.0),
            ZoomedSize(ToPixels(kMainClientHeight), percent / 100.0)};
}

void Report(const char* what, const std::vector<double>& elapsed, const std::vector<double>& processor) {
    // Judged on processor time: on a shared machine the elapsed time also
    // holds the waits for a processor.
    std::printf("| %s | %.2f | %.2f | %.2f | %.2f | %s |\n", what, Median(elapsed) / 1e6,
                Percentile(elapsed, 0.95) / 1e6, Median(processor) / 1e6, Percentile(processor, 0.95) / 1e6,
                Percentile(processor, 0.95) <= 16e6 ? "within one frame" : "OVER 16 ms");
}

void TimeSteps(ViewDriver& d, const BoardRun& run) {
    MainWindowView& view = d.View();
    std::printf("Zoom: re-laying the window out and repainting it whole, 10 x 5 game in progress, %d repetitions,"
                " screen scale %.0f %%\n\n", run.games, view.devicePixelRatioF() * 100);
    std::printf("| Step | Median, ms | 95th percentile, ms | Processor, median, ms | Processor, 95th percentile, ms | Verdict |\n"
                "|---|---:|---:|---:|---:|---|\n");

    // Every zoom step up and back down, as the keys make them: laid out;
    // laid out and painted (the first frame, pictures scaled quickly); then
    // the pictures settled, scaled smoothly or drawn afresh, and painted.
    std::vector<double> layoutElapsed, layoutProcessor, stepElapsed, stepProcessor, settleElapsed, settleProcessor;
    for (int k = 0; k < run.games; ++k) {
        int previous = 100;
        for (int percent : {125, 150, 175, 200, 250, 300, 250, 200, 175, 150, 125, 100}) {
            Sample s = TimeStep(d, Paint::None, [&] { view.resize(StepSize(percent)); });
            layoutElapsed.push_back(s.elapsed);
            layoutProcessor.push_back(s.processor);
            view.resize(StepSize(previous));
            view.Zoom().SettlePictures();
            d.Finish(Paint::Whole);
            s = TimeStep(d, Paint::Whole, [&] { view.resize(StepSize(percent)); });
            stepElapsed.push_back(s.elapsed);
            stepProcessor.push_back(s.processor);
            s = TimeStep(d, Paint::Whole, [&] { view.Zoom().SettlePictures(); });
            settleElapsed.push_back(s.elapsed);
            settleProcessor.push_back(s.processor);
            previous = percent;
        }
    }
    Report("a zoom step (100 to 300 % and back), laid out", layoutElapsed, layoutProcessor);
    Report("... laid out and painted whole: the first frame", stepElapsed, stepProcessor);
    Report("... then the pictures settled and painted whole", settleElapsed, settleProcessor);

    // Dragging the window's corner: 8 pixels across and 6 down at a time.
    std::vector<double> dragElapsed, dragProcessor;
    for (int k = 0; k < run.games; ++k) {
        for (int n = 1; n <= 60; ++n) {
            const QSize size = StepSize(100) + QSize(8 * n, 6 * n);
            const Sample s = TimeStep(d, Paint::Whole, [&] { view.resize(size); });
            dragElapsed.push_back(s.elapsed);
            dragProcessor.push_back(s.processor);
        }
        view.resize(StepSize(100));
        d.Finish(Paint::Whole);
    }
    Report("a step of dragging the corner (792 x 573 to 1272 x 933)", dragElapsed, dragProcessor);

    // Once the size has settled, the pictures are drawn for it: from the
    // files up to 200 % of the screen's pixels, by the art code beyond.
    std::printf("\nAll pictures read or drawn again (as at a change of the picture scale: the files read again up "
                "to 200 %% of the screen's pixels, finer ones drawn on demand), and painted whole:\n\n"
                "| Zoom | Median, ms | Processor, ms |\n|---|---:|---:|\n");
    for (int percent : {150, 200, 250, 300}) {
        view.resize(StepSize(percent));
        view.Zoom().SettlePictures();
        d.Finish(Paint::Whole);
        std::vector<double> elapsed, processor;
        for (int k = 0; k < std::max(3, run.games / 4); ++k) {
            const Sample s = TimeStep(d, Paint::Whole, [&] { view.RedrawPictures(); });
            elapsed.push_back(s.elapsed);
            processor.push_back(s.processor);
        }
        std::printf("| %d %% | %.1f | %.1f |\n", percent, Median(elapsed) / 1e6, Median(processor) / 1e6);
    }

}

}  // namespace

int main(int argc, char** argv) {
    OffscreenApplication app(argc, argv);
    const BoardRun run = ParseBoardRun(argc, argv, 20);
    ViewDriver d;
    MainWindowView& view = d.View();
    const long startPeak = StatusKilobytes("VmHWM");
    d.ChooseSize(10, 5);
    d.Press("cmdNew");
    d.Press("cmdDone");
    const std::vector<int> pairs = d.PairsInOrder();
    d.ClickCard(pairs[0]);
    d.Finish(Paint::Whole);
    const long gamePeak = StatusKilobytes("VmHWM");
    bool peakOnly = false;
    for (int i = 1; i < argc; ++i) peakOnly = peakOnly || std::strcmp(argv[i], "--peak") == 0;
    if (!peakOnly) TimeSteps(d, run);

    // Maximised on a 1920 x 1080 screen (a title bar of 19 pixels), the
    // pictures drawn for it, through to the outcome.
    view.resize(1920, 1061);
    d.Finish(Paint::Whole);
    view.Zoom().SettlePictures();
    d.Finish(Paint::Whole);
    for (std::size_t k = 1; k < pairs.size(); ++k) d.ClickCard(pairs[k]);
    d.Finish(Paint::Whole);
    const long maximisedPeak = StatusKilobytes("VmHWM");
    std::printf("\nPeak resident memory (VmHWM): %ld kB after start-up, %ld kB with the 10 x 5 game at 100 %%, "
                "%ld kB maximised (1920 x 1061, zoom %.3f) through to the outcome: %+ld kB\n",
                startPeak, gamePeak, maximisedPeak, view.Zoom().Zoom(), maximisedPeak - gamePeak);
    return 0;
}
