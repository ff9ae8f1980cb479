#include "window/virtual_clock.h"

#include "game/game_rules.h"
#include "opponent/opponent.h"

namespace pairon {

VirtualClock::VirtualClock(MainForm& form)
    : form_(form), card_{&form.tmrCardDelay, &tmrCardDelay_Timer}, computer_{&form.tmrComputerDelay, &tmrComputerDelay_Timer} {
    Sync();
}

void VirtualClock::SyncOne(Schedule& s) {
    if (!s.timer->enabled) {
        s.scheduled = false;
        return;
    }
    if (!s.scheduled || s.run != s.timer->run) {
        s.scheduled = true;
        s.run = s.timer->run;
        s.due = now_ + s.timer->interval;
    }
}

void VirtualClock::Sync() {
    SyncOne(card_);
    SyncOne(computer_);
}

VirtualClock::Schedule* VirtualClock::Earliest() {
    Schedule* next = nullptr;
    for (Schedule* s : {&card_, &computer_}) {
        if (s->scheduled && (!next || s->due < next->due)) next = s;
    }
    return next;
}

std::int64_t VirtualClock::NextTick() const {
    std::int64_t next = -1;
    for (const Schedule* s : {&card_, &computer_}) {
        if (s->scheduled && (next < 0 || s->due < next)) next = s->due;
    }
    return next;
}

bool VirtualClock::FireNext() {
    Schedule* s = Earliest();
    if (!s) return false;
    now_ = s->due;
    // A periodic timer counts its next interval from this tick.
    s->due = now_ + s->timer->interval;
    s->tick(form_);
    Sync();
    return true;
}

void VirtualClock::AdvanceTo(std::int64_t time) {
    while (true) {
        Schedule* s = Earliest();
        if (!s || s->due > time) break;
        FireNext();
    }
    if (time > now_) now_ = time;
}

}  // namespace pairon
