// Sharp on a screen scaled to 200 percent: the picture files are drawn at
// twice their place's size and keep that place, the window's own pictures come
// at the size the screen shows, and the window icons keep the sizes their
// names give. The SharpScreen tests run on a screen scaled to 200 percent
// (QT_SCALE_FACTOR=2), the others at 100 percent.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QIcon>
#include <QImage>
#include <algorithm>

#include "pictures/picture_files.h"
#include "view/view_fixture.h"

namespace pairon {
namespace {

// The window as drawn for a screen with this device pixel ratio.
QImage RenderAt(QWidget& window, qreal ratio) {
    QImage image(window.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    window.render(&image);
    return image;
}

// The largest difference of any colour channel between two images of one size.
int LargestDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size()) return 256;
    int largest = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            largest = std::max(
                {largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

QImage PictureFile(std::string_view name) {
    return QImage(QString::fromStdString(PicturePath(QCoreApplication::applicationDirPath().toStdString(), name)));
}

TEST(Hidpi, PicturesAreDrawnAtTwiceTheirPlaceAndKeepThePlace) {
    ASSERT_EQ(kPictureScale, 2);
    ViewFixture ui;
    auto expectFits = [&](QWidget* widget, QSizeF logical, const char* what) {
        const QPixmap& picture = static_cast<PictureWidget*>(widget)->Picture();
        EXPECT_EQ(picture.devicePixelRatio(), kPictureScale) << what;
        EXPECT_EQ(picture.deviceIndependentSize(), logical) << what;
        EXPECT_EQ(QSizeF(picture.size()), logical * kPictureScale) << what;
    };
    auto expectTrueSize = [&](QWidget* widget, const char* what) {
        const QPixmap& picture = static_cast<PictureWidget*>(widget)->Picture();
        EXPECT_EQ(picture.devicePixelRatio(), 1) << what;
        EXPECT_EQ(picture.size(), widget->size()) << what;
    };
    expectFits(ui.Card(0), QSizeF(49, 73), "a card back at start");
    // The window's own pictures come drawn at the size a screen at 100 percent shows.
    expectTrueSize(ui.Control("imgGame"), "the board picture at start");
    // The player panel's picture is decoded when the panel first shows.
    EXPECT_TRUE(static_cast<PictureWidget*>(ui.Control("imgPlayer"))->Picture().isNull());

    ui.Press("cmdNew");
    expectTrueSize(ui.Control("imgPlayer"), "the player panel picture");
    ui.Press("cmdDone");
    // At 100 percent the new game's photograph is decoded at the size shown.
    const QPixmap& photo = static_cast<PictureWidget*>(ui.Control("imgGame"))->Picture();
    EXPECT_EQ(photo.devicePixelRatio(), 1);
    EXPECT_EQ(photo.size(), QSize(569, 409));
    ui.ClickCard(0);
    ASSERT_NE(ui.form.imgCard[0].file, kCardBackFile);
    expectFits(ui.Card(0), QSizeF(ui.Card(0)->size()), "a card face");
    EXPECT_EQ(PictureFile(kCardBackFile).size(), QSize(98, 146));
    EXPECT_EQ(PictureFile(kTrophyFile).size(), QSize(200, 260));
}

TEST(Hidpi, AtTwoHundredPercentACardShowsEveryPixelOfItsFile) {
    ViewFixture ui;
    ui.Press("cmdNew");
    ui.Press("cmdDone");
    ui.ClickCard(14);
    const QImage face = PictureFile(ui.form.imgCard[14].file);
    const QImage back = PictureFile(kCardBackFile);
    ASSERT_FALSE(face.isNull());

    const QRect faceAt(ui.Card(14)->mapTo(&ui.view, QPoint(0, 0)), ui.Card(14)->size());
    const QRect backAt(ui.Card(0)->mapTo(&ui.view, QPoint(0, 0)), ui.Card(0)->size());
    const QImage sharp = RenderAt(ui.view, 2);
    auto device = [](const QRect& r) { return QRect(r.topLeft() * 2, r.size() * 2); };
    EXPECT_EQ(LargestDifference(sharp.copy(device(faceAt)), face), 0);
    EXPECT_EQ(LargestDifference(sharp.copy(device(backAt)), back), 0);

    // At 100 percent the same places hold the pictures scaled down smoothly.
    const QImage plain = RenderAt(ui.view, 1);
    const QImage smallFace = face.scaled(face.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LE(LargestDifference(plain.copy(faceAt), smallFace), 8);
}

TEST(Hidpi, WindowIconsKeepTheSizesTheirNamesGive) {
    ViewFixture ui;
    const QIcon icon = ui.view.windowIcon();
    QList<QSize> sizes = icon.availableSizes();
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    EXPECT_EQ(sizes, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage file(QStringLiteral(":/layout/icon-%1.png").arg(size));
        EXPECT_EQ(file.size(), QSize(size, size));
    }
    // The help window's ornament comes at both sizes.
    const QImage ornament(QStringLiteral(":/layout/Ornament.png"));
    const QImage sharpOrnament(QStringLiteral(":/layout/Ornament@2x.png"));
    EXPECT_EQ(ornament.size(), QSize(121, 329));
    EXPECT_EQ(sharpOrnament.size(), QSize(242, 658));
    EXPECT_EQ(sharpOrnament.devicePixelRatio(), 2);
}

// On a screen scaled to 200 percent every picture shows each pixel it was drawn with.
TEST(SharpScreen, EveryPictureIsShownAtTwiceItsPlace) {
    ViewFixture ui;
    if (ui.view.devicePixelRatioF() != 2) GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
    auto expectSharp = [&](QWidget* widget, const char* what) {
        const QPixmap& picture = static_cast<PictureWidget*>(widget)->Picture();
        EXPECT_EQ(picture.devicePixelRatio(), 2) << what;
        EXPECT_EQ(picture.size(), widget->size() * 2) << what;
    };
    expectSharp(ui.Card(0), "a card back");
    expectSharp(ui.Control("imgGame"), "the board");
    ui.Press("cmdNew");
    expectSharp(ui.Control("imgPlayer"), "the player panel");
    ui.Press("cmdDone");
    expectSharp(ui.Control("imgGame"), "the photograph");
    ui.ClickCard(0);
    expectSharp(ui.Card(0), "a card face");
    EXPECT_EQ(ui.view.windowIcon().availableSizes().size(), 4);
}

}  // namespace
}  // namespace pairon
