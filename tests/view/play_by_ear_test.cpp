// Playing by ear: what the screen reader is told of a game against the
// computer, and that telling it changes neither the game nor a pixel.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QRegularExpression>

#include "core/soak_events.h"
#include "game/game_rules.h"
#include "opponent/opponent.h"
#include "desktop/accessibility/accessibility.h"
#include "desktop/widgets/board_navigator.h"
#include "desktop/speech/play_by_ear.h"
#include "view/view_fixture.h"

namespace pairon {
namespace {

// Two windows over the same seeded game, one of them telling a screen
// reader everything, driven by the same events.
struct Twins {
    Twins() : heard(11), silent(11) {
        ear = std::make_unique<PlayByEar>(heard.view);
        // No screen reader runs offscreen; the window acts as if one listened.
        ear->Announcements().AssumeScreenReader(true);
    }

    // Runs the event in each window while it is the active one, as a player
    // would, and compares the game and every pixel afterwards.
    template <typename Event>
    void Both(Event&& event) {
        QImage pictures[2];
        int k = 0;
        for (ViewFixture* f : {&heard, &silent}) {
            f->view.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&f->view));
            event(*f);
            pictures[k++] = f->view.grab().toImage();
        }
        ASSERT_TRUE(soak::TakeSnapshot(heard.form) == soak::TakeSnapshot(silent.form)) << "the game differs";
        ASSERT_EQ(pictures[0], pictures[1]) << "the window differs";
    }
    void Tick(ViewFixture& f) {
        if (f.form.tmrCardDelay.enabled) {
            f.view.Handle([&f] { tmrCardDelay_Timer(f.form); });
        } else if (f.form.tmrComputerDelay.enabled) {
            f.view.Handle([&f] { tmrComputerDelay_Timer(f.form); });
        }
    }
    QStringList Spoken() const { return ear->Announcements().Given(); }

    ViewFixture heard;
    ViewFixture silent;
    std::unique_ptr<PlayByEar> ear;
};

TEST(PlayByEar, AGameAgainstTheComputerIsToldWithoutChangingTheGameOrAPixel) {
    Twins t;
    t.Both([&t](ViewFixture& f) {
        static_cast<QComboBox*>(f.Control("cmbWidth"))->setCurrentText("4");
        static_cast<QComboBox*>(f.Control("cmbHeight"))->setCurrentText("2");
        static_cast<QComboBox*>(f.Control("cmbPlayers"))->setCurrentText("2");
        f.Press("cmdNew");
        static_cast<QComboBox*>(f.Control("cmbPlayerType", 1))->setCurrentIndex(1);
        f.Press("cmdDone");
        // With a screen reader listening, the board takes the focus after
        // Done; a keyboard player without one goes there with Tab.
        if (&f == &t.silent) f.view.Board()->setFocus(Qt::TabFocusReason);
    });
    EXPECT_EQ(t.heard.view.focusWidget(), t.heard.view.Board()) << "after Done the board has the focus";
    EXPECT_TRUE(t.heard.view.Board()->isEnabled());
    ASSERT_GE(t.Spoken().size(), 1);
    EXPECT_EQ(t.Spoken().front(), "New game, 4 by 2 cards. The New Game button now reads End Game. Enter the players, then press Done.");

    // The human turns the cards in reading order; the computer plays its ticks.
    for (int guard = 0; guard < 400 && !t.heard.form.fraOutcome.visible; ++guard) {
        const MainForm& form = t.heard.form;
        if (form.tmrCardDelay.enabled || form.lblPlayerTurn.text == kComputerName) {
            t.Both([&](ViewFixture& f) { t.Tick(f); });
            continue;
        }
        for (int code : {0, 1, 2, 3, 10, 11, 12, 13}) {
            if (!form.imgCard[static_cast<std::size_t>(code)].visible || form.lblIndex1.text == std::to_string(code)) {
                continue;
            }
            t.Both([code](ViewFixture& f) { f.ClickCard(code); });
            break;
        }
    }
    ASSERT_TRUE(t.heard.form.fraOutcome.visible);

    // Every kind of happening was told, in words a player understands, and
    // never the face of a card that lies face down.
    const QString all = t.Spoken().join(QLatin1Char('\n'));
    for (const char* expected : {"Player 1 plays first.", "Computer turns up row ", "A pair for ", "No pair. The computer plays now.",
                                 "No pair. Your turn, Player 1.", "Scores: Player 1 "}) {
        EXPECT_TRUE(all.contains(QLatin1String(expected))) << expected << " was never said in:\n" << all.toStdString();
    }
    const QRegularExpression pick(QStringLiteral("Computer turns up row (\\d), column (\\d): ([a-z ]+)\\."));
    int picks = 0;
    for (auto match = pick.globalMatch(all); match.hasNext(); ++picks) {
        const auto m = match.next();
        const int code = (m.captured(1).toInt() - 1) * 10 + m.captured(2).toInt() - 1;
        const int width = BoardWidth(t.heard.form);
        const int face = t.heard.form.lstShuffled.Value(static_cast<std::size_t>((code / 10) * width + code % 10));
        EXPECT_EQ(m.captured(3), FaceName(face)) << "the computer's pick is told as another face";
    }
    EXPECT_GE(picks, 2);
    // The last pair's news ends with the outcome and the final scores, as F2
    // reads them from then on.
    EXPECT_TRUE(SpokenState(t.heard.form).contains(QLatin1String("Scores: ")));
    EXPECT_TRUE(t.Spoken().back().endsWith(SpokenState(t.heard.form))) << t.Spoken().back().toStdString();
}

}  // namespace
}  // namespace pairon
