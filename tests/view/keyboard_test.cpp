// Playing with the keyboard alone: the board as one stop of the focus order,
// the mark moved with the arrow keys, and Space or Enter on the marked card
// doing what a click on it does.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QSlider>
#include <algorithm>
#include <map>

#include "game/game_rules.h"
#include "pictures/picture_files.h"
#include "desktop/help_window/help_window.h"
#include "desktop/accessibility/accessibility.h"
#include "desktop/widgets/board_navigator.h"
#include "view/view_fixture.h"

namespace pairon {
namespace {

// The window, shown, active and ready for keys.
struct KeyboardGame : ViewFixture {
    KeyboardGame() {
        view.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&view));
    }

    BoardNavigator* Board() { return view.Board(); }
    QWidget* Focused() { return QApplication::focusWidget(); }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        ASSERT_NE(Focused(), nullptr);
        QTest::keyClick(Focused(), static_cast<Qt::Key>(key), modifiers);
    }
    // Presses a button the keyboard way: focus it, then Space.
    void PressByKey(std::string_view name) {
        Control(name)->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(Focused(), Control(name));
        Key(Qt::Key_Space);
    }
    // New Game and Done by key: a game on the setup's board.
    void StartGame() {
        PressByKey("cmdNew");
        PressByKey("cmdDone");
    }
    // From Help, the last of the controls, Tab goes on to the board.
    void TabIntoBoard() {
        Control("cmdHelp")->setFocus(Qt::TabFocusReason);
        Key(Qt::Key_Tab);
        ASSERT_EQ(Focused(), Board());
    }
    // Walks the mark to slot p with Right alone, as a player reading the
    // board card by card would.
    void MarkWithRight(int p) {
        for (int step = 0; step < kCardSlots && Board()->Marked() != p; ++step) Key(Qt::Key_Right);
        ASSERT_EQ(Board()->Marked(), p);
    }
    QString SpokenName(QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    }
    QString CardName(int p) { return SpokenName(Card(p)); }
    int Face(int p) {
        const int width = BoardWidth(form);
        return form.lstShuffled.Value(static_cast<std::size_t>((p / 10) * width + p % 10));
    }
    // The slots of the board, and where each face lies.
    std::vector<int> OnBoard() {
        std::vector<int> codes;
        for (int row = 0; row < BoardHeight(form); ++row) {
            for (int column = 0; column < BoardWidth(form); ++column) codes.push_back(row * 10 + column);
        }
        return codes;
    }
    bool FaceUp(int p) {
        return form.imgCard[static_cast<std::size_t>(p)].file != kCardBackFile &&
               form.imgCard[static_cast<std::size_t>(p)].file != kUnseenCardBackFile;
    }
    // Every face-down card names no face, whatever lies beneath it.
    void ExpectNoFaceDownCardNamesAFace() {
        for (int p : OnBoard()) {
            if (!form.imgCard[static_cast<std::size_t>(p)].visible || FaceUp(p)) continue;
            const QString name = CardName(p);
            for (int face = 1; face <= 26; ++face) {
                EXPECT_FALSE(name.contains(QStringLiteral(", ") + FaceName(face))) << name.toStdString();
            }
        }
    }
};

QString SpokenDescription(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
}

QString FaceDown(int p) { return QStringLiteral("Card, row %1, column %2, face down").arg(p / 10 + 1).arg(p % 10 + 1); }
QString FaceUpAs(int p, int face) {
    return QStringLiteral("Card, row %1, column %2, face up, %3").arg(p / 10 + 1).arg(p % 10 + 1).arg(FaceName(face));
}

