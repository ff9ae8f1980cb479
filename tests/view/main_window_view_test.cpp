#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QAbstractItemView>
#include <QAccessible>

#include "game/game_rules.h"
#include "game/window_layout.h"
#include "view/view_fixture.h"

namespace pairon {
namespace {

TEST(MainWindowView, WindowHasItsCaptionAndClientSize) {
    ViewFixture ui;
    EXPECT_EQ(ui.view.windowTitle(), "Pairon Game");
    EXPECT_EQ(ui.view.size(), QSize(792, 573));
    EXPECT_FALSE(ui.view.windowIcon().isNull());
}

TEST(MainWindowView, EveryControlSitsWhereTheLayoutPutsIt) {
    ViewFixture ui;
    int checked = 0;
    for (const ControlLayout& c : MainWindowLayout()) {
        if (c.kind == ControlKind::List || c.kind == ControlKind::Timer) continue;
        QWidget* widget = ui.Control(c.name, c.index);
        ASSERT_NE(widget, nullptr) << c.name << " " << c.index;
        EXPECT_EQ(widget->geometry(), QRect(c.left / 15, c.top / 15, c.width / 15, c.height / 15))
            << c.name << " " << c.index;
        QWidget* expectedParent = c.container.empty() ? &ui.view : ui.Control(c.container);
        EXPECT_EQ(widget->parentWidget(), expectedParent) << c.name;
        ++checked;
    }
    EXPECT_EQ(checked, 11 + 4 + 6 + 2 + 4 + 2 + 8 + 4 * 3 + 2 + 50 + 1 + 2 + 3);
}

TEST(MainWindowView, ControlsListedFirstLieOnTop) {
    ViewFixture ui;
    const auto& layout = MainWindowLayout();
    for (std::size_t a = 0; a < layout.size(); ++a) {
        QWidget* upper = ui.Control(layout[a].name, layout[a].index);
        if (!upper) continue;
        const QObjectList& siblings = upper->parentWidget()->children();
        for (std::size_t b = a + 1; b < layout.size(); ++b) {
            QWidget* lower = ui.Control(layout[b].name, layout[b].index);
            if (!lower || lower->parentWidget() != upper->parentWidget()) continue;
            // Only where two controls overlap does it matter which lies on top.
            if (!upper->geometry().intersects(lower->geometry())) continue;
            // Qt paints later children over earlier ones.
            EXPECT_GT(siblings.indexOf(upper), siblings.indexOf(lower))
                << layout[a].name << layout[a].index << " should lie above " << layout[b].name << layout[b].index;
        }
    }
}

TEST(MainWindowView, OpensInTheSetupStateWithAFaceDownSixByThreeBoard) {
    ViewFixture ui;
    EXPECT_EQ(static_cast<QPushButton*>(ui.Control("cmdNew"))->text(), "New Game");
    EXPECT_TRUE(ui.Control("fraDimensions")->isVisible());
    EXPECT_TRUE(ui.Control("fraOptions")->isVisible());
    EXPECT_FALSE(ui.Control("fraPlayers")->isVisible());
    EXPECT_FALSE(ui.Control("fraOutcome")->isVisible());
    EXPECT_FALSE(ui.Control("fraInvisible")->isVisible());
    EXPECT_EQ(static_cast<QComboBox*>(ui.Control("cmbWidth"))->currentText(), "6");
    EXPECT_EQ(static_cast<QComboBox*>(ui.Control("cmbHeight"))->currentText(), "3");
    EXPECT_EQ(static_cast<QComboBox*>(ui.Control("cmbPlayers"))->currentText(), "1");
    const QImage back = ui.Card(0)->Picture().toImage();
    for (int p = 0; p < 50; ++p) {
        const bool onBoard = p % 10 < 6 && p / 10 < 3;
        EXPECT_EQ(ui.Card(p)->isVisible(), onBoard) << p;
        if (onBoard) {
            EXPECT_EQ(ui.Card(p)->Picture().toImage(), back) << p;
        }
    }
    // Clicking a card before a game does nothing.
    ui.ClickCard(12);
    EXPECT_EQ(ui.form.lstSelection.Count(), 0u);
}

TEST(MainWindowView, ControlsCarryTheirCaptionsItemsAndLimits) {
    ViewFixture ui;
    auto items = [&](std::string_view name, int index = -1) {
        QStringList texts;
        auto* list = static_cast<QComboBox*>(ui.Control(name, index));
        for (int k = 0; k < list->count(); ++k) texts << list->itemText(k);
        return texts;
    };
    EXPECT_EQ(items("cmbWidth"), QStringList({"4", "6", "8", "10"}));
    EXPECT_EQ(items("cmbHeight"), QStringList({"2", "3", "4", "5"}));
    EXPECT_EQ(items("cmbComputerLevel", 2), QStringList({"Excellent", "Good", "Average", "Poor", "Shocking"}));
    EXPECT_EQ(items("cmbPlayerType", 3), QStringList({"Human", "Computer"}));
    auto* name = static_cast<QLineEdit*>(ui.Control("txtPlayer", 1));
    EXPECT_EQ(name->text(), "Player 2");
    EXPECT_EQ(name->maxLength(), 12);
    auto* slider = static_cast<QSlider*>(ui.Control("sldSpeed"));
    EXPECT_EQ(slider->minimum(), 2);
    EXPECT_EQ(slider->maximum(), 8);
    EXPECT_EQ(slider->value(), 5);
    EXPECT_EQ(slider->pageStep(), 1);
    EXPECT_TRUE(static_cast<QCheckBox*>(ui.Control("chkBackground"))->isChecked());
    EXPECT_EQ(static_cast<QGroupBox*>(ui.Control("fraScore"))->title(), "Score Board");
    EXPECT_TRUE(ui.Control("lblPlayerTurn")->font().bold());
    EXPECT_TRUE(ui.Control("cmdNew")->font().bold());
    EXPECT_TRUE(ui.Control("fraGame")->font().underline());
    EXPECT_FALSE(ui.Control("Width")->font().underline());
    EXPECT_DOUBLE_EQ(ui.Control("picOutcome")->font().pointSizeF(), 9.75);
}

TEST(MainWindowView, ASliderMoveSetsBothDelays) {
    ViewFixture ui;
    static_cast<QSlider*>(ui.Control("sldSpeed"))->setValue(2);
    EXPECT_EQ(ui.form.tmrCardDelay.interval, 600);
    EXPECT_EQ(ui.form.tmrComputerDelay.interval, 800);
}

TEST(MainWindowView, AOneSeatGamePlaysToItsEndByClicks) {
    ViewFixture ui;
    ui.Press("cmdNew");
    EXPECT_TRUE(ui.Control("fraPlayers")->isVisible());
    EXPECT_EQ(static_cast<QPushButton*>(ui.Control("cmdNew"))->text(), "End Game");
    ui.Press("cmdDone");
    EXPECT_FALSE(ui.Control("fraPlayers")->isVisible());
    EXPECT_EQ(static_cast<QLabel*>(ui.Control("lblPlayer", 0))->text(), "Player 1");

    // Click each pair in turn, reading where they lie from the deal.
    for (int face = 1; face <= 26; ++face) {
        std::vector<int> codes;
        for (int k = 0; k < 18; ++k) {
            if (ui.form.lstShuffled.Value(static_cast<std::size_t>(k)) == face) codes.push_back((k / 6) * 10 + k % 6);
        }
        if (codes.size() != 2) continue;
        ui.ClickCard(codes[0]);
        EXPECT_FALSE(ui.Card(codes[0])->Picture().isNull());
        ui.ClickCard(codes[1]);
        EXPECT_FALSE(ui.Card(codes[0])->isVisible());
        EXPECT_FALSE(ui.Card(codes[1])->isVisible());
    }
    EXPECT_TRUE(ui.Control("fraOutcome")->isVisible());
    auto* outcome = static_cast<DrawingBoxWidget*>(ui.Control("picOutcome"));
    EXPECT_EQ(outcome->Lines(),
              QStringList({"Well Done", "Player 1!", "", "You found 9 ", "pairs in", "0 turns"}));
    EXPECT_FALSE(static_cast<DrawingBoxWidget*>(ui.Control("picResult"))->Picture().isNull());

    ui.Press("cmdNew");
    EXPECT_FALSE(ui.Control("fraOutcome")->isVisible());
    EXPECT_TRUE(ui.Control("fraDimensions")->isVisible());
    EXPECT_TRUE(ui.Card(25)->isVisible());
}

TEST(MainWindowView, AMissTurnsBackWhenTheCardDelayTicks) {
    ViewFixture ui;
    static_cast<QSlider*>(ui.Control("sldSpeed"))->setValue(2);
    ui.Press("cmdNew");
    ui.Press("cmdDone");
    int first = 0;
    int second = -1;
    for (int p : {1, 2, 3, 4, 5}) {
        if (ui.form.lstShuffled.Value(static_cast<std::size_t>(p)) != ui.form.lstShuffled.Value(0)) {
            second = p;
            break;
        }
    }
    ASSERT_GE(second, 0);
    const QImage back = ui.Card(first)->Picture().toImage();
    ui.ClickCard(first);
    ui.ClickCard(second);
    EXPECT_NE(ui.Card(first)->Picture().toImage(), back);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ui.form.lstSelection.Count() == 0; }, 3000));
    EXPECT_EQ(ui.Card(first)->Picture().toImage(), back);
    EXPECT_EQ(ui.Card(second)->Picture().toImage(), back);
    EXPECT_EQ(static_cast<QLabel*>(ui.Control("lblScore", 0))->text(), "0");
}

