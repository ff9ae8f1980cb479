#include "desktop/widgets/game_style.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionGroupBox>

namespace pairon {

namespace {

// The caption starts this far in from the panel's left edge, and the frame's
// line keeps this much room on either side of it.
constexpr int kCaptionLeft = 8;
constexpr int kCaptionRoom = 2;

}  // namespace

GameStyle::GameStyle() : QProxyStyle(nullptr) {}

int GameStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const {
    // A list that opens over its own box hides the box and what lies above
    // it; it opens below, with the current item highlighted.
    if (hint == SH_ComboBox_Popup) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QRect GameStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box) return QProxyStyle::subControlRect(control, option, part, widget);
    const QFontMetrics& metrics = box->fontMetrics;
    const int captionHeight = metrics.height();
    const int captionWidth = box->text.isEmpty() ? 0 : metrics.horizontalAdvance(box->text) + 2 * kCaptionRoom;
    switch (part) {
        case SC_GroupBoxLabel: return {kCaptionLeft, 0, captionWidth, captionHeight};
        // The frame's top line runs through the middle of the caption.
        case SC_GroupBoxFrame: return box->rect.adjusted(0, captionHeight / 2, 0, 0);
        case SC_GroupBoxContents: return box->rect.adjusted(1, captionHeight, -1, -1);
        default: return {};
    }
}

void GameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                   const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect caption = subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget);
    const QRect frame = subControlRect(CC_GroupBox, box, SC_GroupBoxFrame, widget);

    painter->save();
    // An etched line: a shadow, and a light line just inside it.
    QRegion around(box->rect);
    if (caption.width() > 0) around -= QRegion(caption);
    painter->setClipRegion(around);
    painter->setPen(box->palette.color(QPalette::Mid));
    painter->drawRect(frame.adjusted(0, 0, -2, -2));
    painter->setPen(box->palette.color(QPalette::Light));
    painter->drawRect(frame.adjusted(1, 1, -1, -1));
    painter->restore();

    if (caption.width() > 0) {
        drawItemText(painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, box->palette,
                     (box->state & State_Enabled) != 0, box->text, QPalette::WindowText);
    }
}

GameStyle* TheGameStyle() {
    static GameStyle* style = [] {
        auto* made = new GameStyle;
        // Gone with the application, after every window that uses it.
        made->setParent(qApp);
        return made;
    }();
    return style;
}

}  // namespace pairon
