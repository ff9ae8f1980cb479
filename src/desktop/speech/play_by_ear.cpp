#include "desktop/speech/play_by_ear.h"

#include <QCoreApplication>
#include <QEvent>
#include <QShortcut>

#include "game/game_rules.h"
#include "game/numbers.h"
#include "desktop/main_window/main_window_view.h"
#include "desktop/accessibility/accessibility.h"
#include "desktop/widgets/board_navigator.h"
#include "desktop/decks/deck_list.h"
#include "pictures/picture_files.h"
#include "desktop/translation/translation.h"

namespace pairon {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Speech", text); }

QString SeatName(const MainForm& form, int seat) {
    if (seat < 0 || seat >= kSeats) return {};
    return ShownName(form.lblPlayer[static_cast<std::size_t>(seat)].text);
}

QString Place(int position) {
    return Tr(QT_TRANSLATE_NOOP("Speech", "row %1, column %2"))
        .arg(position / kBoardColumns + 1)
        .arg(position % kBoardColumns + 1);
}

QString Joined(const QStringList& sentences) {
    QStringList kept = sentences;
    kept.removeAll(QString());
    return kept.join(QLatin1Char(' '));
}

QString Outcome(const MainForm& form) { return SpokenOutcome(form).join(QLatin1Char(' ')); }

QString Sentence(const Happening& h, const MainForm& form, const FaceNames& faceName) {
    switch (h.kind) {
        case HappeningKind::GameDealt:
            return Tr(QT_TRANSLATE_NOOP("Speech", "New game, %1 by %2 cards. The New Game button now reads End Game. Enter the players, then press Done."))
                .arg(BoardWidth(form))
                .arg(BoardHeight(form));
        case HappeningKind::PlayStarted:
            if (h.computer) return Tr(QT_TRANSLATE_NOOP("Speech", "The computer plays first. F2 tells the score."));
            return Tr(QT_TRANSLATE_NOOP("Speech", "%1 plays first. F2 tells the score.")).arg(SeatName(form, h.nextSeat));
        case HappeningKind::CardShown:
            if (h.computer) {
                return Tr(QT_TRANSLATE_NOOP("Speech", "Computer turns up %1: %2."))
                    .arg(Place(h.position), faceName ? faceName(h.face) : FaceName(h.face));
            }
            return Tr(QT_TRANSLATE_NOOP("Speech", "%1.")).arg(faceName ? faceName(h.face) : FaceName(h.face));
        case HappeningKind::PairFound:
            if (h.pairsLeft <= 0) {
                return Tr(QT_TRANSLATE_NOOP("Speech", "A pair for %1! Score: %2."))
                    .arg(SeatName(form, h.seat))
                    .arg(h.score);
            }
            return Tr(QT_TRANSLATE_NOOP("Speech", "A pair for %1! Score: %2. Pairs left: %3."))
                .arg(SeatName(form, h.seat))
                .arg(h.score)
                .arg(h.pairsLeft);
        case HappeningKind::Missed:
            if (SeatCount(form) == 1) return Tr(QT_TRANSLATE_NOOP("Speech", "No pair."));
            if (form.lblPlayer[static_cast<std::size_t>(h.nextSeat)].text == kComputerName) {
                return Tr(QT_TRANSLATE_NOOP("Speech", "No pair. The computer plays now."));
            }
            return Tr(QT_TRANSLATE_NOOP("Speech", "No pair. Your turn, %1.")).arg(SeatName(form, h.nextSeat));
        case HappeningKind::CardsTurnedBack: return {};
        case HappeningKind::GameWon:
        case HappeningKind::GameDrawn:
        case HappeningKind::GameFinished: return Outcome(form);
        case HappeningKind::GameLeft:
            return Tr(QT_TRANSLATE_NOOP("Speech", "The game is over. Choose the board, then press New Game."));
    }
    return {};
}

bool GameOver(const std::vector<Happening>& happenings) {
    for (const Happening& h : happenings) {
        if (h.kind == HappeningKind::GameWon || h.kind == HappeningKind::GameDrawn ||
            h.kind == HappeningKind::GameFinished) {
            return true;
        }
    }
    return false;
}

}  // namespace

QString SpokenHappenings(const std::vector<Happening>& happenings, const MainForm& form, const FaceNames& faceName) {
    QStringList sentences;
    for (const Happening& h : happenings) sentences << Sentence(h, form, faceName);
    return Joined(sentences);
}

QString SpokenState(const MainForm& form) {
    if (form.cmdNew.caption != kEndGameCaption) {
        return Tr(QT_TRANSLATE_NOOP("Speech", "No game is on. Choose the board, then press New Game."));
    }
    if (form.fraPlayers.visible) return Tr(QT_TRANSLATE_NOOP("Speech", "Enter the players, then press Done."));
    if (form.fraOutcome.visible) return Outcome(form);
    return Tr(QT_TRANSLATE_NOOP("Speech", "%1 to play. Scores: %2. Pairs left: %3."))
        .arg(ShownName(form.lblPlayerTurn.text), SpokenScores(form))
        .arg(WholeValue(form.lblPairs.text));
}

