#pragma once

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <optional>

#include "pictures/picture_files.h"

class QIODevice;
class QTemporaryDir;

namespace pairon {

// A card's picture size on a screen at 100 percent, and the factor of the
// copy drawn for the largest window (the copy for a sharp screen is drawn at
// kPictureScale, as the game's own pictures are).
//
// A card is drawn at the window's zoom times the screen's own scale. The
// zoom keys go up to 300 percent and desktops are set to 100 or 200 percent,
// so a 300 percent window on a 200 percent desktop draws a card six times
// its size, 294 x 438 pixels, and so does a maximised window on a screen of
// about 3500 pixels' height at 100 percent. A 6x copy keeps every card sharp
// up to there; only a window maximised on a screen larger still (an 8K
// screen at 100 percent draws at 7.4x) enlarges it, by at most a quarter.
// Beyond 6x the copy would cost each photo more time and room than what it
// adds: at 6x it is 387 kB on disk, and 12-megapixel photos are decoded at a
// quarter of their size to make it, where a 2x copy needed an eighth.
inline constexpr int kCardPictureWidth = 49;
inline constexpr int kCardPictureHeight = 73;
inline constexpr int kLargeCardFactor = 6;

// The largest photo read: a side of 30000 pixels and 100 million pixels in
// all. A JPEG is decoded at about the card's size, whatever its own; the
// other kinds are decoded whole, within Qt's allocation limit below: 64 MB
// holds a 12-megapixel photo saved as a PNG (48 MB) and keeps the import's
// peak memory under 150 MB whatever the folder holds.
inline constexpr int kLargestPhotoSide = 30000;
inline constexpr qint64 kLargestPhotoPixels = 100'000'000;
inline constexpr int kPhotoAllocationLimitMB = 64;
inline constexpr qint64 kLargestPhotoFileBytes = 256ll * 1024 * 1024;

// A photo fitted to a card: upright, centre-cropped to the card's shape.
struct CardPictures {
    QImage normal;  // kCardPictureWidth x kCardPictureHeight
    QImage sharp;   // kPictureScale times that
    QImage large;   // kLargeCardFactor times that
};

// Why a file gave no card picture; Cancelled when the import was stopped
// while it was read.
enum class PhotoFault { None, NotAPicture, Damaged, TooLarge, Unreadable, Cancelled };

// Reads a JPEG, PNG or bitmap from a file, whatever its name says, turns it
// upright by its EXIF orientation, crops the middle of it to the card's shape
// and draws it at the card's three sizes. Anything else, a file cut short, or
// a picture larger than the limits above gives nothing and says why. The kind
// of picture and its size are read from its header before anything else;
// the file is then read a piece at a time, never whole, and `cancelled`
// stops the reading between two pieces.
std::optional<CardPictures> FitPhotoToCard(QIODevice& file, PhotoFault* fault = nullptr,
                                           const std::atomic<bool>* cancelled = nullptr);
// The same from a file's bytes.
std::optional<CardPictures> FitPhotoToCard(const QByteArray& bytes, PhotoFault* fault = nullptr);

// Whether a file's name says it is a picture a deck can be made from.
bool IsPhotoName(const QString& fileName);

// One import of a folder of photos into a new deck, a photo at a time, so
// a window can show how far it has come. The photos can be read on another
// thread than the one that made the import; Cancel() stops it from any
// thread, within the photo being read.
// The deck is built in a hidden folder beside the others and takes its name
// only when every photo has been read: a cancelled or failed import leaves
// nothing behind.
class DeckImport {
public:
    // `decksFolder` holds the decks; `name` must be free there (see
    // DeckStore::FreeName).
    DeckImport(const QString& photoFolder, const QString& decksFolder, const QString& name);
    ~DeckImport();  // removes the unfinished deck, if any
    DeckImport(const DeckImport&) = delete;
    DeckImport& operator=(const DeckImport&) = delete;

    // The files that count, by name; what else the folder holds is passed over.
    int Count() const { return static_cast<int>(files_.size()); }
    int Done() const { return next_; }

    // Reads the next photo; false when none is left, the import was
    // cancelled, or the deck's folder can't be written (Error() says so).
    bool Step();

    // Stops the import: the photo being read is given up, Step() reads no
    // more and Finish() makes no deck. Safe from any thread.
    void Cancel() { cancelled_ = true; }
    bool Cancelled() const { return cancelled_; }

    // Gives the deck its name. False, leaving nothing behind, when no photo
    // made a card or the folder can't be written.
    bool Finish();

    int Imported() const { return imported_; }
    // Every file that counted but could not be read, by name, with its fault.
    const QStringList& Skipped() const { return skipped_; }
    const QList<PhotoFault>& SkippedFaults() const { return faults_; }
    const QString& Error() const { return error_; }

private:
    QString photoFolder_;
    QString finalPath_;
    std::unique_ptr<QTemporaryDir> work_;
    QStringList files_;
    QStringList usedNames_;
    int next_ = 0;
    int imported_ = 0;
    bool finished_ = false;
    std::atomic<bool> cancelled_ = false;
    QStringList skipped_;
    QList<PhotoFault> faults_;
    QString error_;
};

}  // namespace pairon
