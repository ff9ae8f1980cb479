#pragma once

#include <QLabel>

namespace pairon {

// A label that keeps its text on one line, however long: what does not fit is
// cut at the label's edge with an ellipsis, and the whole text stays the
// label's accessible name and, while it is cut, its tooltip. Players' names
// are shown in these.
class LineLabel : public QLabel {
    Q_OBJECT
public:
    explicit LineLabel(QWidget* parent = nullptr);

    // Sets the text and the tooltip that goes with it.
    void SetLine(const QString& text);

    // Whether the text is too wide for the label and shows cut.
    bool IsCut() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect TextRect() const;
    void UpdateToolTip();
};

}  // namespace pairon
