#pragma once

#include <QObject>
#include <QString>
#include <QThread>
#include <vector>

#include "game/happenings.h"
#include "desktop/sound/sound_player.h"

namespace pairon {

class SoundSide;

// The game as heard: listens to the window's happenings and plays the cues,
// while the "Sound" box is ticked. The cues play on a thread of their own, so
// an event only hands them over; with no sound server, no device, or a server
// that goes away, the game stays silent and says so once on stderr, when a
// cue is to play.
class GameSound : public QObject, public HappeningListener {
    Q_OBJECT
public:
    // `folder` holds the cue files and the sound module. Nothing is made until
    // Start().
    explicit GameSound(QString folder, QObject* parent = nullptr);
    ~GameSound() override;

    // Starts the sound thread, which loads the sound module beside the game and
    // every cue. Call it off the path to the window's first paint;
    // StartAfterFirstPaint() does that.
    void Start();
    // Start()s once `window` has had its first paint, if `form`'s "Sound" box
    // is ticked by then; otherwise the first cue to play starts it.
    void StartAfterFirstPaint(QWidget* window, const MainForm& form);

    void Heard(const std::vector<Happening>& happenings, const MainForm& form) override;

    // The status the game is to end with. Should the sound thread not end in
    // time when this is destroyed (a sound server that hangs), the process
    // ends at once with this status; until it is given, with a failure, as
    // nothing says the run went well.
    void EndWith(int status) { exitStatus_ = status; }

    // Cues handed to the sound thread so far, for the benchmarks.
    int CuesHandedOver() const { return handedOver_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString folder_;
    const MainForm* form_ = nullptr;
    QThread thread_;
    SoundSide* side_ = nullptr;
    bool started_ = false;
    int handedOver_ = 0;
    int exitStatus_ = 1;
};

}  // namespace pairon
