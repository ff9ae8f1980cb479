#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "window/cue_plan.h"

namespace pairon {

// What plays the cues, on the sound thread: the sound module's side.
class CuePlayerBase {
public:
    virtual ~CuePlayerBase() = default;
    // Reads every cue file of `folder` into memory, where it stays.
    virtual void Load() = 0;
    virtual void Play(const std::vector<PlannedCue>& cues) = 0;
    // Silences every cue, and those still waiting to play.
    virtual void Stop() = 0;
    // The system's default output is now the device `id` (as Qt Multimedia
    // names it; headphones plugged in, say): the cues play through it from
    // now on, or through the default Qt gives when no device has that id.
    virtual void DefaultOutputChanged(const QByteArray& id) = 0;
};

// The sound module, a file beside the game, and what it exports: a player of
// the cues in `folder`, made on the thread that is to use it.
inline constexpr const char* kSoundModuleName = "pairon-sound";
using MakeCuePlayerFunction = CuePlayerBase* (*)(const QString& folder);
inline constexpr const char* kMakeCuePlayerSymbol = "PaironMakeCuePlayer";

}  // namespace pairon
