// Making a deck of a folder of photos: the good ones become card pictures,
// upright and cut to the card's shape; bad ones are named once and never
// stop the rest; a cancelled import leaves nothing behind.

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QProgressDialog>
#include <QPushButton>
#include <QSemaphore>
#include <QTimer>
#include <atomic>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <cstring>
#include <optional>
#include <tuple>

#include "decks/deck_import.h"
#include "decks/deck_store.h"
#include "desktop/decks/deck_import_dialog.h"

namespace pairon {
namespace {

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Encoded(const QImage& image, const char* format,
                   QImageIOHandler::Transformations turn = QImageIOHandler::TransformationNone) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setTransformation(turn);
    writer.write(image);
    return bytes;
}

// A picture in three upright bands of colour, left to right.
QImage Bands(int width, int height, QColor left, QColor middle, QColor right) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int x = 0; x < width; ++x) {
        const QColor c = x < width / 4 ? left : x < width * 3 / 4 ? middle : right;
        for (int y = 0; y < height; ++y) image.setPixelColor(x, y, c);
    }
    return image;
}

bool Near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 && std::abs(a.blue() - b.blue()) < 40;
}

void PutBigEndian(QByteArray& bytes, int at, quint32 value) {
    for (int k = 0; k < 4; ++k) bytes[at + k] = static_cast<char>(value >> (24 - 8 * k));
}

