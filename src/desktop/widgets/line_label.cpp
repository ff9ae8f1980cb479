#include "desktop/widgets/line_label.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace pairon {

LineLabel::LineLabel(QWidget* parent) : QLabel(parent) { setWordWrap(false); }

void LineLabel::SetLine(const QString& text) {
    if (this->text() == text) return;
    setText(text);
    UpdateToolTip();
}

QRect LineLabel::TextRect() const {
    // The room QLabel itself gives its text: inside the frame and margins,
    // less the indent on the side the text is aligned to.
    QRect room = contentsRect();
    const int space = indent() < 0 ? 0 : indent();
    if (alignment() & Qt::AlignLeft) room.setLeft(room.left() + space);
    if (alignment() & Qt::AlignRight) room.setRight(room.right() - space);
    return room;
}

bool LineLabel::IsCut() const { return fontMetrics().horizontalAdvance(text()) > TextRect().width(); }

void LineLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = TextRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
    style()->drawItemText(&painter, room, static_cast<int>(alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
}

void LineLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) UpdateToolTip();
}

void LineLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    UpdateToolTip();
}

void LineLabel::UpdateToolTip() {
    const QString tip = IsCut() ? text() : QString();
    if (toolTip() != tip) setToolTip(tip);
}

}  // namespace pairon
