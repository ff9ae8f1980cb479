// What a screen reader finds in the main window: a name for every control,
// the cards by row, column and only the faces that show, and the texts the
// game shows, including the printed outcome.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QSlider>

#include "game/game_rules.h"
#include "pictures/picture_files.h"
#include "desktop/translation/languages.h"
#include "desktop/accessibility/accessibility.h"
#include "desktop/widgets/board_navigator.h"
#include "desktop/widgets/drop_down.h"
#include "game/window_layout.h"
#include "view/view_fixture.h"

namespace pairon {
namespace {

QAccessibleInterface* Accessible(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }
QString Name(QWidget* widget) { return Accessible(widget)->text(QAccessible::Name); }
QString Description(QWidget* widget) { return Accessible(widget)->text(QAccessible::Description); }

// What names a control for a screen reader. A drop-down list's accessible
// name on Linux is its selected item; there it is named by the label that
// labels it, elsewhere by its own name, so a list must carry both.
QString SpokenName(QWidget* widget) {
    QAccessibleInterface* accessible = Accessible(widget);
    if (accessible->role() != QAccessible::ComboBox) return accessible->text(QAccessible::Name);
    const auto labels = accessible->relations(QAccessible::Label);
    const QString label = labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
    return label == widget->accessibleName() ? label
                                             : QStringLiteral("label %1, name %2").arg(label, widget->accessibleName());
}

// Board index k of a 6-wide board as a position code.
int Code(int k) { return (k / 6) * 10 + k % 6; }

std::vector<int> SlotsOfFace(ViewFixture& ui, int face) {
    std::vector<int> codes;
    for (int k = 0; k < 18; ++k) {
        if (ui.form.lstShuffled.Value(static_cast<std::size_t>(k)) == face) codes.push_back(Code(k));
    }
    return codes;
}

TEST(Accessibility, EveryControlHasANameAScreenReaderCanSpeak) {
    ViewFixture ui;
    ui.Press("cmdNew");
    for (const ControlLayout& c : MainWindowLayout()) {
        if (c.kind == ControlKind::List || c.kind == ControlKind::Timer || c.container == "fraInvisible") continue;
        QWidget* widget = ui.Control(c.name, c.index);
        // A seat's name label is empty until Done.
        if (c.name == "lblPlayer") continue;
        EXPECT_FALSE(Name(widget).trimmed().isEmpty()) << c.name << " " << c.index;
    }
    ui.Press("cmdDone");
    EXPECT_EQ(Name(ui.Control("lblPlayer", 0)), "Player 1");
}

TEST(Accessibility, ControlsWithoutCaptionsAreNamedForWhatTheyChoose) {
    ViewFixture ui;
    const std::pair<ControlName, const char*> expected[] = {
        {{"cmbWidth"}, "Width"},
        {{"cmbHeight"}, "Height"},
        {{"cmbPlayers"}, "Players"},
        {{"cmbPlayerType", 0}, "Player 1 type"},
        {{"cmbPlayerType", 3}, "Player 4 type"},
        {{"cmbComputerLevel", 1}, "Player 2 level"},
        {{"txtPlayer", 2}, "Player 3 name"},
        {{"sldSpeed"}, "Game Speed"},
        {{"lblPairs"}, "Pairs Remaining"},
        {{"lblPlayerTurn"}, "Player to Select Cards"},
        {{"cmdHelp"}, "Help"},
        {{"chkHighlight"}, "Highlight Selected"},
        {{"chkMultiple"}, "Multiple Pairs"},
        {{"chkSound"}, "Sound"},
        {{"fraScore"}, "Score Board"},
        {{"fraGame"}, "Game Window"},
        {{"Remaining"}, "Pairs Remaining"},
        {{"picOutcome"}, "Outcome"},
    };
    for (const auto& [control, name] : expected) {
        EXPECT_EQ(SpokenName(ui.Control(control.name, control.index)), name) << control.name << " " << control.index;
    }
    EXPECT_EQ(Accessible(ui.Control("cmbWidth"))->role(), QAccessible::ComboBox);
    EXPECT_EQ(Accessible(ui.Control("sldSpeed"))->role(), QAccessible::Slider);
    // A button reads as its caption of the moment.
    EXPECT_EQ(Name(ui.Control("cmdNew")), "New Game");
    ui.Press("cmdNew");
    EXPECT_EQ(Name(ui.Control("cmdNew")), "End Game");
}

TEST(Accessibility, CommentaryAndScoreBoardReadAsNameAndValue) {
    ViewFixture ui;
    static_cast<QComboBox*>(ui.Control("cmbPlayers"))->setCurrentText("2");
    ui.Press("cmdNew");
    EXPECT_EQ(Description(ui.Control("lblPairs")), "9");
    EXPECT_EQ(Name(ui.Control("lblScore", 1)), "Player 2 score") << "before the seats are named";
    ui.Press("cmdDone");
    EXPECT_EQ(Description(ui.Control("lblPlayerTurn")), "Player 1");
    EXPECT_EQ(Name(ui.Control("lblScore", 0)), "Score of Player 1");
    EXPECT_EQ(Description(ui.Control("lblScore", 0)), "0");

    const std::vector<int> pair = SlotsOfFace(ui, ui.form.lstShuffled.Value(0));
    ui.ClickCard(pair[0]);
    ui.ClickCard(pair[1]);
    EXPECT_EQ(Description(ui.Control("lblScore", 0)), "1");
    EXPECT_EQ(Description(ui.Control("lblPairs")), "8");
}

TEST(Accessibility, ACardNamesItsPlaceAndOnlyAFaceThatShows) {
    ViewFixture ui;
    static_cast<QCheckBox*>(ui.Control("chkHighlight"))->setChecked(true);
    ui.Press("cmdNew");
    EXPECT_EQ(ui.form.imgCard[0].file, kUnseenCardBackFile);
    EXPECT_EQ(Name(ui.Card(0)), "Card, row 1, column 1, face down");
    EXPECT_EQ(Name(ui.Card(25)), "Card, row 3, column 6, face down");
    EXPECT_EQ(Name(ui.Card(26)), "Empty place, row 3, column 7");
    ui.Press("cmdDone");

    // A miss: both faces named while up, neither once they are turned back.
    const int first = 0;
    int second = 1;
    while (ui.form.lstShuffled.Value(static_cast<std::size_t>(second)) == ui.form.lstShuffled.Value(0)) ++second;
    const int faceOfSecond = ui.form.lstShuffled.Value(static_cast<std::size_t>(second));
    ui.ClickCard(first);
    ui.ClickCard(second);
    EXPECT_EQ(Name(ui.Card(second)),
              QStringLiteral("Card, row 1, column %1, face up, %2").arg(second + 1).arg(FaceName(faceOfSecond)));
    ui.ClickCard(12);  // ends the pause
    EXPECT_EQ(ui.form.imgCard[static_cast<std::size_t>(second)].file, kCardBackFile);
    EXPECT_EQ(Name(ui.Card(first)), "Card, row 1, column 1, face down");
    EXPECT_EQ(Name(ui.Card(second)), QStringLiteral("Card, row 1, column %1, face down").arg(second + 1));

    // A pair found leaves two empty places.
    const std::vector<int> pair = SlotsOfFace(ui, faceOfSecond);
    ui.ClickCard(pair[0]);
    ui.ClickCard(pair[1]);
    EXPECT_TRUE(Name(ui.Card(pair[1])).startsWith("Empty place")) << Name(ui.Card(pair[1])).toStdString();
}

// A screen reader keeps hold of the card it spoke of last and asks after it
// once that card has left the board, as it does of a list's item once the
// list is shorter: it is answered, with an empty place nobody can reach,
// never refused.
TEST(Accessibility, ItemsThatAreGoneStillAnswerAScreenReader) {
    ViewFixture ui;
    ui.Press("cmdNew");
    ui.Press("cmdDone");
    BoardNavigator* navigator = ui.view.Board();
    QAccessibleInterface* board = Accessible(navigator);
    ASSERT_EQ(board->childCount(), 18);
    const std::vector<int> pair = SlotsOfFace(ui, ui.form.lstShuffled.Value(0));
    QAccessibleInterface* card = board->child(navigator->CardOfPosition(pair[1]));
    ASSERT_NE(card, nullptr);
    const QAccessible::Id id = QAccessible::uniqueId(card);
    ui.ClickCard(pair[0]);
    ui.ClickCard(pair[1]);
    ASSERT_FALSE(ui.form.imgCard[static_cast<std::size_t>(pair[1])].visible);

    EXPECT_TRUE(card->isValid()) << "the card that left the board is refused to a screen reader";
    EXPECT_EQ(QAccessible::accessibleInterface(id), card);
    EXPECT_EQ(card->text(QAccessible::Name),
              QStringLiteral("Empty place, row %1, column %2").arg(pair[1] / 10 + 1).arg(pair[1] % 10 + 1));
    EXPECT_TRUE(card->state().invisible);
    EXPECT_FALSE(card->state().focusable);
    EXPECT_FALSE(card->state().focused);
    EXPECT_EQ(board->childCount(), 16);
    EXPECT_EQ(board->indexOfChild(card), -1) << "it is no longer among the board's cards";
    EXPECT_EQ(card->parent(), board);

    DropDownWidget list;
    list.addItems({"Standard", "Holiday", "Garden"});
    QAccessibleInterface* item = Accessible(&list)->child(2);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(QAccessible::Name), "Garden");
    list.removeItem(2);
    EXPECT_TRUE(item->isValid()) << "the item past the end of a shortened list is refused to a screen reader";
    EXPECT_TRUE(item->text(QAccessible::Name).isEmpty());
    EXPECT_TRUE(item->state().invisible);
    EXPECT_FALSE(item->state().selected);
}

TEST(Accessibility, FacesAreNamedFromThePictureFileShown) {
    EXPECT_EQ(FaceName(1), "circle");
    EXPECT_EQ(FaceName(13), "lightning bolt");
    EXPECT_EQ(FaceName(24), "fir tree");
    EXPECT_EQ(FaceName(26), "music note");
    EXPECT_TRUE(FaceName(0).isEmpty());
    EXPECT_TRUE(FaceName(27).isEmpty());
    for (int face = 1; face <= kCardFaces; ++face) EXPECT_EQ(FaceOfPictureFile(CardFaceFile(face)), face);
    for (const char* file : {"CardBack1.bmp", "CardBack2.bmp", "card1.bmp", "Card1.bmp.bak", "Card27.bmp", "Card0.bmp",
                             "", "Trophy.bmp"}) {
        EXPECT_EQ(FaceOfPictureFile(file), 0) << file;
    }
    // All 26 names differ, and no name hides inside a face-down card's name.
    for (int a = 1; a <= kCardFaces; ++a) {
        for (int b = a + 1; b <= kCardFaces; ++b) EXPECT_NE(FaceName(a), FaceName(b));
        for (int p : {0, 9, 49}) {
            for (const Picture& slot : {Picture{std::string(kCardBackFile), 1, true},
                                        Picture{std::string(kUnseenCardBackFile), 1, true}, Picture{"", 0, false}}) {
                EXPECT_FALSE(CardSlotName(p, slot).contains(FaceName(a))) << CardSlotName(p, slot).toStdString();
            }
        }
    }
}

TEST(Accessibility, ThePrintedOutcomeAndTheResultPictureReadAsText) {
    ViewFixture ui;
    ui.Press("cmdNew");
    ui.Press("cmdDone");
    EXPECT_TRUE(Description(ui.Control("fraOutcome")).isEmpty());
    for (int face = 1; face <= kCardFaces; ++face) {
        const std::vector<int> codes = SlotsOfFace(ui, face);
        if (codes.size() != 2) continue;
        ui.ClickCard(codes[0]);
        ui.ClickCard(codes[1]);
    }
    ASSERT_TRUE(ui.Control("fraOutcome")->isVisible());
    const QString outcome = Description(ui.Control("picOutcome"));
    EXPECT_EQ(outcome.split('\n'), QStringList({"Well Done", "Player 1!", "You found 9 ", "pairs in", "0 turns"}));
    EXPECT_EQ(Description(ui.Control("fraOutcome")), outcome);
    EXPECT_EQ(Name(ui.Control("picResult")), "Result picture");
    EXPECT_EQ(Description(ui.Control("picResult")), "A trophy");
}

// Each result picture is described for what it shows, and the score boxes
// are named for their seats, in English and in a language whose word for
// the computer differs; a typed name is read as typed.
TEST(Accessibility, ResultPicturesAndScoreBoxesReadInThePlayersLanguage) {
    const std::string computer(kComputerName);
    struct Expected {
        QString language;
        QStringList pictures;  // winner, depressed, frustrated, trophy
        QStringList scores;    // seat 2 unnamed, a computer, a default name, a typed name
    };
    const Expected languages[] = {
        {"",
         {"A cheering winner", "A downcast loser under a rain cloud", "A fuming loser", "A trophy"},
         {"Player 2 score", "Score of Computer", "Score of Player 3", "Score of Wygrany"}},
        {"pl",
         {"Wiwatujący zwycięzca", "Przygnębiony przegrany pod deszczową chmurą", "Wściekły przegrany", "Puchar"},
         {"Gracz 2: punkty", "Punkty gracza Komputer", "Punkty gracza Gracz 3", "Punkty gracza Wygrany"}},
    };
    for (const Expected& expected : languages) {
        LanguageCatalogues catalogues;
        if (!expected.language.isEmpty()) {
            ASSERT_TRUE(catalogues.Install(expected.language));
        }
        const std::string_view files[] = {kWinnerFile, kDepressedFile, kFrustratedFile, kTrophyFile};
        QStringList pictures;
        for (std::string_view file : files) pictures << ResultPictureDescription(file);
        EXPECT_EQ(pictures, expected.pictures);
        EXPECT_TRUE(ResultPictureDescription(kCardBackFile).isEmpty());
        EXPECT_EQ(QStringList({ScoreAccessibleName(1, {}), ScoreAccessibleName(0, computer),
                               ScoreAccessibleName(2, "Player 3"), ScoreAccessibleName(3, "Wygrany")}),
                  expected.scores);

        ViewFixture ui;
        static_cast<QComboBox*>(ui.Control("cmbPlayers"))->setCurrentText("2");
        ui.Press("cmdNew");
        static_cast<QComboBox*>(ui.Control("cmbPlayerType", 0))->setCurrentIndex(1);
        ui.Press("cmdDone");
        EXPECT_EQ(Name(ui.Control("lblScore", 0)), expected.scores[1]);
    }
}

}  // namespace
}  // namespace pairon
