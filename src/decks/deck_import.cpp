#include "decks/deck_import.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdint>
#include <cstring>

namespace pairon {

namespace {

const unsigned char* Bytes(const QByteArray& bytes) { return reinterpret_cast<const unsigned char*>(bytes.constData()); }

std::uint32_t LittleEndian(const unsigned char* at, int width) {
    std::uint32_t value = 0;
    for (int k = width - 1; k >= 0; --k) value = (value << 8) | at[k];
    return value;
}

// A JPEG is whole when its segments and scans lead, one after the other, to
// the end-of-image marker. Qt's reader shows a photo cut short with grey
// rows where the data stopped, and no error. Walking the segments, rather
// than looking at the last bytes, passes over the preview inside the EXIF
// data and accepts what some phones append after the picture.
bool WholeJpeg(const QByteArray& bytes) {
    const unsigned char* d = Bytes(bytes);
    const qsizetype n = bytes.size();
    if (n < 4 || d[0] != 0xFF || d[1] != 0xD8) return false;
    qsizetype i = 2;
    bool inScan = false;
    while (i < n) {
        if (inScan) {
            // Entropy-coded data ends at the first marker other than a
            // stuffed zero or a restart.
            while (true) {
                const void* mark = std::memchr(d + i, 0xFF, static_cast<std::size_t>(n - i));
                if (!mark) return false;
                i = static_cast<const unsigned char*>(mark) - d;
                if (i + 1 >= n) return false;
                if (d[i + 1] != 0x00 && (d[i + 1] < 0xD0 || d[i + 1] > 0xD7)) break;
                ++i;
            }
            inScan = false;
        }
        if (d[i] != 0xFF) return false;
        while (i < n && d[i] == 0xFF) ++i;  // fill bytes
        if (i >= n) return false;
        const unsigned marker = d[i++];
        if (marker == 0xD9) return true;
        if ((marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) continue;
        if (marker == 0xD8 || marker == 0x00) return false;
        if (i + 1 >= n) return false;
        const qsizetype length = (qsizetype{d[i]} << 8) | d[i + 1];
        if (length < 2) return false;
        i += length;
        if (i > n) return false;
        if (marker == 0xDA) inScan = true;
    }
    return false;
}

std::uint32_t BigEndian(const unsigned char* at) {
    return (std::uint32_t{at[0]} << 24) | (std::uint32_t{at[1]} << 16) | (std::uint32_t{at[2]} << 8) | at[3];
}

// A PNG is whole when its chunks, each within the file, lead to its IEND
// chunk. libpng reads one cut short as far as it goes, and sets aside the
// memory a chunk's length claims before it reads the chunk: a text chunk of
// a few bytes claiming 1.3 GB asked for all of it.
bool WholePng(const QByteArray& bytes) {
    const unsigned char* d = Bytes(bytes);
    const qsizetype n = bytes.size();
    qsizetype i = 8;
    while (i + 12 <= n) {
        const qsizetype length = BigEndian(d + i);
        if (length > n - i - 12) return false;
        if (std::memcmp(d + i + 4, "IEND", 4) == 0) return true;
        i += 12 + length;
    }
    return false;
}

// A bitmap holds every row its header announces, in a layout Qt's reader
// knows. Run-length bitmaps are refused: Qt's reader leaves the pixels they
// skip as whatever the memory held.
bool WholeBitmap(const QByteArray& bytes) {
    if (bytes.size() < 26) return false;
    const unsigned char* d = Bytes(bytes);
    const std::uint32_t pixelsAt = LittleEndian(d + 10, 4);
    const std::uint32_t headerSize = LittleEndian(d + 14, 4);
    std::int64_t width = 0, height = 0;
    std::uint32_t bits = 0, compression = 0;
    if (headerSize == 12) {
        width = static_cast<std::int16_t>(LittleEndian(d + 18, 2));
        height = static_cast<std::int16_t>(LittleEndian(d + 20, 2));
        bits = LittleEndian(d + 24, 2);
    } else {
        if (headerSize != 40 && headerSize != 64 && headerSize != 108 && headerSize != 124) return false;
        if (bytes.size() < 14 + std::int64_t{headerSize}) return false;
        width = static_cast<std::int32_t>(LittleEndian(d + 18, 4));
        height = static_cast<std::int32_t>(LittleEndian(d + 22, 4));
        bits = LittleEndian(d + 28, 2);
        compression = LittleEndian(d + 30, 4);
    }
    if (height < 0) height = -height;
    if (width <= 0 || height <= 0 || width > kLargestPhotoSide || height > kLargestPhotoSide) return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
    if (compression != 0 && compression != 3) return false;
    const std::int64_t rows = (width * bits + 31) / 32 * 4 * height;
    return pixelsAt >= 14 + headerSize && std::int64_t{pixelsAt} + rows <= bytes.size();
}

QByteArray FormatOf(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xD8\xFF")) return "jpeg";
    if (bytes.startsWith("\x89PNG\r\n\x1A\n")) return "png";
    if (bytes.startsWith("BM")) return "bmp";
    return {};
}

std::optional<CardPictures> Refuse(PhotoFault* fault, PhotoFault why) {
    if (fault) *fault = why;
    return std::nullopt;
}

// The largest rectangle of the card's shape in the middle of a picture.
QRect MiddleOfShape(QSize picture, QSize shape) {
    const qint64 w = picture.width(), h = picture.height();
    if (w * shape.height() > h * shape.width()) {
        const int width = static_cast<int>(std::max<qint64>(1, h * shape.width() / shape.height()));
        return {static_cast<int>((w - width) / 2), 0, width, static_cast<int>(h)};
    }
    const int height = static_cast<int>(std::max<qint64>(1, w * shape.height() / shape.width()));
    return {0, static_cast<int>((h - height) / 2), static_cast<int>(w), height};
}

}  // namespace

bool IsPhotoName(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg") || suffix == QLatin1String("png") ||
           suffix == QLatin1String("bmp");
}

std::optional<CardPictures> FitPhotoToCard(const QByteArray& bytes, PhotoFault* fault) {
    if (fault) *fault = PhotoFault::None;
    const QByteArray format = FormatOf(bytes);
    if (format.isEmpty()) return Refuse(fault, PhotoFault::NotAPicture);
    const bool whole = format == "jpeg" ? WholeJpeg(bytes) : format == "png" ? WholePng(bytes) : WholeBitmap(bytes);
    if (!whole) return Refuse(fault, PhotoFault::Damaged);

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    reader.setAllocationLimit(kPhotoAllocationLimitMB);
    // The size and the orientation come from the header alone: a photo
    // that claims to be huge is refused before anything is decoded.
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) return Refuse(fault, PhotoFault::Damaged);
    if (size.width() > kLargestPhotoSide || size.height() > kLargestPhotoSide ||
        qint64{size.width()} * size.height() > kLargestPhotoPixels) {
        return Refuse(fault, PhotoFault::TooLarge);
    }
    // The crop and the size are those of the photo as it lies in the file;
    // the reader turns it upright afterwards.
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize card(kCardPictureWidth * kSharpCardFactor, kCardPictureHeight * kSharpCardFactor);
    const QSize inFile = turned ? card.transposed() : card;
    reader.setClipRect(MiddleOfShape(size, inFile));
    reader.setScaledSize(inFile);
    reader.setAutoTransform(true);
    // libjpeg's faster, less exact decoding: a photo shrunk to a card's size
    // keeps nothing of the difference.
    if (format == "jpeg") reader.setQuality(49);
    QImage photo;
    if (!reader.read(&photo) || photo.isNull()) {
        return Refuse(fault, reader.error() == QImageReader::InvalidDataError &&
                                     qint64{size.width()} * size.height() * 4 > qint64{kPhotoAllocationLimitMB} << 20
                                 ? PhotoFault::TooLarge
                                 : PhotoFault::Damaged);
    }

