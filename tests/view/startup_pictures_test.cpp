// What the window shows at start-up without decoding anything: the board and
// the window icons as raw pixels built into the program, and the panels that
// nobody sees before New Game built once the window has been painted.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "files/picture_loader.h"
#include "game/window_layout.h"
#include "view/view_fixture.h"

namespace pairon {
namespace {

// Raw picture bytes: width, height, then the pixels, with `skew` spare bytes
// in front so that the picture can be put off its 32-bit boundary.
std::vector<uchar> RawBytes(std::uint32_t width, std::uint32_t height, std::size_t pixelBytes, std::size_t skew = 0) {
    std::vector<uchar> bytes(skew + 8 + pixelBytes);
    std::memcpy(bytes.data() + skew, &width, 4);
    std::memcpy(bytes.data() + skew + 4, &height, 4);
    for (std::size_t k = 0; k < pixelBytes; ++k) bytes[skew + 8 + k] = static_cast<uchar>(k * 7 + 1);
    return bytes;
}

TEST(RawPicture, RefusesBytesThatAreNotExactlyOnePicture) {
    const auto whole = RawBytes(3, 2, 24);
    const auto* data = whole.data();
    EXPECT_FALSE(RawPicture(data, 24 + 8, true).isNull());
    EXPECT_TRUE(RawPicture(nullptr, 32, true).isNull());
    EXPECT_TRUE(RawPicture(data, 7, true).isNull()) << "no room for the size";
    EXPECT_TRUE(RawPicture(data, 24 + 7, true).isNull()) << "a pixel cut short";
    EXPECT_TRUE(RawPicture(RawBytes(3, 2, 28).data(), 28 + 8, true).isNull()) << "bytes to spare";
    EXPECT_TRUE(RawPicture(RawBytes(0, 2, 0).data(), 8, true).isNull()) << "no width";
    EXPECT_TRUE(RawPicture(RawBytes(2, 0, 0).data(), 8, true).isNull()) << "no height";
    // A size that would overflow a 32-bit product, or simply be absurd.
    EXPECT_TRUE(RawPicture(RawBytes(65536, 65536, 0).data(), 8, true).isNull());
    EXPECT_TRUE(RawPicture(RawBytes(kLargestPictureSide + 1, 1, 0).data(), 8, true).isNull());
}

TEST(RawPicture, ShowsThePixelsWhereTheyLieOrACopyWhenOffTheirBoundary) {
    const auto aligned = RawBytes(3, 2, 24);
    const QImage shared = RawPicture(aligned.data(), 32, true);
    ASSERT_EQ(shared.size(), QSize(3, 2));
    EXPECT_EQ(shared.format(), QImage::Format_RGB32);
    EXPECT_EQ(shared.constBits(), aligned.data() + 8) << "nothing decoded or copied";
    EXPECT_EQ(RawPicture(aligned.data(), 32, false).format(), QImage::Format_ARGB32_Premultiplied);

    const auto skewed = RawBytes(3, 2, 24, 1);
    const QImage copied = RawPicture(skewed.data() + 1, 32, true);
    ASSERT_EQ(copied.size(), QSize(3, 2));
    EXPECT_NE(copied.constBits(), skewed.data() + 1 + 8);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(copied.constBits()) % 4, 0u);
    EXPECT_EQ(copied, shared) << "the same pixels either way";
}

TEST(RawPicture, TheBuiltInPicturesAreTheDrawingsTheyStandFor) {
    const QImage board = RawPictureResource(QStringLiteral(":/layout/GameBoard.pixels"), true);
    const QImage drawn(QStringLiteral(PAIRON_LAYOUT_PICTURE_DIR "/GameBoard.png"));
    ASSERT_FALSE(drawn.isNull());
    ASSERT_EQ(board.size(), QSize(569, 409));
    EXPECT_EQ(board, drawn.convertToFormat(QImage::Format_RGB32));

    for (int size : {16, 32, 48, 64}) {
        const QImage icon = RawPictureResource(QStringLiteral(":/layout/icon-%1.pixels").arg(size), false);
        const QImage file(QStringLiteral(":/layout/icon-%1.png").arg(size));
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(icon.convertToFormat(QImage::Format_ARGB32), file.convertToFormat(QImage::Format_ARGB32)) << size;
    }
    EXPECT_TRUE(RawPictureResource(QStringLiteral(":/layout/NoSuchPicture.pixels"), true).isNull());
}

TEST(StartUp, AtOneHundredPercentTheBoardIsShownAsItWasDrawn) {
    ViewFixture ui;
    ASSERT_EQ(ui.view.devicePixelRatioF(), 1);
    const QPixmap& board = static_cast<PictureWidget*>(ui.Control("imgGame"))->Picture();
    EXPECT_EQ(board.devicePixelRatio(), 1);
    EXPECT_EQ(board.toImage(), RawPictureResource(QStringLiteral(":/layout/GameBoard.pixels"), true));
}

TEST(StartUp, PanelsHiddenAtStartAreBuiltOnceTheWindowIsPainted) {
    ViewFixture ui;
    // Not yet: nothing has been painted.
    EXPECT_EQ(ui.view.findChild<QGroupBox*>(QStringLiteral("fraPlayers")), nullptr);
    EXPECT_EQ(ui.view.findChild<QLineEdit*>(QStringLiteral("txtPlayer_0")), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ui.view.findChild<QGroupBox*>(QStringLiteral("fraOutcome")); }, 5000));
    auto* players = ui.view.findChild<QGroupBox*>(QStringLiteral("fraPlayers"));
    ASSERT_NE(players, nullptr);
    EXPECT_TRUE(players->isHidden());
    EXPECT_EQ(ui.view.findChild<QLineEdit*>(QStringLiteral("txtPlayer_3"))->text(), "Player 4");

    // The keyboard reaches the new controls in the window's order.
    std::vector<QWidget*> order;
    for (const ControlName& name : MainWindowFocusOrder()) {
        QWidget* widget = ui.view.findChild<QWidget*>(
            QString::fromStdString(name.index < 0 ? name.name : name.name + "_" + std::to_string(name.index)));
        if (widget && widget->focusPolicy() != Qt::NoFocus) order.push_back(widget);
    }
    ASSERT_GT(order.size(), 20u);
    for (std::size_t k = 0; k + 1 < order.size(); ++k) {
        QWidget* next = order[k]->nextInFocusChain();
        while (next != order[k + 1] && std::find(order.begin(), order.end(), next) == order.end()) {
            next = next->nextInFocusChain();
        }
        EXPECT_EQ(next, order[k + 1]) << order[k]->objectName().toStdString();
    }

    // New Game then shows the panel over the board.
    ui.Press("cmdNew");
    EXPECT_TRUE(players->isVisible());
    const QObjectList& siblings = ui.view.children();
    EXPECT_GT(siblings.indexOf(players), siblings.indexOf(ui.Control("fraGame")));
}