TEST(MainWindowView, ChoosingAComputerSeatShowsItsLevelBoxOverTheName) {
    ViewFixture ui;
    static_cast<QComboBox*>(ui.Control("cmbPlayers"))->setCurrentIndex(2);
    ui.Press("cmdNew");
    EXPECT_TRUE(ui.Control("cmbPlayerType", 2)->isVisible());
    EXPECT_FALSE(ui.Control("cmbPlayerType", 3)->isVisible());
    static_cast<QComboBox*>(ui.Control("cmbPlayerType", 1))->setCurrentIndex(1);
    EXPECT_TRUE(ui.Control("cmbComputerLevel", 1)->isVisible());
    EXPECT_EQ(static_cast<QComboBox*>(ui.Control("cmbComputerLevel", 1))->currentText(), "Average");
    static_cast<QComboBox*>(ui.Control("cmbPlayerType", 1))->setCurrentIndex(0);
    EXPECT_FALSE(ui.Control("cmbComputerLevel", 1)->isVisible());
    EXPECT_EQ(static_cast<QLineEdit*>(ui.Control("txtPlayer", 1))->text(), "Player 2");
}

TEST(MainWindowView, BackgroundCheckBoxHidesBothPictures) {
    ViewFixture ui;
    static_cast<QCheckBox*>(ui.Control("chkBackground"))->setChecked(false);
    EXPECT_TRUE(ui.Control("imgGame")->isHidden());
    EXPECT_TRUE(ui.Control("imgPlayer")->isHidden());
    static_cast<QCheckBox*>(ui.Control("chkBackground"))->setChecked(true);
    EXPECT_FALSE(ui.Control("imgGame")->isHidden());
}

