#include "desktop/main_window/game_timers.h"

#include <algorithm>
#include <utility>

namespace pairon {

GameTimers::GameTimers(MainForm& form, std::function<void()> cardTick, std::function<void()> computerTick)
    : cardTick_(std::move(cardTick)), computerTick_(std::move(computerTick)) {
    card_.model = &form.tmrCardDelay;
    computer_.model = &form.tmrComputerDelay;
    for (QTimer* timer : {&card_.timer, &computer_.timer, &hold_}) timer->setTimerType(Qt::PreciseTimer);
    hold_.setSingleShot(true);
    connect(&card_.timer, &QTimer::timeout, this, [this] { cardTick_(); });
    connect(&computer_.timer, &QTimer::timeout, this, [this] { ComputerTicked(); });
    connect(&hold_, &QTimer::timeout, this, [this] { RunHeldTick(); });
}

void GameTimers::HoldComputerWhile(ComputerWait wait) { wait_ = std::move(wait); }

void GameTimers::Sync() {
    SyncLink(card_);
    SyncLink(computer_);
}

void GameTimers::Stop() {
    card_.timer.stop();
    computer_.timer.stop();
    hold_.stop();
    held_ = false;
}

void GameTimers::SyncLink(Link& link) {
    const bool computer = &link == &computer_;
    if (!link.model->enabled) {
        link.timer.stop();
        if (computer) {
            hold_.stop();
            held_ = false;
        }
        return;
    }
    if (link.run != link.model->run) {
        // Started afresh, or given a new interval: a tick held from before
        // belongs to a run that is over.
        if (computer) {
            hold_.stop();
            held_ = false;
        }
        link.run = link.model->run;
        link.timer.start(link.model->interval);
    } else if (!link.timer.isActive() && !(computer && held_)) {
        link.timer.start(link.model->interval);
    }
}

void GameTimers::ComputerTicked() {
    const qint64 wait = wait_ ? wait_() : 0;
    if (wait <= 0) {
        computerTick_();
        return;
    }
    // The timer waits with its tick; the game sets it running again as ever
    // once the tick is handled.
    computer_.timer.stop();
    held_ = true;
    heldSince_.start();
    hold_.start(static_cast<int>(std::min(wait, kLongestHold)));
}

void GameTimers::RunHeldTick() {
    // What the computer waits for may have grown meanwhile.
    const qint64 wait = wait_ ? wait_() : 0;
    const qint64 left = kLongestHold - heldSince_.elapsed();
    if (wait > 0 && left > 0) {
        hold_.start(static_cast<int>(std::min(wait, left)));
        return;
    }
    held_ = false;
    computerTick_();
}

}  // namespace pairon