TEST(StartUp, AnEventBeforeTheFirstPaintBuildsTheRestOfTheWindowFirst) {
    ViewFixture ui;
    ASSERT_EQ(ui.view.findChild<QGroupBox*>(QStringLiteral("fraPlayers")), nullptr);
    // A click reaches the button before any paint has happened.
    static_cast<QPushButton*>(ui.view.findChild<QPushButton*>(QStringLiteral("cmdNew")))->click();
    auto* players = ui.view.findChild<QGroupBox*>(QStringLiteral("fraPlayers"));
    ASSERT_NE(players, nullptr);
    EXPECT_TRUE(players->isVisible());
    EXPECT_EQ(ui.form.cmdNew.caption, "End Game");
    const QPixmap& panel = static_cast<PictureWidget*>(ui.Control("imgPlayer"))->Picture();
    EXPECT_FALSE(panel.isNull()) << "the panel shows with its picture";
}

// A window moved to a screen of another scale shows the pictures drawn for it.
TEST(StartUp, PicturesFollowTheScreensScale) {
    ViewFixture ui;
    ui.Press("cmdNew");
    ui.Press("cmdDone");
    ui.ClickCard(0);
    auto picture = [&](std::string_view name, int index = -1) {
        return static_cast<PictureWidget*>(ui.Control(name, index))->Picture();
    };
    const QPixmap face = picture("imgCard", 0);
    ASSERT_EQ(picture("imgGame").size(), QSize(569, 409)) << "the photograph, read at the size shown";

    ui.view.ShowPicturesFor(true);
    EXPECT_EQ(picture("imgGame").size(), QSize(1138, 818));
    EXPECT_EQ(picture("imgGame").devicePixelRatio(), 2);
    EXPECT_TRUE(picture("imgPlayer").isNull()) << "a hidden panel's picture waits until it shows";
    EXPECT_EQ(picture("imgCard", 0).toImage(), face.toImage()) << "the card still shows its face";
    EXPECT_EQ(picture("imgCard", 0).devicePixelRatio(), 2);
    EXPECT_TRUE(picture("imgCard", 49).isNull()) << "a slot off the board still reads nothing";

    // The game goes on as before.
    ui.ClickCard(1);
    EXPECT_EQ(picture("imgCard", 1).size(), QSize(98, 146));
    ui.Press("cmdNew");
    ui.Press("cmdNew");
    EXPECT_EQ(picture("imgPlayer").size(), QSize(1138, 818));

    ui.view.ShowPicturesFor(false);
    EXPECT_EQ(picture("imgPlayer").size(), QSize(569, 409));
}

TEST(StartUp, ADropDownOpensInItsOwnFont) {
    ViewFixture ui;
    auto* list = static_cast<QComboBox*>(ui.Control("cmbWidth"));
    list->showPopup();
    EXPECT_EQ(list->view()->font(), list->font());
    EXPECT_EQ(list->view()->window()->font(), list->font());
    list->hidePopup();
}

}  // namespace
}  // namespace pairon
