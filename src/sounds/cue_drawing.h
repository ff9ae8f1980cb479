#pragma once

#include <cstdint>
#include <vector>

#include "sounds/sound_cues.h"

namespace pairon {

// The samples of one cue, 16-bit mono at kCueSampleRate, silence at the end
// included. Each cue is a few soft bell-like notes: a sine with two quieter
// partials that die away sooner, a gentle attack and a decay to silence. Every
// cue fades in from zero and out to zero, so it never clicks, and peaks far
// below full scale, so it sits under a screen reader's voice.
std::vector<std::int16_t> DrawCue(Cue cue);

}  // namespace pairon