TEST(Keyboard, AOneSeatGamePlaysToItsEndWithKeysAlone) {
    KeyboardGame ui;
    ui.PressByKey("cmdNew");
    ASSERT_TRUE(ui.Control("fraPlayers")->isVisible());
    // New Game, Exit, then Done: the setup controls are gone.
    ui.Key(Qt::Key_Tab);
    ui.Key(Qt::Key_Tab);
    ASSERT_EQ(ui.Focused(), ui.Control("cmdDone"));
    ui.Key(Qt::Key_Space);
    ASSERT_FALSE(ui.Control("fraPlayers")->isVisible());
    EXPECT_EQ(ui.form.lblPlayerTurn.text, "Player 1");

    ui.TabIntoBoard();
    EXPECT_EQ(ui.Board()->Marked(), 0) << "the mark starts on the first card";
    for (int p : ui.OnBoard()) EXPECT_EQ(ui.CardName(p), FaceDown(p));

    // Take the pairs in the order their first cards lie, the second card of a
    // pair reached by walking on to the right.
    std::map<int, int> partner;
    std::map<int, int> firstOfFace;
    for (int p : ui.OnBoard()) {
        auto [it, fresh] = firstOfFace.emplace(ui.Face(p), p);
        if (!fresh) partner[it->second] = p;
    }
    ASSERT_EQ(partner.size(), 9u);
    int pairsTaken = 0;
    for (auto [first, second] : partner) {
        const int face = ui.Face(first);
        ui.MarkWithRight(first);
        EXPECT_EQ(ui.SpokenName(ui.Board()), FaceDown(first)) << "the board reads as the marked card";
        ui.Key(Qt::Key_Space);
        EXPECT_EQ(ui.CardName(first), FaceUpAs(first, face));
        EXPECT_EQ(ui.SpokenName(ui.Board()), FaceUpAs(first, face));
        ui.ExpectNoFaceDownCardNamesAFace();

        ui.MarkWithRight(second);
        EXPECT_EQ(ui.CardName(second), FaceDown(second));
        // Enter serves as well as Space.
        ui.Key(pairsTaken % 2 ? Qt::Key_Return : Qt::Key_Space);
        ++pairsTaken;
        EXPECT_FALSE(ui.Card(first)->isVisible());
        EXPECT_FALSE(ui.Card(second)->isVisible());
        EXPECT_EQ(ui.form.lblScore[0].text, std::to_string(pairsTaken));
        if (pairsTaken < 9) {
            EXPECT_TRUE(ui.form.imgCard[static_cast<std::size_t>(ui.Board()->Marked())].visible)
                << "the mark moves on to a card still on the board";
            EXPECT_EQ(ui.Focused(), ui.Board());
        }
    }

    EXPECT_TRUE(ui.Control("fraOutcome")->isVisible());
    EXPECT_EQ(ui.form.lblTurn.text, "0");
    // With no card left the board gives up the focus to the outcome, which
    // reads the result and shows that it has the focus; the result picture
    // comes before it and Help after it.
    EXPECT_FALSE(ui.Board()->isEnabled());
    ASSERT_EQ(ui.Focused(), ui.Control("picOutcome"));
    EXPECT_TRUE(SpokenDescription(ui.Focused()).startsWith(QStringLiteral("Well Done\nPlayer 1!")));
    const QImage unfocused = ui.Focused()->grab().toImage();
    ui.Key(Qt::Key_Backtab);
    ASSERT_EQ(ui.Focused(), ui.Control("picResult"));
    EXPECT_NE(ui.Control("picOutcome")->grab().toImage(), unfocused) << "the focus frame is gone again";
    EXPECT_EQ(SpokenDescription(ui.Focused()), ResultPictureDescription(kTrophyFile));
    ui.Key(Qt::Key_Tab);
    ui.Key(Qt::Key_Tab);
    EXPECT_EQ(ui.Focused(), ui.Control("cmdHelp"));
    ui.Key(Qt::Key_Tab);
    EXPECT_EQ(ui.Focused(), ui.Control("cmdNew"));
    ui.Key(Qt::Key_Space);
    EXPECT_EQ(static_cast<QPushButton*>(ui.Control("cmdNew"))->text(), "New Game");
    for (int p : ui.OnBoard()) EXPECT_EQ(ui.CardName(p), FaceDown(p)) << "every card is back, face down";
}

TEST(Keyboard, TheMarkSkipsSlotsOffTheBoardAndWraps) {
    KeyboardGame ui;  // a game on the 6 x 3 board of the setup state
    ui.StartGame();
    ui.TabIntoBoard();
    struct Step {
        int key;
        int to;
    };
    const Step steps[] = {
        {Qt::Key_End, 25},    // the last card
        {Qt::Key_Right, 0},   // from the last card round to the first
        {Qt::Key_Left, 25},   // and back
        {Qt::Key_Down, 5},    // down the column, round to its top
        {Qt::Key_Right, 10},  // the end of a row runs on into the next row
        {Qt::Key_Left, 5},    // and back to the end of the row above
        {Qt::Key_Up, 25},     // up the column, round to its foot
        {Qt::Key_Up, 15},     // the next shown slot up
        {Qt::Key_Home, 0},    // the first card
        {Qt::Key_Up, 20},     // from the top row round to the lowest
    };
    for (const Step& step : steps) {
        ui.Key(step.key);
        EXPECT_EQ(ui.Board()->Marked(), step.to) << "after key " << std::hex << step.key;
    }
    // A narrower board pulls the mark in to the nearest card left on it.
    ui.Key(Qt::Key_End);
    ui.PressByKey("cmdNew");
    static_cast<QComboBox*>(ui.Control("cmbWidth"))->setCurrentText("4");
    EXPECT_EQ(ui.Board()->Marked(), 23);
}

