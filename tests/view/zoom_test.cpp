#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "game/game_rules.h"
#include "pictures/picture_files.h"
#include "desktop/help_window/help_window.h"
#include "files/choices_file.h"
#include "desktop/zoom/window_zoom.h"
#include "window/setup_flow.h"
#include "game/window_layout.h"
#include "window/zoom.h"
#include "view/stderr_capture.h"
#include "view/view_fixture.h"

namespace pairon {
namespace {

constexpr int kWidth = 792;
constexpr int kHeight = 573;

// Where the layout puts a control at `zoom` in a client area of `room`, in
// its container's coordinates, before rounding.
QRectF ExpectedPlace(const ControlLayout& c, double zoom, QSize room) {
    QRectF place(c.left * zoom / kUnitsPerPixel, c.top * zoom / kUnitsPerPixel, c.width * zoom / kUnitsPerPixel,
                 c.height * zoom / kUnitsPerPixel);
    if (c.container.empty()) {
        place.translate((room.width() - kWidth * zoom) / 2, (room.height() - kHeight * zoom) / 2);
    }
    return place;
}

// A click where the player sees the centre of slot p, on whatever lies there.
void ClickSlotCentre(ViewFixture& ui, int p, double zoom) {
    const ControlLayout* slot = nullptr;
    const ControlLayout* game = nullptr;
    for (const ControlLayout& c : MainWindowLayout()) {
        if (c.name == "imgCard" && c.index == p) slot = &c;
        if (c.name == "fraGame") game = &c;
    }
    ASSERT_TRUE(slot && game);
    const QRectF board = ExpectedPlace(*game, zoom, ui.view.size());
    const QRectF card = ExpectedPlace(*slot, zoom, ui.view.size()).translated(board.topLeft());
    const QPoint centre = card.center().toPoint();
    QWidget* under = ui.view.childAt(centre);
    ASSERT_NE(under, nullptr) << "slot " << p;
    QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(&ui.view, centre));
}

TEST(Zoom, AtEachSizeEveryControlSitsAtItsPlaceTimesTheZoomAndEachCardTurnsWhereItShows) {
    struct Size {
        QSize client;
        double zoom;
    };
    // The designed size, a step, and a maximised window on a 1920 x 1080
    // screen, wider than the layout: margins left and right.
    for (const Size& size : {Size{{792, 573}, 1.0}, Size{{1188, 860}, 1.5}, Size{{1920, 1030}, 1030.0 / 573}}) {
        SCOPED_TRACE(std::to_string(size.client.width()) + " x " + std::to_string(size.client.height()));
        ViewFixture ui;
        ui.view.resize(size.client);
        ASSERT_EQ(ui.view.size(), size.client);
        EXPECT_NEAR(ui.view.Zoom().Zoom(), size.zoom, 1e-9);
        ChooseWidth(ui.form, "10");
        ChooseHeight(ui.form, "5");
        ui.view.Handle([] {});
        ui.Press("cmdNew");
        ui.Press("cmdDone");

        for (const ControlLayout& c : MainWindowLayout()) {
            if (c.kind == ControlKind::List || c.kind == ControlKind::Timer) continue;
            QWidget* widget = ui.Control(c.name, c.index);
            ASSERT_NE(widget, nullptr) << c.name;
            const QRectF expected = ExpectedPlace(c, size.zoom, size.client);
            const QRect at = widget->geometry();
            const std::string name = c.name + (c.index < 0 ? "" : "(" + std::to_string(c.index) + ")");
            EXPECT_NEAR(at.x(), expected.x(), 1) << name;
            EXPECT_NEAR(at.y(), expected.y(), 1) << name;
            EXPECT_NEAR(at.width(), expected.width(), 1) << name;
            EXPECT_NEAR(at.height(), expected.height(), 1) << name;
            const double points = c.font == FontRole::Outcome ? 9.75 : 8.25;
            // The font grows with the zoom, to the whole pixel below.
            const double pixels = widget->font().pointSizeF() * 96 / 72;
            EXPECT_LE(pixels, points * 96 / 72 * size.zoom + 1e-6) << name;
            EXPECT_GT(pixels, points * 96 / 72 * size.zoom - 1) << name;
            // A screen reader is told the place on screen the player sees.
            if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget)) {
                if (widget->isVisible()) {
                    EXPECT_EQ(accessible->rect(), QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size())) << name;
                }
            }
        }

        // Each pair in turn, each card clicked at the centre of its slot.
        for (int face = 1; face <= kCardFaces; ++face) {
            std::vector<int> codes;
            for (int k = 0; k < 50; ++k) {
                if (ui.form.lstShuffled.Value(static_cast<std::size_t>(k)) == face) codes.push_back(k);
            }
            if (codes.size() != 2) continue;
            ClickSlotCentre(ui, codes[0], size.zoom);
            EXPECT_EQ(ui.form.imgCard[static_cast<std::size_t>(codes[0])].file, CardFaceFile(face))
                << "slot " << codes[0];
            ClickSlotCentre(ui, codes[1], size.zoom);
            EXPECT_FALSE(ui.Card(codes[1])->isVisible()) << "slot " << codes[1];
        }
        EXPECT_TRUE(ui.Control("fraOutcome")->isVisible());
        EXPECT_EQ(ui.form.lblScore[0].text, "25");
    }
}

