#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "game/game_rules.h"
#include "ui/main_window/window_layout.h"
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
    EXPECT_EQ(checked, 11 + 4 + 5 + 4 + 2 + 8 + 4 * 3 + 2 + 50 + 1 + 2 + 3);
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

}  // namespace
}  // namespace pairon
