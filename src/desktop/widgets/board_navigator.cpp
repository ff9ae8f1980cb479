#include "desktop/widgets/board_navigator.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>

#include "window/wording.h"

namespace pairon {

namespace {

constexpr int kSlots = kBoardColumns * kBoardRows;

// The board's own words, which hold no parts to fill in, in the player's
// language.
QString Translated(const Words& words) {
    return QCoreApplication::translate(words.context.c_str(), words.source.c_str());
}

// The mark: a dark ring with a bright one inside it, centred a little outside
// the card's edge, so it shows on light faces, dark backs and any background.
constexpr qreal kRingOffset = 2.0;
constexpr qreal kRingRadius = 7.0;
constexpr qreal kDarkWidth = 6.0;
constexpr qreal kBrightWidth = 3.5;
constexpr int kMarkReach = 6;  // how far the ring reaches outside the card

}  // namespace

BoardNavigator::BoardNavigator(std::vector<QWidget*> cards, std::function<bool(int)> shown, QWidget* parent)
    : QWidget(parent), cards_(std::move(cards)), shown_(std::move(shown)) {
    // The cards beneath keep receiving the mouse; the board is reached by Tab.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleDescription(Translated(BoardDescriptionWords()));
    UpdateAccessibleName();
}

void BoardNavigator::SetMarked(int position) {
    if (position >= 0 && position < kSlots && shown_(position)) Mark(position);
}

void BoardNavigator::Refresh(bool usable) {
    if (marked_ < 0) {
        Mark(MoveMark(-1, MarkMove::First, shown_));
    } else if (!shown_(marked_)) {
        // The marked card left the board: a screen reader follows the mark
        // to the card it moves to.
        Mark(NearestShownSlot(marked_, shown_));
        TellMarkedCard();
    }
    UpdateAccessibleName();
    setEnabled(usable && marked_ >= 0);
}

QRect BoardNavigator::MarkRect(int position) const {
    if (position < 0 || position >= static_cast<int>(cards_.size())) return {};
    const QRect card = cards_[static_cast<std::size_t>(position)]->geometry().translated(-pos());
    return card.adjusted(-kMarkReach, -kMarkReach, kMarkReach, kMarkReach);
}

void BoardNavigator::keyPressEvent(QKeyEvent* event) {
    // Let shortcuts such as Alt+Left pass; the arrows of the keypad count too.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Left: Move(MarkMove::Left); break;
        case Qt::Key_Right: Move(MarkMove::Right); break;
        case Qt::Key_Up: Move(MarkMove::Up); break;
        case Qt::Key_Down: Move(MarkMove::Down); break;
        case Qt::Key_Home: Move(MarkMove::First); break;
        case Qt::Key_End: Move(MarkMove::Last); break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // A held key turns up one card, as one click does.
            if (!event->isAutoRepeat() && marked_ >= 0 && shown_(marked_)) emit activated(marked_);
            break;
        default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void BoardNavigator::paintEvent(QPaintEvent*) {
    if (!hasFocus() || marked_ < 0 || !shown_(marked_)) return;
    const QRectF ring = QRectF(cards_[static_cast<std::size_t>(marked_)]->geometry().translated(-pos()))
                            .adjusted(-kRingOffset, -kRingOffset, kRingOffset, kRingOffset);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(16, 16, 24, 230), kDarkWidth));
    painter.drawRoundedRect(ring, kRingRadius, kRingRadius);
    painter.setPen(QPen(QColor(255, 214, 0), kBrightWidth));
    painter.drawRoundedRect(ring, kRingRadius, kRingRadius);
}

void BoardNavigator::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (marked_ < 0 || !shown_(marked_)) Mark(MoveMark(-1, MarkMove::First, shown_));
    update(MarkRect(marked_));
    TellMarkedCard();
}

void BoardNavigator::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update(MarkRect(marked_));
}

void BoardNavigator::Move(MarkMove move) {
    const int before = marked_;
    Mark(MoveMark(marked_, move, shown_));
    if (marked_ == before) {
        if (marked_ >= 0) emit markStayed(marked_);
        return;
    }
    TellMarkedCard();
}

void BoardNavigator::TellMarkedCard() {
    if (!QAccessible::isActive() || !hasFocus() || marked_ < 0) return;
    const int card = CardOfPosition(marked_);
    if (card < 0) return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(card);
    QAccessible::updateAccessibility(&focus);
}

bool BoardNavigator::Shown(int position) const { return position >= 0 && position < kSlots && shown_(position); }

int BoardNavigator::ShownCount() const {
    int count = 0;
    for (int p = 0; p < kSlots; ++p) count += shown_(p) ? 1 : 0;
    return count;
}

int BoardNavigator::PositionOfCard(int card) const {
    if (card < 0) return -1;
    for (int p = 0; p < kSlots; ++p) {
        if (shown_(p) && card-- == 0) return p;
    }
    return -1;
}

int BoardNavigator::CardOfPosition(int position) const {
    if (!Shown(position)) return -1;
    int card = 0;
    for (int p = 0; p < position; ++p) card += shown_(p) ? 1 : 0;
    return card;
}

QString BoardNavigator::CardName(int position) const {
    if (position < 0 || position >= static_cast<int>(cards_.size())) return {};
    return cards_[static_cast<std::size_t>(position)]->accessibleName();
}

QRect BoardNavigator::CardScreenRect(int position) const {
    if (position < 0 || position >= static_cast<int>(cards_.size())) return {};
    QWidget* card = cards_[static_cast<std::size_t>(position)];
    return QRect(card->mapToGlobal(QPoint(0, 0)), card->size());
}

void BoardNavigator::Mark(int position) {
    if (position == marked_) return;
    update(MarkRect(marked_));
    marked_ = position;
    update(MarkRect(marked_));
    UpdateAccessibleName();
}

void BoardNavigator::UpdateAccessibleName() {
    const QString name = marked_ >= 0 ? cards_[static_cast<std::size_t>(marked_)]->accessibleName()
                                      : Translated(NoCardsWords());
    if (name == accessibleName()) return;
    setAccessibleName(name);
    // The board reads as its marked card, so a screen reader that follows the
    // focus speaks each card the mark reaches.
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

}  // namespace pairon
