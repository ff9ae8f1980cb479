#pragma once

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QTemporaryDir;

namespace pairon {

// A card's picture size on a screen at 100 percent, and the factor of the
// copy drawn for a sharp screen.
inline constexpr int kCardPictureWidth = 49;
inline constexpr int kCardPictureHeight = 73;
inline constexpr int kSharpCardFactor = 2;

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
    QImage sharp;   // kSharpCardFactor times that
};

// Why a file gave no card picture.
enum class PhotoFault { None, NotAPicture, Damaged, TooLarge, Unreadable };

// Reads a JPEG, PNG or bitmap from its bytes, whatever its name says, turns it
// upright by its EXIF orientation, crops the middle of it to the card's shape
// and draws it at the card's two sizes. Anything else, a file cut short, or a
// picture larger than the limits above gives nothing and says why.
std::optional<CardPictures> FitPhotoToCard(const QByteArray& bytes, PhotoFault* fault = nullptr);

// Whether a file's name says it is a picture a deck can be made from.
bool IsPhotoName(const QString& fileName);

// One import of a folder of photos into a new deck, a photo at a time, so
// a window can show how far it has come and stop it between two photos.
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

    // Reads the next photo; false when none is left or the deck's folder
    // can't be written (Error() says so).
    bool Step();

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
    QStringList skipped_;
    QList<PhotoFault> faults_;
    QString error_;
};

}  // namespace pairon