TEST(Keyboard, MovesStepOverEmptyPlacesAnywhereOnTheBoard) {
    // A 10 x 5 board late in a game, with holes.
    const std::vector<int> shownSlots = {0, 4, 9, 13, 31, 34, 49};
    auto shown = [&](int p) { return std::find(shownSlots.begin(), shownSlots.end(), p) != shownSlots.end(); };
    EXPECT_EQ(MoveMark(4, MarkMove::Right, shown), 9);
    EXPECT_EQ(MoveMark(9, MarkMove::Right, shown), 13);
    EXPECT_EQ(MoveMark(13, MarkMove::Left, shown), 9);
    EXPECT_EQ(MoveMark(49, MarkMove::Right, shown), 0);
    EXPECT_EQ(MoveMark(0, MarkMove::Left, shown), 49);
    EXPECT_EQ(MoveMark(4, MarkMove::Down, shown), 34) << "down the column past the empty rows";
    EXPECT_EQ(MoveMark(34, MarkMove::Down, shown), 4) << "round to the top of the column";
    EXPECT_EQ(MoveMark(4, MarkMove::Up, shown), 34);
    EXPECT_EQ(MoveMark(13, MarkMove::Down, shown), 13) << "alone in its column: the mark stays";
    EXPECT_EQ(MoveMark(-1, MarkMove::Right, shown), 0) << "no mark yet: the first card";
    EXPECT_EQ(MoveMark(31, MarkMove::Last, shown), 49);
    EXPECT_EQ(MoveMark(5, MarkMove::Right, [](int) { return false; }), -1);

    // A card that leaves hands the mark to its nearest neighbour on screen;
    // cards lie closer side by side than one above the other.
    EXPECT_EQ(NearestShownSlot(14, shown), 13);
    EXPECT_EQ(NearestShownSlot(23, shown), 13);
    EXPECT_EQ(NearestShownSlot(32, shown), 31);
    EXPECT_EQ(NearestShownSlot(32, [](int p) { return p == 33 || p == 31; }), 33)
        << "of two as near, the one that follows sooner";
    EXPECT_EQ(NearestShownSlot(40, [](int) { return false; }), -1);
}

TEST(Keyboard, SpaceDuringThePauseEndsItWithoutTurningTheMarkedCardUp) {
    KeyboardGame ui;
    ui.PressByKey("cmdNew");
    ui.PressByKey("cmdDone");
    ui.TabIntoBoard();
    int second = 1;
    while (ui.Face(second) == ui.Face(0)) ++second;
    const int third = 10;
    ui.Key(Qt::Key_Space);
    ui.MarkWithRight(second);
    ui.Key(Qt::Key_Space);
    ASSERT_EQ(ui.form.lstSelection.Count(), 2u);
    ASSERT_TRUE(ui.form.tmrCardDelay.enabled);
    EXPECT_EQ(ui.CardName(second), FaceUpAs(second, ui.Face(second)));

    ui.MarkWithRight(third);
    ui.Key(Qt::Key_Space);
    EXPECT_EQ(ui.form.lstSelection.Count(), 0u);
    EXPECT_FALSE(ui.form.tmrCardDelay.enabled);
    for (int p : {0, second, third}) EXPECT_EQ(ui.CardName(p), FaceDown(p));
    EXPECT_EQ(ui.form.lblTurn.text, "1");
    // The next Space selects.
    ui.Key(Qt::Key_Space);
    EXPECT_EQ(ui.CardName(third), FaceUpAs(third, ui.Face(third)));
}

