#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

class QStyleOptionTab;

namespace pairon {

// A tab strip: tabs along the top edge of a framed body. The tabs wrap onto
// as many rows as their captions need, and the row of the selected tab always
// lies next to the body, as on a card index. The pages are not part of the
// strip: their owner lays them over the body as separate widgets.
class TabStrip : public QWidget {
    Q_OBJECT
public:
    explicit TabStrip(QWidget* parent = nullptr);

    // The height of the band at the top that the rows of tabs share.
    void SetTabAreaHeight(int pixels);

    int AddTab(const QString& caption);
    int Count() const { return static_cast<int>(captions_.size()); }
    QString TabText(int index) const { return captions_.value(index); }
    int CurrentIndex() const { return current_; }
    int RowCount() const { return rows_; }

    // Selects a tab without reporting it, as the program itself would.
    void SetCurrentIndex(int index);

    // Selects a tab as the user does, with the mouse or the keyboard.
    void ChooseTab(int index);

    // Where a tab lies now, in the strip's coordinates; it moves when its row
    // changes place.
    QRect TabRect(int index) const;

    // The framed body under the tabs.
    QRect BodyRect() const;

    // Paints the body onto `painter`, whose origin is the strip's top-left.
    void PaintBody(QPainter& painter) const;

signals:
    // The user selected a tab with the mouse or the keyboard; also sent when
    // the tab was selected already.
    void tabSelected(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Relayout();
    int TabWidthHint(int index) const;
    void InitTabOption(QStyleOptionTab& option, int index) const;
    int TabAt(QPoint point) const;

    QStringList captions_;
    std::vector<QRect> rects_;
    int rows_ = 1;
    int tabsPerRow_ = 1;
    int tabAreaHeight_ = 0;
    int current_ = -1;
    int hovered_ = -1;
};

// A page that lies over the body of a tab strip. It paints the body's own
// background under itself, so it hides the pages beneath it without showing
// a seam against the frame around it. It is a stop of the focus order, where
// a screen reader reads the text of its labels, all of it at once.
class TabPage : public QWidget {
    Q_OBJECT
public:
    TabPage(const TabStrip& strip, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TabStrip& strip_;
};

}  // namespace pairon
