#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "game/happenings.h"
#include "desktop/speech/announcer.h"
#include "window/wording.h"

namespace pairon {

class MainWindowView;

// What a player who listens rather than looks hears of the game: every card
// turned up, by whom, every pair and miss and whose turn follows, the deal,
// the start and the end, and on F2 the state of play. It listens to the
// window's happenings and speaks through a notification the screen reader
// reads out; it changes nothing of the game.
class PlayByEar : public QObject, public HappeningListener {
    Q_OBJECT
public:
    explicit PlayByEar(MainWindowView& view);
    ~PlayByEar() override;

    void Heard(const std::vector<Happening>& happenings, const MainForm& form) override;

    // Speaks the state of play, as F2 does.
    void TellState();

    const Announcer& Announcements() const { return announcer_; }
    Announcer& Announcements() { return announcer_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Say(const QString& text);
    Words SpokenFace(int face) const;
    void BoardKeyPressed();

    MainWindowView& view_;
    Announcer announcer_;
    // A key or a click of the player's is being handled now; the count of
    // those so far, and the one of them that was last heard to do something.
    bool playerInput_ = false;
    unsigned inputs_ = 0;
    unsigned inputHeard_ = 0;
};

// The sentences for what one event did, in the player's language; empty when
// there is nothing to say.
QString SpokenHappenings(const std::vector<Happening>& happenings, const MainForm& form,
                         const FaceWordsOf& faceWords = {});

// Whose turn it is, every seat's score and the pairs remaining; in the setup
// what to do next; after the last pair the outcome.
QString SpokenState(const MainForm& form);

}  // namespace pairon