TEST(Keyboard, KeysTurnNoCardWhileTheComputerIsToPlay) {
    KeyboardGame ui;
    static_cast<QSlider*>(ui.Control("sldSpeed"))->setValue(8);
    ui.PressByKey("cmdNew");
    static_cast<QComboBox*>(ui.Control("cmbPlayerType", 0))->setCurrentText("Computer");
    ui.PressByKey("cmdDone");
    ASSERT_EQ(ui.form.lblPlayerTurn.text, "Computer");
    ASSERT_TRUE(ui.form.tmrComputerDelay.enabled);
    ui.TabIntoBoard();
    for (int key : {Qt::Key_Space, Qt::Key_Right, Qt::Key_Return, Qt::Key_Down, Qt::Key_Enter}) ui.Key(key);
    EXPECT_EQ(ui.form.lstSelection.Count(), 0u);
    EXPECT_TRUE(ui.form.tmrComputerDelay.enabled) << "the computer's move is still to come";
    for (int p : ui.OnBoard()) EXPECT_EQ(ui.CardName(p), FaceDown(p));
}

TEST(Keyboard, TheCoveredBoardTakesNoFocusAndNoKeys) {
    KeyboardGame ui;
    ui.PressByKey("cmdNew");
    // Round the whole focus order in the player-entry state: never the board.
    ui.Control("cmdNew")->setFocus(Qt::TabFocusReason);
    for (int k = 0; k < 12; ++k) {
        ui.Key(Qt::Key_Tab);
        EXPECT_NE(ui.Focused(), ui.Board());
    }
    ui.Board()->setFocus(Qt::OtherFocusReason);
    EXPECT_NE(ui.Focused(), ui.Board());
    EXPECT_EQ(ui.form.lstSelection.Count(), 0u);
}

TEST(Keyboard, F1OpensHelpFromAnywhereInTheWindow) {
    KeyboardGame ui;
    for (const char* name : {"cmbWidth", "chkMultiple", "cmdNew", "board"}) {
        if (std::string_view(name) == "board") ui.StartGame();
        QWidget* widget = std::string_view(name) == "board" ? ui.Board() : ui.Control(name);
        widget->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(ui.Focused(), widget) << name;
        if (ui.view.Help()) ui.view.Help()->hide();
        ui.Key(Qt::Key_F1);
        ASSERT_NE(ui.view.Help(), nullptr) << name;
        EXPECT_TRUE(ui.view.Help()->isVisible()) << name;
        ui.view.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&ui.view));
    }
    // In the player panel too.
    ui.PressByKey("cmdNew");
    ui.PressByKey("cmdNew");
    ui.Control("txtPlayer", 0)->setFocus(Qt::TabFocusReason);
    ui.view.Help()->hide();
    ui.Key(Qt::Key_F1);
    EXPECT_TRUE(ui.view.Help()->isVisible());
    EXPECT_EQ(ui.form.txtPlayer[0].text, "Player 1") << "F1 types nothing";
}

TEST(Keyboard, TheFocusOrderIsTheLayoutsFollowedByTheBoard) {
    KeyboardGame ui;
    auto nameOf = [](QWidget* widget) { return widget->objectName().toStdString(); };
    std::vector<std::string> expected;
    for (const ControlName& control : MainWindowFocusOrder()) {
        QWidget* widget = ui.Control(control.name, control.index);
        ASSERT_NE(widget, nullptr) << control.name;
        if (widget->focusPolicy() & Qt::TabFocus) expected.push_back(nameOf(widget));
    }
    expected.push_back("board");
    ASSERT_EQ(expected.front(), "cmdNew");

    std::vector<std::string> chain;
    QWidget* widget = ui.Control("cmdNew");
    do {
        if (widget->focusPolicy() & Qt::TabFocus) chain.push_back(nameOf(widget));
        widget = widget->nextInFocusChain();
    } while (widget != ui.Control("cmdNew") && chain.size() <= expected.size());
    EXPECT_EQ(chain, expected);
    // In the setup no game is on the board: from Help, Tab goes round to New Game.
    ui.Control("cmdHelp")->setFocus(Qt::TabFocusReason);
    ui.Key(Qt::Key_Tab);
    EXPECT_EQ(ui.Focused(), ui.Control("cmdNew"));

    // In play, Tab visits what is shown, the board last, and Shift+Tab goes back.
    ui.PressByKey("cmdNew");
    ui.PressByKey("cmdDone");
    ui.Control("cmdNew")->setFocus(Qt::TabFocusReason);
    std::vector<std::string> visited;
    for (int k = 0; k < 5; ++k) {
        ui.Key(Qt::Key_Tab);
        visited.push_back(nameOf(ui.Focused()));
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"cmdExit", "sldSpeed", "cmdHelp", "board", "cmdNew"}));
    ui.Key(Qt::Key_Backtab);
    EXPECT_EQ(ui.Focused(), ui.Board());
    ui.Key(Qt::Key_Backtab);
    EXPECT_EQ(ui.Focused(), ui.Control("cmdHelp"));
}