TEST(Zoom, BackAtTheDesignedSizeTheWindowShowsAsItDidBeforeAnyZoom) {
    ViewFixture plain;
    ViewFixture zoomed;
    zoomed.view.resize(1188, 860);
    zoomed.view.resize(1920, 1030);
    zoomed.view.Zoom().ZoomReset();
    EXPECT_EQ(zoomed.view.size(), QSize(kWidth, kHeight));
    EXPECT_EQ(zoomed.view.Zoom().Zoom(), 1.0);
    // Pictures follow once the window has kept its size for a moment.
    QTest::qWait(400);
    EXPECT_EQ(zoomed.view.grab().toImage(), plain.view.grab().toImage());
}

// A profile folder of the test's own, named by $XDG_CONFIG_HOME while it lives.
class Profile {
public:
    Profile() : previous_(qgetenv("XDG_CONFIG_HOME")) { qputenv("XDG_CONFIG_HOME", folder_.path().toLocal8Bit()); }
    ~Profile() { qputenv("XDG_CONFIG_HOME", previous_); }
    void Write(const QByteArray& bytes) const {
        QDir().mkpath(folder_.path() + "/pairon");
        QFile file(folder_.path() + "/pairon/pairon.conf");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray Read() const {
        QFile file(folder_.path() + "/pairon/pairon.conf");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir folder_;
    QByteArray previous_;
};

// The game started as main() starts it.
struct Start {
    Start() : choices(ReadCommandLine(QStringList()).ChoicesPath()), ui(1, QCoreApplication::applicationDirPath(), &choices) {}
    // A key on the main window, wherever its focus is.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        ui.view.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&ui.view));
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &ui.view, key, modifiers);
    }
    ChoicesFile choices;
    ViewFixture ui;
};

TEST(LargeScreen, TheZoomKeysStepUpToTheScreenAndBackAndTheZoomIsRememberedWhereItFits) {
    Profile profile;
    {
        Start game;
        ASSERT_EQ(game.ui.view.screen()->availableGeometry().size(), QSize(1920, 1080));
        EXPECT_EQ(game.ui.view.Zoom().Percent(), 100);
        // 175 percent is the largest window that fits 1080 lines with its frame.
        std::vector<int> seen;
        for (int k = 0; k < 6; ++k) {
            // Ctrl+Plus as most keyboards type it, with Shift, or Ctrl+=.
            if (k % 2) {
                game.Key(Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier);
            } else {
                game.Key(Qt::Key_Equal);
            }
            seen.push_back(game.ui.view.Zoom().Percent());
        }
        EXPECT_EQ(seen, std::vector<int>({125, 150, 175, 175, 175, 175}));
        EXPECT_EQ(game.ui.view.size(), QSize(1386, 1003));
        EXPECT_NEAR(game.ui.Control("cmdNew")->width(), 81 * 1.75, 1);
        game.Key(Qt::Key_Minus);
        EXPECT_EQ(game.ui.view.Zoom().Percent(), 150);
        EXPECT_EQ(game.ui.view.size(), QSize(1188, 860));

        // The help window follows, as large as it still fits.
        game.ui.Press("cmdHelp");
        HelpWindow* help = game.ui.view.Help();
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->Zoom(), 1.5);
        EXPECT_EQ(help->size(), QSize(818, 542));
        game.Key(Qt::Key_0);
        EXPECT_EQ(game.ui.view.size(), QSize(kWidth, kHeight));
        EXPECT_EQ(help->size(), help->DesignedSize());
        game.Key(Qt::Key_Equal);
        game.Key(Qt::Key_Equal);
        game.ui.Press("cmdExit");
    }
    EXPECT_TRUE(profile.Read().contains("Zoom=150")) << profile.Read().toStdString();
    {
        Start game;
        EXPECT_EQ(game.ui.view.Zoom().Percent(), 150);
        EXPECT_EQ(game.ui.view.size(), QSize(1188, 860));
    }
    // A zoom the game does not offer opens the window at its designed size.
    for (const char* zoom : {"99", "150%", "abc"}) {
        profile.Write(QByteArray("[Window]\nZoom=") + zoom + "\n");
        Start game;
        EXPECT_EQ(game.ui.view.Zoom().Percent(), 100) << zoom;
        EXPECT_EQ(game.ui.view.size(), QSize(kWidth, kHeight)) << zoom;
    }
}

