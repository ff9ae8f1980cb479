#pragma once

// Drives the real main window, offscreen, the way its widgets' events do:
// selections through the drop-down lists, presses through the buttons' own
// click(), card clicks through the card's clicked signal (what a press and a
// release inside it emit) or through real mouse events, and timer ticks
// through the same handler the window's timers call.

#include <QApplication>
#include <cstdint>
#include <string>
#include <vector>

#include "app/startup.h"
#include "game/main_form.h"
#include "game/random.h"
#include "desktop/main_window/main_window_view.h"

namespace pairon::bench {

// The application of a window benchmark: its windows draw offscreen, and it
// starts the way the game does (the game's allocator settings and font
// reading, through the same Startup).
class OffscreenApplication {
public:
    OffscreenApplication(int& argc, char** argv);

private:
    struct Offscreen {
        Offscreen();
    } offscreen_;
    Startup startup_;
    QApplication app_;
};

// The board and number of games a bench plays: --games N --width W --height H.
struct BoardRun {
    int games;
    int width = 10;
    int height = 5;
};
BoardRun ParseBoardRun(int argc, char** argv, int defaultGames);

// How a measured step is finished before the clock stops.
enum class Paint {
    None,   // the event's handler and the widgets brought up to date
    Dirty,  // ... and the pending paint of what changed, as the event loop does it
    Whole,  // ... and a synchronous repaint of the whole window
};
const char* PaintName(Paint paint);

class ViewDriver {
public:
    explicit ViewDriver(std::uint64_t seed = 7);

    MainForm& Form() { return form_; }
    MainWindowView& View() { return view_; }

    // Setup controls, through their widgets.
    void ChooseSize(int width, int height);
    void ChoosePlayers(int seats);
    void ChooseSeat(int seat, const std::string& type, const std::string& level = "Excellent");

    void Press(const char* button);             // cmdNew, cmdDone, cmdExit
    void ClickCard(int code);                   // the card's clicked signal
    void MouseClickCard(int code);              // a real press and release on it
    void ComputerTick();                        // what tmrComputerDelay's timeout runs
    void CardDelayTick();                       // what tmrCardDelay's timeout runs

    // Finishes a step as `paint` says; returns the paint events it took.
    int Finish(Paint paint);

    // Position codes of the cards on the board, pair by pair (the two codes of
    // one face next to each other), from the deal in lstShuffled.
    std::vector<int> PairsInOrder();
    // Every position code on the board, row by row.
    std::vector<int> BoardCodes();

private:
    SeededRandom random_;
    MainForm form_;
    MainWindowView view_;
};

// What a step took: nanoseconds of elapsed time, and of processor time of
// the thread (the elapsed time less any wait for a processor).
struct Sample {
    double elapsed = 0;
    double processor = 0;
};

// Times a call, finished as `paint` says.
template <typename Step>
Sample TimeStep(ViewDriver& driver, Paint paint, Step&& step);

}  // namespace pairon::bench

#include "bench_support.h"

template <typename Step>
pairon::bench::Sample pairon::bench::TimeStep(ViewDriver& driver, Paint paint, Step&& step) {
    const std::int64_t start = MonotonicNanoseconds();
    const std::int64_t startProcessor = ThreadProcessorNanoseconds();
    step();
    driver.Finish(paint);
    return {static_cast<double>(MonotonicNanoseconds() - start),
            static_cast<double>(ThreadProcessorNanoseconds() - startProcessor)};
}