TEST(Keyboard, TheMarkShowsOnlyWhileTheBoardHasTheFocus) {
    KeyboardGame ui;
    ui.StartGame();
    auto grab = [&] { return ui.Control("fraGame")->grab().toImage(); };
    const QImage before = grab();
    ui.TabIntoBoard();
    const QImage marked = grab();
    EXPECT_NE(marked, before);
    // Only round the marked card does anything change.
    const QRect around = ui.Board()->MarkRect(0);
    for (int y = 0; y < before.height(); y += 2) {
        for (int x = 0; x < before.width(); x += 2) {
            if (!around.contains(x, y)) {
                ASSERT_EQ(marked.pixel(x, y), before.pixel(x, y)) << x << "," << y;
            }
        }
    }
    ui.Key(Qt::Key_Tab);
    EXPECT_EQ(grab(), before);
}

// The keys a player meets beyond the plain ones: the keypad's arrows and its
// Enter work as the main ones do; with Alt or Ctrl an arrow or Enter is left
// to the window's shortcuts and moves or turns nothing; and a held Space
// turns up one card, its repeats during the pause after a miss neither
// ending the pause nor turning the marked card up.
TEST(Keyboard, KeypadKeysWorkAndHeldOrModifiedKeysTurnNoCard) {
    KeyboardGame ui;
    ui.PressByKey("cmdNew");
    ui.PressByKey("cmdDone");
    ui.TabIntoBoard();
    struct Press {
        int key;
        Qt::KeyboardModifiers modifiers;
        int marked;
    };
    const Press presses[] = {
        {Qt::Key_Right, Qt::KeypadModifier, 1}, {Qt::Key_Right, Qt::AltModifier, 1},
        {Qt::Key_Left, Qt::ControlModifier, 1}, {Qt::Key_Down, Qt::KeypadModifier, 11},
        {Qt::Key_Up, Qt::AltModifier, 11},      {Qt::Key_End, Qt::KeypadModifier, 25},
        {Qt::Key_Home, Qt::KeypadModifier, 0},  {Qt::Key_Return, Qt::AltModifier, 0},
        {Qt::Key_Enter, Qt::AltModifier | Qt::KeypadModifier, 0}, {Qt::Key_Space, Qt::ControlModifier, 0},
    };
    for (const Press& press : presses) {
        ui.Key(press.key, press.modifiers);
        EXPECT_EQ(ui.Board()->Marked(), press.marked) << "key " << std::hex << press.key << " with " << press.modifiers;
    }
    EXPECT_EQ(ui.form.lstSelection.Count(), 0u) << "no modified key turned a card";
    ui.Key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(ui.CardName(0), FaceUpAs(0, ui.Face(0))) << "the keypad's Enter turns the marked card up";

    int second = 1;
    while (ui.Face(second) == ui.Face(0)) ++second;
    ui.MarkWithRight(second);
    auto space = [&](QEvent::Type type, bool repeat) {
        QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeat);
        QApplication::sendEvent(ui.Board(), &event);
    };
    space(QEvent::KeyPress, false);
    ASSERT_EQ(ui.form.lstSelection.Count(), 2u);
    ui.Key(Qt::Key_Right);
    const int third = ui.Board()->Marked();
    for (int repeat = 0; repeat < 3; ++repeat) space(QEvent::KeyPress, true);
    EXPECT_TRUE(ui.form.tmrCardDelay.enabled) << "the repeats left the pause running";
    EXPECT_EQ(ui.CardName(second), FaceUpAs(second, ui.Face(second)));
    EXPECT_EQ(ui.CardName(third), FaceDown(third));
    space(QEvent::KeyRelease, false);
    space(QEvent::KeyPress, false);
    EXPECT_FALSE(ui.form.tmrCardDelay.enabled) << "a fresh press ends the pause";
    EXPECT_EQ(ui.CardName(third), FaceDown(third));
}

}  // namespace
}  // namespace pairon
