#pragma once

#include <vector>

#include "game/happenings.h"
#include "sounds/sound_cues.h"

namespace pairon {

// A cue to play for an event, `delayMs` after the event: the cues of one
// event follow each other rather than sound at once.
struct PlannedCue {
    Cue cue;
    int delayMs = 0;
    bool operator==(const PlannedCue&) const = default;
};

// The quiet between two cues of one event.
inline constexpr int kCueGapMs = 40;

// The cues of one event's happenings, in order: one for each card turned up,
// one for a pair, a miss or the cards turned back, one for the end. A
// computer's pick sounds as a human's does; the setup is silent.
std::vector<PlannedCue> CuesFor(const std::vector<Happening>& happenings);

}  // namespace pairon
