// Playing by ear: what the screen reader is told of a game against the
// computer, and that telling it changes neither the game nor a pixel.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSlider>

#include "core/soak_events.h"
#include "game/game_rules.h"
#include "opponent/opponent.h"
#include "desktop/accessibility/accessibility.h"
#include "desktop/widgets/board_navigator.h"
#include "desktop/speech/announcer.h"
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
                                 "Your turn, Player 1. Computer turns up row ", "Scores: Player 1 "}) {
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

// What waits for the screen reader is said in the order it came, as one
// utterance once the last one has had its time; what the player's own key
// did is said at once in its place, and what the screen reader says of its
// own accord is waited for.
TEST(PlayByEar, WaitingSentencesAreSaidInTheOrderTheyCame) {
    QWidget window;
    Announcer announcer(&window);
    announcer.AssumeScreenReader(true);
    const QString pick = QStringLiteral("Computer turns up row 1, column 1: star.");
    announcer.SayNext(pick);
    ASSERT_EQ(announcer.Spoken(), QStringList{pick}) << "nothing was being said, so it is said at once";
    announcer.SayNext(QStringLiteral("No pair."));
    announcer.SayNext(QString());
    announcer.SayNext(QStringLiteral("Your turn, Ann."));
    EXPECT_EQ(announcer.Waiting(), "No pair. Your turn, Ann.");
    EXPECT_EQ(announcer.Spoken().size(), 1) << "the pick is not cut short";
    EXPECT_GT(announcer.TimeToQuiet(), Announcer::SpeakingTime(announcer.Waiting()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return announcer.Waiting().isEmpty(); }, 30000));
    EXPECT_EQ(announcer.Spoken(), QStringList({pick, "No pair. Your turn, Ann."}));
    EXPECT_EQ(announcer.Given(), QStringList({pick, "No pair.", "Your turn, Ann."}));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("announcement"))->text(), "No pair. Your turn, Ann.");

    // The player's key cuts the screen reader short: its answer goes first,
    // and what waited is not said after it.
    announcer.SayNext(QStringLiteral("A pair for Computer!"));
    ASSERT_FALSE(announcer.Waiting().isEmpty());
    announcer.SayNow(QStringLiteral("Please wait: the computer is playing."));
    EXPECT_TRUE(announcer.Waiting().isEmpty());
    EXPECT_EQ(announcer.Spoken().back(), "Please wait: the computer is playing.");
    ASSERT_TRUE(QTest::qWaitFor([&] { return announcer.TimeToQuiet() == 0; }, 30000));

    // A control that took the focus is spoken first; what comes next waits for it.
    announcer.Hold(QStringLiteral("Card, row 1, column 1, face down"));
    announcer.SayNext(QStringLiteral("Ann plays first."));
    EXPECT_EQ(announcer.Waiting(), "Ann plays first.");
    ASSERT_TRUE(QTest::qWaitFor([&] { return announcer.Waiting().isEmpty(); }, 30000));
    EXPECT_EQ(announcer.Spoken().back(), "Ann plays first.");
}

// With a screen reader listening, the computer turns no card while what it
// did last is still being said, so each of its cards is heard on its own;
// the turn coming back to the player is said as it happens. With nobody
// listening the computer keeps its pace.
TEST(PlayByEar, TheComputerWaitsUntilWhatItDidHasBeenHeard) {
    for (const bool listening : {true, false}) {
        SCOPED_TRACE(listening ? "a screen reader listening" : "nobody listening");
        ViewFixture f(11);
        // Hears each event before the game's voice does, and after it.
        struct Watch : HappeningListener {
            std::function<void(const std::vector<Happening>&)> heard;
            void Heard(const std::vector<Happening>& happenings, const MainForm&) override { heard(happenings); }
        } before, after;
        f.view.Listen(&before);
        PlayByEar ear(f.view);
        ear.Announcements().AssumeScreenReader(listening);
        f.view.Listen(&after);
        const Announcer& voice = ear.Announcements();
        int picks = 0;
        int picksWhileSpeaking = 0;
        bool turnCameBack = false;
        before.heard = [&](const std::vector<Happening>& happenings) {
            for (const Happening& h : happenings) {
                if (h.kind != HappeningKind::CardShown || !h.computer) continue;
                ++picks;
                if (voice.TimeToQuiet() > 0) ++picksWhileSpeaking;
            }
        };
        after.heard = [&](const std::vector<Happening>& happenings) {
            for (const Happening& h : happenings) {
                if (h.kind != HappeningKind::Missed || !h.computer || h.nextSeat != 0) continue;
                turnCameBack = true;
                if (!listening) continue;
                EXPECT_TRUE(voice.Waiting().isEmpty()) << voice.Waiting().toStdString();
                ASSERT_FALSE(voice.Spoken().isEmpty());
                // Whose turn it is now, first, for the player may play at
                // once; then the computer's last card and its miss.
                EXPECT_TRUE(voice.Spoken().back().startsWith("Your turn, Player 1. Computer turns up row "))
                    << voice.Spoken().back().toStdString();
                EXPECT_TRUE(voice.Spoken().back().endsWith(". No pair.")) << voice.Spoken().back().toStdString();
            }
        };

        static_cast<QComboBox*>(f.Control("cmbWidth"))->setCurrentText("4");
        static_cast<QComboBox*>(f.Control("cmbHeight"))->setCurrentText("2");
        static_cast<QComboBox*>(f.Control("cmbPlayers"))->setCurrentText("2");
        f.Press("cmdNew");
        static_cast<QComboBox*>(f.Control("cmbPlayerType", 1))->setCurrentIndex(1);
        // "Shocking": every pick at random, so its turn soon comes back.
        static_cast<QComboBox*>(f.Control("cmbComputerLevel", 1))->setCurrentIndex(4);
        f.Press("cmdDone");
        // The shortest pauses: the computer would play at once.
        static_cast<QSlider*>(f.Control("sldSpeed"))->setValue(1);
        // Two cards that differ: the computer plays next.
        int second = 1;
        while (f.form.lstShuffled.Value(static_cast<std::size_t>(second)) == f.form.lstShuffled.Value(0)) ++second;
        f.ClickCard(0);
        f.ClickCard((second / 4) * 10 + second % 4);
        ASSERT_EQ(f.form.lblPlayerTurn.text, kComputerName);
        ASSERT_TRUE(QTest::qWaitFor([&] { return turnCameBack || f.form.fraOutcome.visible; }, 120000));

        ASSERT_GE(picks, 2);
        if (listening) {
            EXPECT_EQ(picksWhileSpeaking, 0) << "the computer turned a card while its last was still being said";
            for (const QString& said : voice.Spoken()) {
                EXPECT_LE(said.count(QLatin1String("Computer turns up")), 1) << said.toStdString();
            }
        } else {
            EXPECT_GT(picksWhileSpeaking, 0) << "with nobody listening the computer waited all the same";
        }
    }
}

}  // namespace
}  // namespace pairon
