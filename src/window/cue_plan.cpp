#include "window/cue_plan.h"

namespace pairon {

std::vector<PlannedCue> CuesFor(const std::vector<Happening>& happenings) {
    std::vector<PlannedCue> cues;
    int at = 0;
    auto add = [&](Cue cue) {
        cues.push_back({cue, at});
        at += CueFileOf(cue).audibleMs + kCueGapMs;
    };
    for (const Happening& h : happenings) {
        switch (h.kind) {
            case HappeningKind::CardShown: add(Cue::CardUp); break;
            case HappeningKind::PairFound: add(Cue::Pair); break;
            case HappeningKind::Missed: add(Cue::Miss); break;
            case HappeningKind::CardsTurnedBack: add(Cue::TurnBack); break;
            case HappeningKind::GameWon: add(h.computer ? Cue::BadLuck : Cue::Winner); break;
            case HappeningKind::GameDrawn: add(Cue::Draw); break;
            case HappeningKind::GameFinished: add(Cue::Alone); break;
            case HappeningKind::GameDealt:
            case HappeningKind::PlayStarted:
            case HappeningKind::GameLeft: break;
        }
    }
    return cues;
}

}  // namespace pairon