// A PNG whose header claims `width` x `height` pixels, checksum and all, with
// the data of a tiny picture.
QByteArray PngClaiming(quint32 width, quint32 height) {
    QByteArray png = Encoded(QImage(4, 4, QImage::Format_RGB32), "png");
    PutBigEndian(png, 16, width);
    PutBigEndian(png, 20, height);
    quint32 crc = 0xFFFFFFFFu;
    for (int k = 12; k < 29; ++k) {
        crc ^= static_cast<unsigned char>(png[k]);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    PutBigEndian(png, 29, ~crc);
    return png;
}

TEST(DeckImport, GoodPhotosBecomeCardsAndBadFilesAreNamedOnce) {
    QTemporaryDir photos, data;
    const QString in = photos.path();
    const QColor red(220, 20, 20), green(20, 200, 20), blue(20, 20, 220);
    // A wide photo: its middle is cut out, the sides fall away.
    Write(in + "/Wide.jpg", Encoded(Bands(1200, 300, green, red, green), "jpeg"));
    // A photo taken with the phone on its side: the file holds it lying
    // down, its EXIF data says to turn it a quarter to the right.
    QImage lying(300, 200, QImage::Format_RGB32);
    lying.fill(blue);
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 150; ++x) lying.setPixelColor(x, y, red);
    }
    Write(in + "/Turned.JPEG", Encoded(lying, "jpeg", QImageIOHandler::TransformationRotate90));
    QImage clear(60, 90, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    Write(in + "/Clear.png", Encoded(clear, "png"));
    Write(in + "/Plain.bmp", Encoded(Bands(98, 146, blue, blue, blue), "bmp"));
    Write(in + "/Grandma.jpg", Encoded(Bands(40, 60, red, red, red), "jpeg"));
    Write(in + "/Grandma.png", Encoded(Bands(40, 60, green, green, green), "png"));

    // What is not a picture by its name is passed over in silence.
    Write(in + "/notes.txt", "not a picture");
    Write(in + "/movie.mp4", "\x00\x00\x00\x18" "ftypmp42");
    // What says picture but can't be read is named in the report.
    const QByteArray jpeg = Encoded(Bands(800, 600, red, green, blue), "jpeg");
    Write(in + "/Truncated.jpg", jpeg.left(jpeg.size() / 2));
    Write(in + "/Empty.jpg", "");
    Write(in + "/Text.png", "This is a note, not a picture.\n");
    Write(in + "/Huge.png", PngClaiming(100000, 100000));
    Write(in + "/Nothing.bmp", "");
    ASSERT_TRUE(QDir(in).mkdir("Folder.jpg"));

    DeckStore store(data.path() + "/decks");
    const QString name = store.FreeName(QDir(in).dirName());
    {
        DeckImport import(in, store.Folder(), name);
        EXPECT_EQ(import.Count(), 12);
        while (import.Step()) {
        }
        EXPECT_EQ(import.Done(), 12);
        EXPECT_TRUE(import.Error().isEmpty()) << import.Error().toStdString();
        ASSERT_TRUE(import.Finish());
        EXPECT_EQ(import.Imported(), 6);
        QStringList skipped = import.Skipped();
        skipped.sort();
        EXPECT_EQ(skipped, QStringList({"Empty.jpg", "Folder.jpg", "Huge.png", "Nothing.bmp", "Text.png", "Truncated.jpg"}));
        EXPECT_EQ(import.SkippedFaults()[import.Skipped().indexOf("Huge.png")], PhotoFault::TooLarge);
        EXPECT_EQ(import.SkippedFaults()[import.Skipped().indexOf("Text.png")], PhotoFault::NotAPicture);
    }

    // The deck is there under its name, with a picture for each photo at
    // both sizes and nothing half made beside it.
    EXPECT_EQ(store.Names(), QStringList{name});
    EXPECT_EQ(QDir(store.Folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{name});
    const std::vector<DeckPicture> pictures = store.Pictures(name);
    ASSERT_EQ(pictures.size(), 6u);
    QStringList names;
    for (const DeckPicture& p : pictures) {
        names << QString::fromStdString(p.name);
        const QImage normal(QString::fromStdString(p.normalPath)), sharp(QString::fromStdString(p.sharpPath));
        EXPECT_EQ(normal.size(), QSize(49, 73)) << p.name;
        EXPECT_EQ(sharp.size(), QSize(98, 146)) << p.name;
        // Sharp at 300 percent on a screen at 200 percent.
        EXPECT_EQ(QImage(QString::fromStdString(p.largePath)).size(), QSize(294, 438)) << p.name;
    }
    EXPECT_EQ(names, QStringList({"Clear", "Grandma (2)", "Grandma", "Plain", "Turned", "Wide"}));

    auto sharp = [&](const char* picture) {
        for (const DeckPicture& p : pictures) {
            if (p.name == picture) return QImage(QString::fromStdString(p.sharpPath));
        }
        return QImage();
    };
    // Only the red middle of the wide photo shows, edge to edge.
    const QImage wide = sharp("Wide");
    for (const QPoint at : {QPoint(2, 2), QPoint(95, 73), QPoint(49, 143)}) {
        EXPECT_TRUE(Near(wide.pixelColor(at), red)) << at.x() << "," << at.y();
    }
    // Turned upright: what was the left half, red, is now the top.
    const QImage turned = sharp("Turned");
    EXPECT_TRUE(Near(turned.pixelColor(49, 10), red));
    EXPECT_TRUE(Near(turned.pixelColor(49, 136), blue));
    // A transparent picture shows white.
    EXPECT_EQ(sharp("Clear").pixelColor(10, 10), QColor(Qt::white));

    // A second deck of the same folder gets a name of its own.
    EXPECT_EQ(store.FreeName(name), name + " (2)");
    EXPECT_EQ(store.FreeName("Standard"), "Standard (2)");
    EXPECT_EQ(store.FreeName(".hidden"), "hidden");
}

// A JPEG with the EXIF orientation `orientation` (1 to 8) in an APP1
// segment right after its start, as a camera writes it.
QByteArray WithExifOrientation(QByteArray jpeg, int orientation) {
    QByteArray exif("Exif\0\0", 6);
    exif += QByteArray("II*\0\x08\0\0\0", 8);                     // little-endian TIFF, first IFD at 8
    exif += QByteArray("\x01\0", 2);                                  // one entry
    exif += QByteArray("\x12\x01\x03\0\x01\0\0\0", 8);            // Orientation, SHORT, one value
    exif += static_cast<char>(orientation);
    exif += QByteArray("\0\0\0", 3);
    exif += QByteArray("\0\0\0\0", 4);                              // no next IFD
    QByteArray segment("\xFF\xE1", 2);
    segment += static_cast<char>((exif.size() + 2) >> 8);
    segment += static_cast<char>((exif.size() + 2) & 0xFF);
    return jpeg.insert(2, segment + exif);
}

// Where a point of a photo shown upright lies in its file, both as shares of
// the width and height, for each EXIF orientation: 1 as it lies, 2 mirrored,
// 3 turned half round, 4 flipped, 5 transposed, 6 turned a quarter
// clockwise, 7 transversed, 8 turned a quarter anticlockwise.
QPointF InFile(QPointF shown, int orientation) {
    const double p = shown.x(), q = shown.y();
    switch (orientation) {
        case 2: return {1 - p, q};
        case 3: return {1 - p, 1 - q};
        case 4: return {p, 1 - q};
        case 5: return {q, p};
        case 6: return {q, 1 - p};
        case 7: return {1 - q, 1 - p};
        case 8: return {1 - q, p};
        default: return {p, q};
    }
}

TEST(DeckImport, EveryExifOrientationEndsUprightAndCutToTheCard) {
    // A photo whose red grows from left to right and green from top to
    // bottom, so that each point of a card tells where in the file it came
    // from; wider than a card as it lies in the file, and about a card's
    // shape once turned a quarter.
    constexpr int kWidth = 360, kHeight = 240;
    QImage photo(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            photo.setPixel(x, y, qRgb(255 * (2 * x + 1) / (2 * kWidth), 255 * (2 * y + 1) / (2 * kHeight), 128));
        }
    }
    const QByteArray plain = Encoded(photo, "jpeg");
    const double card = 49.0 / 73.0;
    for (int orientation = 1; orientation <= 8; ++orientation) {
        // The photo upright, and the middle of it that has the card's shape.
        const QSizeF upright = orientation >= 5 ? QSizeF(kHeight, kWidth) : QSizeF(kWidth, kHeight);
        const double shownWidth = std::min(1.0, upright.height() * card / upright.width());
        const double shownHeight = std::min(1.0, upright.width() / card / upright.height());
        PhotoFault fault = PhotoFault::None;
        const std::optional<CardPictures> cards = FitPhotoToCard(WithExifOrientation(plain, orientation), &fault);
        ASSERT_TRUE(cards) << "orientation " << orientation;
        for (const QImage& picture : {cards->normal, cards->sharp, cards->large}) {
            for (const double u : {0.1, 0.5, 0.9}) {
                for (const double v : {0.1, 0.5, 0.9}) {
                    const QPointF from = InFile({0.5 + (u - 0.5) * shownWidth, 0.5 + (v - 0.5) * shownHeight}, orientation);
                    const QColor got = picture.pixelColor(static_cast<int>(u * picture.width()),
                                                          static_cast<int>(v * picture.height()));
                    EXPECT_NEAR(got.red(), 255 * from.x(), 24)
                        << "orientation " << orientation << " at " << u << "," << v << " of " << picture.width();
                    EXPECT_NEAR(got.green(), 255 * from.y(), 24)
                        << "orientation " << orientation << " at " << u << "," << v << " of " << picture.width();
                }
            }
        }
    }
}

