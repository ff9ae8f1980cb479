#pragma once

#include <QProxyStyle>

namespace pairon {

// Where the window's look differs from the desktop style's defaults: drop-down
// lists open below their box, and a panel draws its caption in its top border,
// the line of the frame broken where the caption stands.
class GameStyle : public QProxyStyle {
    Q_OBJECT
public:
    GameStyle();

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
};

// The one style the window's lists and panels share, made at first use and
// kept for the application's life.
GameStyle* TheGameStyle();

}  // namespace pairon