    // Transparent parts show white, as on paper.
    CardPictures cards;
    cards.sharp = QImage(card, QImage::Format_RGB32);
    cards.sharp.fill(Qt::white);
    {
        QPainter painter(&cards.sharp);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(cards.sharp.rect(), photo);
    }
    cards.normal = cards.sharp.scaled(kCardPictureWidth, kCardPictureHeight, Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
    return cards;
}

namespace {

// The whole file, unless it is no plain file, can't be read or is larger
// than any photo.
PhotoFault ReadPhotoFile(const QString& path, QByteArray& bytes) {
    const QFileInfo info(path);
    if (!info.isFile()) return PhotoFault::Unreadable;
    if (info.size() > kLargestPhotoFileBytes) return PhotoFault::TooLarge;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return PhotoFault::Unreadable;
    bytes = file.read(kLargestPhotoFileBytes + 1);
    if (file.error() != QFileDevice::NoError) return PhotoFault::Unreadable;
    if (bytes.size() > kLargestPhotoFileBytes) return PhotoFault::TooLarge;
    return PhotoFault::None;
}

// The name a picture reads as, from its file's name, unique in the deck and
// never mistaken for a sharp copy.
QString PictureName(const QString& fileName, const QStringList& used) {
    QString base = QFileInfo(fileName).completeBaseName();
    if (base.isEmpty()) base = fileName;
    if (base.endsWith(QLatin1String("@2x"))) base += QLatin1Char('_');
    QString name = base;
    for (int k = 2; used.contains(name); ++k) name = QStringLiteral("%1 (%2)").arg(base).arg(k);
    return name;
}

}  // namespace

DeckImport::DeckImport(const QString& photoFolder, const QString& decksFolder, const QString& name)
    : photoFolder_(photoFolder), finalPath_(QDir(decksFolder).filePath(name)) {
    // Every entry whose name says picture, folders included: a folder named
    // like a photo is told as one that could not be read.
    const QDir folder(photoFolder);
    for (const QFileInfo& entry : folder.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                                                       QDir::Name | QDir::IgnoreCase)) {
        if (IsPhotoName(entry.fileName())) files_ << entry.fileName();
    }
    QDir().mkpath(decksFolder);
    work_ = std::make_unique<QTemporaryDir>(QDir(decksFolder).filePath(QStringLiteral(".import-XXXXXX")));
    if (!work_->isValid()) error_ = work_->errorString();
}

DeckImport::~DeckImport() = default;

bool DeckImport::Step() {
    if (!error_.isEmpty() || finished_ || next_ >= Count()) return false;
    const QString fileName = files_[next_++];
    QByteArray bytes;
    PhotoFault fault = ReadPhotoFile(QDir(photoFolder_).filePath(fileName), bytes);
    std::optional<CardPictures> cards;
    if (fault == PhotoFault::None) cards = FitPhotoToCard(bytes, &fault);
    bytes = {};
    if (!cards) {
        skipped_ << fileName;
        faults_ << fault;
        return true;
    }
    const QString name = PictureName(fileName, usedNames_);
    const QDir work(work_->path());
    if (!cards->normal.save(work.filePath(name + QStringLiteral(".bmp")), "BMP") ||
        !cards->sharp.save(work.filePath(name + QStringLiteral("@2x.bmp")), "BMP")) {
        error_ = QStringLiteral("could not write in %1").arg(work_->path());
        return false;
    }
    usedNames_ << name;
    ++imported_;
    return true;
}

bool DeckImport::Finish() {
    if (!error_.isEmpty() || imported_ == 0) return false;
    if (QFileInfo::exists(finalPath_) || !QDir().rename(work_->path(), finalPath_)) {
        error_ = QStringLiteral("could not make %1").arg(finalPath_);
        return false;
    }
    work_->setAutoRemove(false);
    finished_ = true;
    return true;
}

}  // namespace pairon
