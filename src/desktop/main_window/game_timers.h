#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

#include "game/main_form.h"

namespace pairon {

// The game's two timers, the card delay and the computer's, on the desktop's
// clock. Each runs while its model timer runs, counts its interval from the
// moment the game starts it, and hands every tick to the window.
//
// The computer's tick may be held back for a while: a player who listens
// rather than looks must hear what the computer did before it does the next
// thing. A held tick is the same tick, later; the card delay is never held,
// and nothing is held unless somebody asks for it.
class GameTimers : public QObject {
public:
    // The longest a computer's tick is ever held past its time, whatever
    // keeps asking for more.
    static constexpr qint64 kLongestHold = 10000;

    // How long the computer's next move should still wait, in milliseconds;
    // 0 or less when it need not wait.
    using ComputerWait = std::function<qint64()>;

    GameTimers(MainForm& form, std::function<void()> cardTick, std::function<void()> computerTick);

    // From now on the computer's tick waits as long as `wait` says; an empty
    // function holds nothing.
    void HoldComputerWhile(ComputerWait wait);

    // Brings both timers in step with the model: call after every event.
    void Sync();
    // Stops both, and drops a held tick.
    void Stop();

    // Whether the computer's tick came and is being held back.
    bool ComputerHeld() const { return held_; }

private:
    struct Link {
        Timer* model;
        QTimer timer;
        unsigned run = 0;
    };

    void SyncLink(Link& link);
    void ComputerTicked();
    void RunHeldTick();

    Link card_;
    Link computer_;
    std::function<void()> cardTick_;
    std::function<void()> computerTick_;
    ComputerWait wait_;
    QTimer hold_;
    QElapsedTimer heldSince_;
    bool held_ = false;
};

}  // namespace pairon