TEST(MainWindowView, ExitAndClosingTheWindowBothEndTheGame) {
    {
        ViewFixture ui;
        ui.Press("cmdExit");
        EXPECT_TRUE(ui.form.exitRequested);
    }
    {
        ViewFixture ui;
        ui.view.close();
        EXPECT_TRUE(ui.form.exitRequested);
    }
}

TEST(MainWindowView, EveryListOpensBelowItsBoxAndOffersItsItemsOnlyThen) {
    ViewFixture ui;
    ui.view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ui.view));
    auto opensBelow = [](QComboBox* list) {
        SCOPED_TRACE(list->objectName().toStdString());
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(list);
        EXPECT_EQ(accessible->childCount(), 0) << "a closed list offers no items";
        list->showPopup();
        QWidget* popup = list->view()->window();
        ASSERT_TRUE(popup->isVisible());
        const QRect box(list->mapToGlobal(QPoint(0, 0)), list->size());
        EXPECT_GE(popup->geometry().top(), box.bottom()) << "the popup opens below the box";
        EXPECT_LE(popup->geometry().top(), box.bottom() + 3);
        EXPECT_EQ(popup->geometry().left(), box.left());
        EXPECT_GE(popup->width(), box.width());
        EXPECT_EQ(list->view()->currentIndex().row(), list->currentIndex()) << "the current item is highlighted";
        EXPECT_EQ(accessible->childCount(), 1);
        EXPECT_TRUE(accessible->state().expanded);
        list->hidePopup();
        EXPECT_EQ(accessible->childCount(), 0);
        EXPECT_TRUE(accessible->state().collapsed);
    };
    for (const char* name : {"cmbWidth", "cmbHeight", "cmbPlayers"}) {
        opensBelow(static_cast<QComboBox*>(ui.Control(name)));
    }
    static_cast<QComboBox*>(ui.Control("cmbPlayers"))->setCurrentIndex(3);
    ui.Press("cmdNew");
    for (int seat = 0; seat < 4; ++seat) {
        auto* type = static_cast<QComboBox*>(ui.Control("cmbPlayerType", seat));
        opensBelow(type);
        type->setCurrentIndex(1);
        opensBelow(static_cast<QComboBox*>(ui.Control("cmbComputerLevel", seat)));
    }
}

