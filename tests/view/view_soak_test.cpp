// A smaller soak through the real window: the same random events as the core
// soak, each sent as a widget event (a click on a button, a card or a tab, a
// key on a check box, the slider or a name box), with the timers' ticks sent
// through the window as its own timers would send them. After every event the
// game's rules hold, the window shows what the game holds, and the help
// window is open exactly when it should be.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <cstdio>
#include <sstream>

// The soak's vocabulary, checks and shrinker, shared with the core soak.
#include "core/soak_events.h"
#include "game/game_rules.h"
#include "desktop/help_window/help_window.h"
#include "desktop/help_window/tab_strip.h"
#include "desktop/main_window/main_window_view.h"
#include "desktop/widgets/picture_widgets.h"
#include "window/setup_flow.h"

namespace pairon::soak {
namespace {

QString ToQString(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

class ViewSoak {
public:
    explicit ViewSoak(std::uint64_t seed)
        : random(seed), form(random), view(form, QCoreApplication::applicationDirPath()), clock(form),
          checks(form, random, clock) {
        view.show();
        After("start-up");
    }

    bool Apply(const SoakEvent& e) {
        const std::size_t index = applied_++;
        if (checks.Failure() || exited_) return false;
        if (!Possible(form, helpShown_, e)) return true;
        random.draws = 0;
        checks.Applied();
        Send(e);
        if (e.kind == Kind::Exit) {
            exited_ = true;
            return false;
        }
        if (e.kind != Kind::Wait) After(Describe(e));
        if (checks.Failure()) checks.Failure()->event = index;
        return !checks.Failure();
    }

    const std::optional<SoakFailure>& Failure() const { return checks.Failure(); }
    void Applied() { checks.Applied(); }
    bool HelpShown() const { return helpShown_; }

    CountingRandom random;
    MainForm form;
    MainWindowView view;
    VirtualClock clock;
    SoakChecks checks;

private:
    QWidget* Control(std::string_view name, int index = -1) { return view.Control(name, index); }

    void Choose(std::string_view name, const std::string& text, int index = -1) {
        auto* list = static_cast<QComboBox*>(Control(name, index));
        list->setCurrentIndex(list->findText(ToQString(text)));
    }

    void Check(std::string_view name, int value) {
        auto* box = static_cast<QCheckBox*>(Control(name));
        if (box->isChecked() != (value != 0)) QTest::keyClick(box, Qt::Key_Space);
    }

    void Type(int seat, const std::string& text) {
        auto* edit = static_cast<QLineEdit*>(Control("txtPlayer", seat));
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        const QString typed = ToQString(text);
        bool surrogates = false;
        for (QChar c : typed) surrogates |= c.isSurrogate();
        // Keys carry one UTF-16 unit each; a character beyond them comes in
        // whole, as from an input method.
        if (surrogates) {
            edit->insert(typed);
            return;
        }
        for (QChar c : typed) {
            if (c.unicode() < 0x80) {
                QTest::keyClicks(edit, QString(c));
            } else {
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
            }
        }
    }

    void Send(const SoakEvent& e) {
        switch (e.kind) {
            case Kind::ChooseWidth: Choose("cmbWidth", e.text); break;
            case Kind::ChooseHeight: Choose("cmbHeight", e.text); break;
            case Kind::ChoosePlayers: Choose("cmbPlayers", e.text); break;
            case Kind::CheckHighlight: Check("chkHighlight", e.a); break;
            case Kind::CheckMultiple: Check("chkMultiple", e.a); break;
            case Kind::CheckBackground: Check("chkBackground", e.a); break;
            case Kind::MoveSpeed: {
                auto* slider = static_cast<QSlider*>(Control("sldSpeed"));
                while (slider->value() != e.a) QTest::keyClick(slider, e.a > slider->value() ? Qt::Key_Right : Qt::Key_Left);
                break;
            }
            case Kind::PressNewGame: {
                const bool starting = form.cmdNew.caption == kNewGameCaption;
                QTest::mouseClick(Control("cmdNew"), Qt::LeftButton);
                checks.BoardLaidOut();
                if (starting) checks.GameStarted();
                break;
            }
            case Kind::ChooseType: Choose("cmbPlayerType", e.text, e.a); break;
            case Kind::ChooseLevel: Choose("cmbComputerLevel", e.text, e.a); break;
            case Kind::TypeName: {
                Type(e.a, e.text);
                TextBox expected = form.txtPlayer[static_cast<std::size_t>(e.a)];
                expected.SetText(e.text);
                if (form.txtPlayer[static_cast<std::size_t>(e.a)].text != expected.text) {
                    checks.Fail("a typed name did not reach the game", Describe(e));
                }
                break;
            }
            case Kind::Done:
                checks.SeatsConfirmed();
                QTest::mouseClick(Control("cmdDone"), Qt::LeftButton);
                break;
            case Kind::Click: {
                std::optional<SoakSnapshot> before;
                if (ClickMustBeIgnored(form)) before = soak::TakeSnapshot(form);
                QTest::mouseClick(Control("imgCard", e.a), Qt::LeftButton, {}, QPoint(10, 10));
                if (before && !(*before == soak::TakeSnapshot(form))) checks.Fail("a card click that must be ignored changed the game", Describe(e));
                break;
            }
            case Kind::Wait: Wait(e.a); break;
            case Kind::Help:
                QTest::mouseClick(Control("cmdHelp"), Qt::LeftButton);
                if (view.Help() != help_) tab_ = -1;  // a new window opens on its first page
                help_ = view.Help();
                helpShown_ = true;
                break;
            case Kind::EndHelp:
                QTest::mouseClick(view.Help()->EndButton(), Qt::LeftButton);
                helpShown_ = false;
                break;
            case Kind::HelpTab: {
                TabStrip* tabs = view.Help()->Tabs();
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->TabRect(e.a).center());
                tab_ = e.a;
                break;
            }
            case Kind::CloseHelp:
                view.Help()->close();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                helpShown_ = false;
                break;
            case Kind::Exit: QTest::mouseClick(Control("cmdExit"), Qt::LeftButton); break;
        }
        clock.Sync();
    }

    // Ticks fall due in virtual time and go through the window, as its own
    // timers' ticks do.
    void Wait(int milliseconds) {
        const std::int64_t until = clock.Now() + milliseconds;
        for (int ticks = 0; !checks.Failure() && ticks < 10000; ++ticks) {
            const std::int64_t next = clock.NextTick();
            if (next < 0 || next > until) break;
            random.draws = 0;
            view.Handle([this] { clock.FireNext(); });
            checks.Ticked();
            After("a timer tick");
        }
        if (!checks.Failure()) clock.AdvanceTo(until);
    }

    void After(const std::string& what) {
        checks.After(what);
        if (checks.Failure()) return;
        const std::string after = "after " + what;
        if (view.Failed()) return checks.Fail("the window failed", after + ": " + view.FailureMessage().toStdString());

        // The window shows what the game holds.
        for (int p = 0; p < kCardSlots; ++p) {
            auto* card = static_cast<PictureWidget*>(Control("imgCard", p));
            if (card->isHidden() == form.imgCard[static_cast<std::size_t>(p)].visible) {
                return checks.Fail("a card slot on screen is not as the game has it", after + ": slot " + std::to_string(p));
            }
            if (!card->isHidden() && card->Picture().isNull()) {
                return checks.Fail("a shown card slot has no picture", after + ": slot " + std::to_string(p));
            }
        }
        if (static_cast<QPushButton*>(Control("cmdNew"))->text().toStdString() != form.cmdNew.caption) {
            return checks.Fail("the New Game button's caption is not the game's", after);
        }
        // A panel shows as the game has it, unless a shown panel lies over it.
        const std::pair<const char*, const char*> panels[] = {
            {"fraDimensions", nullptr}, {"fraOptions", nullptr}, {"fraPlayers", nullptr}, {"fraOutcome", nullptr},
            {"fraCommentary", "fraDimensions"}, {"fraScore", "fraOptions"}, {"fraGame", "fraPlayers"}};
        for (const auto& [panel, upper] : panels) {
            const bool covered = upper && std::get<Panel*>(FindControl(form, upper))->visible;
            const bool shown = std::get<Panel*>(FindControl(form, panel))->visible && !covered;
            if (Control(panel)->isHidden() == shown) return checks.Fail(std::string(panel) + " on screen is not as the game has it", after);
        }
        auto label = [this](std::string_view name, int index = -1) {
            return static_cast<QLabel*>(Control(name, index))->text().toStdString();
        };
        if (label("lblPairs") != form.lblPairs.text || label("lblPlayerTurn") != form.lblPlayerTurn.text) {
            return checks.Fail("the commentary on screen is not the game's", after);
        }
        for (int i = 0; i < kSeats; ++i) {
            const auto seat = static_cast<std::size_t>(i);
            if (label("lblPlayer", i) != form.lblPlayer[seat].text || label("lblScore", i) != form.lblScore[seat].text ||
                Control("lblPlayer", i)->font().bold() != form.lblPlayer[seat].bold) {
                return checks.Fail("the score board on screen is not the game's", after);
            }
        }
        QStringList lines;
        for (const std::string& line : form.picOutcome.lines) lines << ToQString(line);
        if (form.fraOutcome.visible && static_cast<DrawingBoxWidget*>(Control("picOutcome"))->Lines() != lines) {
            return checks.Fail("the outcome on screen is not the game's", after);
        }

        // The help window is open exactly while it should be, on its page.
        HelpWindow* help = view.Help();
        if (helpShown_ != (help && help->isVisible())) return checks.Fail("the help window is not where it should be", after);
        if (help && helpShown_ && tab_ >= 0) {
            for (int k = 0; k < HelpWindow::kPageCount; ++k) {
                if (help->Page(k)->isVisible() != (k == tab_)) return checks.Fail("the help window shows another page", after);
            }
        }
    }

    std::size_t applied_ = 0;
    bool helpShown_ = false;
    bool exited_ = false;
    HelpWindow* help_ = nullptr;
    int tab_ = -1;
};

class ViewSoakTest : public testing::TestWithParam<int> {};

TEST_P(ViewSoakTest, RealWidgetEventsKeepWindowAndGameInStep) {
    const std::uint64_t seed = 500 + static_cast<std::uint64_t>(GetParam());
    ViewSoak soak(seed);
    SoakGenerator generator(seed ^ 0x9e3779b97f4a7c15ULL);
    std::vector<SoakEvent> events;
    for (int i = 0; i < 2500; ++i) {
        SoakEvent e = generator.Next(soak.form, soak.HelpShown());
        if (e.kind == Kind::Exit) continue;  // the window's own tests press Exit; here it would end the run
        events.push_back(e);
        if (!soak.Apply(e)) break;
    }
    const SoakTally& tally = soak.checks.Tally();
    std::printf("view soak seed %llu: %zu events, %zu timer ticks, %zu games started, %zu played to the end\n",
                static_cast<unsigned long long>(seed), tally.events, tally.ticks, tally.gamesStarted, tally.gamesFinished);
    if (!soak.Failure()) {
        EXPECT_GT(tally.gamesFinished, 0u);
        return;
    }

    // The same events on the window model alone: if they break a rule there
    // too, the shortest list of them is the report.
    std::ostringstream report;
    report << "View soak seed " << seed << ": " << DescribeFailure(soak.Failure()) << "\n";
    if (const std::optional<SoakFailure> core = ReplaySoak(seed, events)) {
        report << FailureReport(seed, *core, ShrinkSoak(seed, events, core->rule));
    } else {
        report << "the window model alone keeps its rules; the events were:\n";
        for (const SoakEvent& e : events) report << "        " << Describe(e) << ",\n";
    }
    ADD_FAILURE() << report.str();
}

INSTANTIATE_TEST_SUITE_P(Seeds, ViewSoakTest, testing::Range(0, 4));

}  // namespace
}  // namespace pairon::soak