TEST(DeckImport, ACancelledOrFruitlessImportLeavesNothingBehind) {
    QTemporaryDir photos, data;
    for (int k = 0; k < 5; ++k) {
        Write(photos.path() + QStringLiteral("/%1.jpg").arg(k), Encoded(Bands(300, 200, Qt::red, Qt::green, Qt::blue), "jpeg"));
    }
    Write(photos.path() + "/broken.png", "\x89PNG\r\n\x1A\n");
    DeckStore store(data.path() + "/decks");
    {
        DeckImport cancelled(photos.path(), store.Folder(), "Cancelled");
        EXPECT_TRUE(cancelled.Step());
        EXPECT_TRUE(cancelled.Step());
        EXPECT_EQ(cancelled.Imported(), 2);
    }  // the player pressed Cancel: the import ends unfinished
    EXPECT_TRUE(store.Names().isEmpty());
    EXPECT_TRUE(QDir(store.Folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());

    QTemporaryDir nothing;
    Write(nothing.path() + "/only.jpg", "not really");
    {
        DeckImport fruitless(nothing.path(), store.Folder(), "Nothing");
        while (fruitless.Step()) {
        }
        EXPECT_FALSE(fruitless.Finish());
        EXPECT_EQ(fruitless.Skipped(), QStringList{"only.jpg"});
    }
    EXPECT_TRUE(QDir(store.Folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

TEST(DeckImport, EveryTypedNameBecomesADeckTheListShows) {
    QTemporaryDir photos, data;
    const QImage photo = Bands(300, 200, Qt::red, Qt::green, Qt::blue);
    Write(photos.path() + "/Dog.jpg", Encoded(photo, "jpeg"));
    // Photos whose names fill all a file name can hold, in bytes.
    Write(photos.path() + "/" + QString(251, 'p') + ".jpg", Encoded(photo, "jpeg"));
    Write(photos.path() + "/" + QString(125, QChar(0x00E9)) + ".png", Encoded(photo, "png"));
    DeckStore store(data.path() + "/decks");
    QStringList made;
    for (const QString& typed : QStringList{". .x", ". .", "..", ".", " . .hidden", "a/b", "tab\there\nand a line", "Standard", "x",
                                 "x", QString(60, QChar(0x20AC)), QString(60, QChar(0x20AC))}) {
        ASSERT_FALSE(DeckStore::NameTooLong(typed));
        const QString name = store.FreeName(typed);
        DeckImport import(photos.path(), store.Folder(), name);
        while (import.Step()) {
        }
        ASSERT_TRUE(import.Finish()) << typed.toStdString() << " as " << name.toStdString() << ": "
                                     << import.Error().toStdString();
        EXPECT_EQ(import.Imported(), 3) << typed.toStdString();
        made << name;
        EXPECT_TRUE(store.Names().contains(name)) << typed.toStdString() << " as " << name.toStdString();
        EXPECT_EQ(store.Pictures(name).size(), 3u) << typed.toStdString();
    }
    EXPECT_EQ(made.mid(0, 10), QStringList({"x", "Pictures", "Pictures (2)", "Pictures (3)", "hidden", "a-b",
                                             "tab here and a line", "Standard (2)", "x (2)", "x (3)"}));
    made.sort(Qt::CaseInsensitive);
    EXPECT_EQ(store.Names(), made);
    // Nothing hidden was made beside them, and the decks' folder holds only them.
    EXPECT_EQ(QDir(store.Folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), made.size());
    EXPECT_TRUE(DeckStore::NameTooLong(QString(61, 'x')));
    EXPECT_FALSE(DeckStore::NameTooLong(QString(60, 'x') + "  "));
}

TEST(DeckImport, TheWindowAnswersWhileAPhotoIsReadAndCancelStopsItLeavingNothing) {
    QTemporaryDir photos, data;
    for (int k = 0; k < 4; ++k) {
        Write(photos.path() + QStringLiteral("/%1.jpg").arg(k), Encoded(Bands(300, 200, Qt::red, Qt::green, Qt::blue), "jpeg"));
    }
    DeckStore store(data.path() + "/decks");
    // The import is held before its second photo, as if it were a long one;
    // meanwhile the window's own timers go on, and Cancel is pressed.
    std::atomic<bool> holding = false;
    std::atomic<int> reached = -1;
    QSemaphore release;
    bool answered = false;
    QTimer window;
    window.setInterval(0);
    QObject::connect(&window, &QTimer::timeout, [&] {
        if (!holding || answered) return;
        answered = true;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* progress = qobject_cast<QProgressDialog*>(widget);
            if (auto* cancel = progress ? progress->findChild<QPushButton*>() : nullptr) cancel->click();
        }
        release.release();
    });
    window.start();
    QStringList told;
    const std::optional<QString> made = RunDeckImport(
        nullptr, store, photos.path(), "Held", [&](const QString& text) { told << text; },
        [&](int photo) {
            reached = photo;
            if (photo != 1) return;
            holding = true;
            release.tryAcquire(1, 5000);
            holding = false;
        });
    window.stop();
    EXPECT_TRUE(answered) << "the window did not answer while a photo was read";
    EXPECT_FALSE(made);
    EXPECT_TRUE(told.isEmpty()) << told.join('\n').toStdString();
    EXPECT_EQ(reached, 1) << "a photo was read after Cancel";
    EXPECT_TRUE(store.Names().isEmpty());
    EXPECT_TRUE(QDir(store.Folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

}  // namespace
}  // namespace pairon
