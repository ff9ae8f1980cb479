#pragma once

#include <cstdint>

#include "game/main_form.h"

namespace pairon {

// Drives the window's two timers in virtual time, with the rules a real timer
// keeps: a timer counts its interval from the moment it starts, starting it
// again while it runs changes nothing, and it ticks every interval until it is
// stopped. A whole game, pauses and all, runs in microseconds.
class VirtualClock {
public:
    explicit VirtualClock(MainForm& form);

    std::int64_t Now() const { return now_; }

    // Call after every event the game handles, so timers started or stopped
    // by it are scheduled from the present moment.
    void Sync();

    // The time of the next tick, or -1 when no timer runs.
    std::int64_t NextTick() const;

    // Fires every tick that falls due up to `time`, in order, then moves the
    // clock to `time`.
    void AdvanceTo(std::int64_t time);
    void AdvanceBy(std::int64_t milliseconds) { AdvanceTo(now_ + milliseconds); }

    // Fires the next due tick, if any timer runs; returns whether one fired.
    bool FireNext();

private:
    struct Schedule {
        Timer* timer;
        void (*tick)(MainForm&);
        unsigned run = 0;
        bool scheduled = false;
        std::int64_t due = 0;
    };

    void SyncOne(Schedule& s);
    Schedule* Earliest();

    MainForm& form_;
    std::int64_t now_ = 0;
    Schedule card_;
    Schedule computer_;
};

}  // namespace pairon