// A maximised window is kept at its zoom, however far past the largest step,
// and opens next as large as it was, or as the screen it opens on holds:
// without a word, as the game wrote it itself. So does a zoom kept on a
// larger screen (a maximised window on 3840 x 2160 is kept at 366).
TEST(LargeScreen, AMaximisedWindowReopensAsLargeAsItWasWithinTheScreenAndWithoutAWord) {
    Profile profile;
    int maximised = 0;
    {
        Start game;
        // Maximised, the window is given the whole screen (here, where no
        // window manager does that, the test does).
        game.ui.view.showMaximized();
        const QRect room = game.ui.view.screen()->availableGeometry();
        game.ui.view.setGeometry(room);
        ASSERT_TRUE(QTest::qWaitFor([&] { return game.ui.view.size() == room.size(); }));
        maximised = game.ui.view.Zoom().Percent();
        EXPECT_GT(maximised, 175);
        game.ui.Press("cmdExit");
    }
    ASSERT_TRUE(profile.Read().contains("Zoom=" + QByteArray::number(maximised))) << profile.Read().toStdString();
    // 182 percent is the largest window that fits 1080 lines with its frame.
    for (const auto& [zoom, opens] : std::initializer_list<std::pair<const char*, int>>{
             {"", 182}, {"366", 182}, {"300", 182}, {"999", 182}, {"180", 180}, {"150", 150}}) {
        if (*zoom) profile.Write(QByteArray("[Window]\nZoom=") + zoom + "\n");
        StderrCapture err;
        std::string said;
        {
            Start game;
            said = err.Release();
            EXPECT_EQ(game.ui.view.Zoom().Percent(), opens) << zoom;
            EXPECT_EQ(game.ui.view.size(), QSize(std::lround(kWidth * opens / 100.0), std::lround(kHeight * opens / 100.0)))
                << zoom;
        }
        EXPECT_EQ(said.find("Pairon"), std::string::npos) << zoom << ": " << said;
    }
}

TEST(SharpScreen, AtThreeHundredPercentOnASharpScreenEveryPictureHasAPixelForEachScreenPixel) {
    ViewFixture ui;
    if (ui.view.devicePixelRatioF() != 2) GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
    ui.view.resize(kWidth * 3, kHeight * 3);
    ASSERT_EQ(ui.view.Zoom().Zoom(), 3.0);
    auto drawnFor = [&](QWidget* widget, double scale) {
        const QPixmap& picture = static_cast<PictureWidget*>(widget)->Picture();
        return QTest::qWaitFor([&] { return picture.width() == std::lround(widget->width() / 3.0 * scale); }, 2000);
    };
    EXPECT_TRUE(drawnFor(ui.Card(0), 6)) << "a card back";
    EXPECT_TRUE(drawnFor(ui.Control("imgGame"), 6)) << "the board";
    ui.Press("cmdNew");
    ui.Press("cmdDone");
    ui.ClickCard(0);
    EXPECT_TRUE(drawnFor(ui.Card(0), 6)) << "a card face";
    EXPECT_TRUE(drawnFor(ui.Control("imgGame"), 6)) << "the photograph";
    // The card shows its 294 pixels over its 147 x 219 place, no blur added.
    const QImage shown = ui.Card(0)->grab().toImage();
    EXPECT_EQ(shown.size(), QSize(294, 438));
}

}  // namespace
}  // namespace pairon
