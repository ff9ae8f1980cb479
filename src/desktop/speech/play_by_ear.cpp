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

QString SpokenHappenings(const std::vector<Happening>& happenings, const MainForm& form, const FaceWordsOf& faceWords) {
    return Spoken(HappeningsWords(happenings, form, faceWords));
}

QString SpokenState(const MainForm& form) { return Spoken(StateWords(form)); }

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
    QCoreApplication::instance()->installEventFilter(this);
}

PlayByEar::~PlayByEar() {
    QCoreApplication::instance()->removeEventFilter(this);
    view_.StopListening(this);
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
        announcer_.SayNow(Rendered(ComputerPlayingWords()));
    } else if (marked >= 0 && FaceOfPictureFile(form.imgCard[static_cast<std::size_t>(marked)].file) > 0) {
        // The card the player turned up last: it is up already.
        announcer_.SayNow(board->CardName(marked));
    } else {
        // The key only ended the computer's pause before the player's turn.
        announcer_.SayNow(Rendered(PressAgainWords()));
    }
}

Words PlayByEar::SpokenFace(int face) const {
    // A face that shows a picture of the player's deck is named after it.
    const QString deckFace = view_.Decks() ? view_.Decks()->NameInstead(CardFaceFile(face)) : QString();
    return deckFace.isEmpty() ? FaceWords(face) : AsItIs(deckFace.toStdString());
}

void PlayByEar::Heard(const std::vector<Happening>& happenings, const MainForm& form) {
    if (playerInput_) inputHeard_ = inputs_;
    const FaceWordsOf faceWords = [this](int face) { return SpokenFace(face); };
    for (const Happening& h : happenings) {
        if (h.kind != HappeningKind::PlayStarted || h.computer) continue;
        // The first player is a human: with a screen reader listening, the
        // board takes the focus, and the screen reader names the marked card
        // before the game speaks. Without one the window stays as it was.
        if (BoardNavigator* board = view_.Board(); board && board->isEnabled() && announcer_.ScreenReaderListening()) {
            board->setFocus(Qt::OtherFocusReason);
            announcer_.Hold(board->accessibleName() + board->accessibleDescription());
        }
        announcer_.SayNext(SpokenHappenings(happenings, form, faceWords));
        return;
    }
    QString text = SpokenHappenings(happenings, form, faceWords);
    if (text.isEmpty() && playerInput_ && happenings.front().kind == HappeningKind::CardsTurnedBack) {
        // The player's key only turned the cards of the miss back.
        text = Rendered(TurnedBackWords());
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
