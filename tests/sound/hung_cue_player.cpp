// A sound module whose sound server hangs once the game is leaving: its
// player never finishes letting go of its streams. Loaded by the sound tests
// in place of the real one.

#include <QString>
#include <chrono>
#include <thread>

#include "desktop/sound/sound_player.h"

namespace {

class HungCuePlayer : public pairon::CuePlayerBase {
public:
    ~HungCuePlayer() override {
        for (;;) std::this_thread::sleep_for(std::chrono::hours(1));
    }
    void Load() override {}
    void Play(const std::vector<pairon::PlannedCue>&) override {}
    void Stop() override {}
    void DefaultOutputChanged(const QByteArray&) override {}
};

}  // namespace

extern "C" Q_DECL_EXPORT pairon::CuePlayerBase* PaironMakeCuePlayer(const QString&) { return new HungCuePlayer; }