PlayByEar::PlayByEar(MainWindowView& view) : view_(view), announcer_(&view) {
    view_.Listen(this);
    auto* state = new QShortcut(QKeySequence(Qt::Key_F2), &view_);
    state->setContext(Qt::ApplicationShortcut);
    connect(state, &QShortcut::activated, this, [this] { TellState(); });
    if (BoardNavigator* board = view_.Board()) {
        connect(board, &BoardNavigator::activated, this, [this] { BoardKeyPressed(); });
        // The screen reader does not speak the focus coming back to where it
        // is; the card is named all the same.
        connect(board, &BoardNavigator::markStayed, this,
                [this, board](int position) { announcer_.SayNow(board->CardName(position)); });
    }
    // The computer's next card waits until what it did last has been heard.
    view_.Timers().HoldComputerWhile([this] { return ComputerWait(); });
    QCoreApplication::instance()->installEventFilter(this);
}

PlayByEar::~PlayByEar() {
    QCoreApplication::instance()->removeEventFilter(this);
    view_.Timers().HoldComputerWhile({});
    view_.StopListening(this);
}

qint64 PlayByEar::ComputerWait() const {
    // Nobody listens, or the tick makes no move of the computer's: it keeps
    // its time.
    if (!announcer_.ScreenReaderListening() || view_.Form().lblPlayerTurn.text != kComputerName) return 0;
    return announcer_.TimeToQuiet();
}

bool PlayByEar::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (!playerInput_ && (type == QEvent::KeyPress || type == QEvent::MouseButtonPress || type == QEvent::Shortcut)) {
        // The flag lasts while this input is handled: it is cleared as soon
        // as the event loop takes up its next event.
        playerInput_ = true;
        ++inputs_;
        QMetaObject::invokeMethod(this, [this] { playerInput_ = false; }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void PlayByEar::Say(const QString& text) {
    if (playerInput_) {
        announcer_.SayNow(text);
    } else {
        announcer_.SayNext(text);
    }
}

void PlayByEar::TellState() { announcer_.SayNow(SpokenState(view_.Form())); }

void PlayByEar::BoardKeyPressed() {
    const MainForm& form = view_.Form();
    // The key turned a card, or turned the cards back: that was said.
    if (inputHeard_ == inputs_) return;
    if (form.cmdNew.caption != kEndGameCaption || form.fraOutcome.visible) return;
    BoardNavigator* board = view_.Board();
    const int marked = board ? board->Marked() : -1;
    if (form.lblPlayerTurn.text == kComputerName) {
        announcer_.SayNow(Tr(QT_TRANSLATE_NOOP("Speech", "Please wait: the computer is playing.")));
    } else if (marked >= 0 && FaceOfPictureFile(form.imgCard[static_cast<std::size_t>(marked)].file) > 0) {
        // The card the player turned up last: it is up already.
        announcer_.SayNow(board->CardName(marked));
    } else {
        // The key only ended the computer's pause before the player's turn.
        announcer_.SayNow(Tr(QT_TRANSLATE_NOOP("Speech", "Press again to turn up a card.")));
    }
}

QString PlayByEar::SpokenFace(int face) const {
    // A face that shows a picture of the player's deck is named after it.
    const QString deckFace = view_.Decks() ? view_.Decks()->NameInstead(CardFaceFile(face)) : QString();
    return deckFace.isEmpty() ? FaceName(face) : deckFace;
}

void PlayByEar::Heard(const std::vector<Happening>& happenings, const MainForm& form) {
    if (playerInput_) inputHeard_ = inputs_;
    const FaceNames faceName = [this](int face) { return SpokenFace(face); };
    for (const Happening& h : happenings) {
        if (h.kind != HappeningKind::PlayStarted || h.computer) continue;
        // The first player is a human: with a screen reader listening, the
        // board takes the focus, and the screen reader names the marked card
        // before the game speaks. Without one the window stays as it was.
        if (BoardNavigator* board = view_.Board(); board && board->isEnabled() && announcer_.ScreenReaderListening()) {
            board->setFocus(Qt::OtherFocusReason);
            announcer_.Hold(board->accessibleName() + board->accessibleDescription());
        }
        announcer_.SayNext(SpokenHappenings(happenings, form, faceName));
        return;
    }
    QString text = SpokenHappenings(happenings, form, faceName);
    if (text.isEmpty() && playerInput_ && happenings.front().kind == HappeningKind::CardsTurnedBack) {
        // The player's key only turned the cards of the miss back.
        text = Tr(QT_TRANSLATE_NOOP("Speech", "The cards are face down again. Press again to turn up a card."));
    }
    if (text.isEmpty()) return;
    // The end is said at once: nothing comes after it to wait for.
    if (GameOver(happenings)) {
        announcer_.SayNow(text);
        return;
    }
    Say(text);
}

}  // namespace pairon