TEST(MainWindowView, EachPanelsCaptionBreaksTheTopLineOfAnUncoveredFrame) {
    ViewFixture ui;
    static_cast<QComboBox*>(ui.Control("cmbPlayers"))->setCurrentIndex(3);
    ui.Press("cmdNew");
    for (const char* name : {"fraGame", "fraPlayers", "fraCommentary", "fraScore"}) {
        SCOPED_TRACE(name);
        auto* panel = static_cast<QGroupBox*>(ui.Control(name));
        panel->show();
        const QImage image = panel->grab().toImage().scaled(panel->size());
        const QColor line = panel->palette().color(QPalette::Mid);
        const QFontMetrics metrics(panel->font());
        const int middle = metrics.height() / 2;
        const int captionEnd = 8 + metrics.horizontalAdvance(panel->title()) + 2;
        auto isLine = [&](int x, int y) { return image.pixel(x, y) == line.rgb(); };
        // The caption stands on the top line, which runs on to its right and
        // down the left edge; no picture covers the top, left, right or bottom.
        EXPECT_FALSE(isLine(captionEnd - 6, middle)) << "the line breaks for the caption";
        for (int x : {2, captionEnd + 2, (captionEnd + panel->width()) / 2, panel->width() - 4}) EXPECT_TRUE(isLine(x, middle)) << x;
        for (int y : {middle + 2, panel->height() / 2, panel->height() - 3}) {
            EXPECT_TRUE(isLine(0, y)) << y;
            EXPECT_TRUE(isLine(panel->width() - 2, y)) << y;
        }
        EXPECT_TRUE(isLine(panel->width() / 2, panel->height() - 2));
    }
}

// Names of twelve of the widest letters, in each label that shows a player's
// name: one line, centred, cut with an ellipsis, whole in the tooltip and
// accessible name; a short name is shown whole, without a tooltip.
void ExpectNamesOnOneLine() {
    ViewFixture ui;
    static_cast<QComboBox*>(ui.Control("cmbPlayers"))->setCurrentIndex(3);
    ui.Press("cmdNew");
    const QString names[] = {QStringLiteral("WWWWWWWWWWWW"), QStringLiteral("MMMMMM MMMMM"), QStringLiteral("Ann"),
                             QStringLiteral("WOLFGANG MMM")};
    for (int seat = 0; seat < 4; ++seat) static_cast<QLineEdit*>(ui.Control("txtPlayer", seat))->setText(names[seat]);
    ui.Press("cmdDone");

    auto expectOneLine = [](QLabel* label, const QString& name) {
        SCOPED_TRACE(label->objectName().toStdString() + " " + name.toStdString());
        EXPECT_EQ(label->text(), name);
        // A display box is named for what it shows, and reads the name as its
        // description.
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
        EXPECT_TRUE(accessible->text(QAccessible::Name) == name || accessible->text(QAccessible::Description) == name);
        const bool wide = label->fontMetrics().horizontalAdvance(name) > label->contentsRect().width() - 3;
        EXPECT_EQ(label->toolTip(), wide ? name : QString());
        // Where the text's ink lies, inside the label's frame: one line, about
        // the middle, clear of the top and bottom where a second line would be
        // cut, and clear of the right edge where a long name would run off.
        const QImage image = label->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        const QRect inside(label->contentsRect().topLeft() * ratio, label->contentsRect().size() * ratio);
        const int background = qGray(image.pixel(inside.right(), inside.top()));
        int top = image.height(), bottom = -1, right = -1;
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x) {
                if (qGray(image.pixel(x, y)) >= background - 96) continue;
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                right = std::max(right, x);
            }
        }
        ASSERT_GE(bottom, top) << "the name shows";
        EXPECT_LE(bottom - top, label->fontMetrics().height() * ratio) << "one line";
        EXPECT_GT(top, inside.top() + ratio) << "nothing cut at the top";
        EXPECT_LT(bottom, inside.bottom() - ratio) << "nothing cut at the bottom";
        EXPECT_NEAR((top + bottom) / 2.0, inside.center().y(), 3 * ratio) << "centred";
        if (wide) {
            EXPECT_LT(right, inside.right() - ratio) << "cut before the edge, with an ellipsis";
        }
    };
    for (int seat = 0; seat < 4; ++seat) expectOneLine(static_cast<QLabel*>(ui.Control("lblPlayer", seat)), names[seat]);
    expectOneLine(static_cast<QLabel*>(ui.Control("lblPlayerTurn")), names[0]);
}

TEST(MainWindowView, PlayersNamesStayOnOneLine) { ExpectNamesOnOneLine(); }

}  // namespace

// On a screen scaled to 200 percent.
TEST(SharpScreen, PlayersNamesStayOnOneLine) {
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
    ExpectNamesOnOneLine();
}

}  // namespace pairon
