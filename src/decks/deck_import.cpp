#include "decks/deck_import.h"

#include "decks/deck_store.h"
#include "files/image_format.h"

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

// A photo file read through the import: each piece is read only while the
// import goes on, so that stopping it ends the decoding of a large photo
// within a piece rather than after the whole photo.
class StoppableFile : public QIODevice {
public:
    StoppableFile(QIODevice& file, const std::atomic<bool>* cancelled) : file_(file), cancelled_(cancelled) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return false; }
    qint64 size() const override { return file_.size(); }
    bool seek(qint64 at) override { return QIODevice::seek(at) && file_.seek(at); }
    bool Stopped() const { return cancelled_ && cancelled_->load(std::memory_order_relaxed); }

protected:
    qint64 readData(char* data, qint64 most) override {
        if (Stopped()) return -1;
        return file_.read(data, most);
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QIODevice& file_;
    const std::atomic<bool>* cancelled_;
};

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

std::optional<CardPictures> FitPhotoToCard(QIODevice& source, PhotoFault* fault, const std::atomic<bool>* cancelled) {
    if (fault) *fault = PhotoFault::None;
    StoppableFile file(source, cancelled);
    auto refuse = [&](PhotoFault why) { return Refuse(fault, file.Stopped() ? PhotoFault::Cancelled : why); };
    if (!source.isOpen() || !file.seek(0)) return refuse(PhotoFault::Unreadable);
    const ImageFormat kind = ImageFormatOf(file.read(kImageFormatBytes));
    if (kind == ImageFormat::None) return refuse(PhotoFault::NotAPicture);
    const QByteArray format = QtFormatName(kind);
    if (!file.seek(0)) return refuse(PhotoFault::Unreadable);

    // The size and the orientation come from the header alone: a photo
    // that claims to be huge is refused before the rest of it is read.
    QSize size;
    QImageIOHandler::Transformations turn;
    {
        QImageReader header(&file, format);
        header.setAutoDetectImageFormat(false);
        size = header.size();
        turn = header.transformation();
    }
    if (!size.isValid() || size.isEmpty()) return refuse(PhotoFault::Damaged);
    if (size.width() > kLargestPhotoSide || size.height() > kLargestPhotoSide ||
        qint64{size.width()} * size.height() > kLargestPhotoPixels) {
        return refuse(PhotoFault::TooLarge);
    }
    // A JPEG is decoded at a reduced size; the other kinds are decoded whole
    // and must fit the allocation limit.
    const bool fitsDecoded = kind == ImageFormat::Jpeg ||
                             qint64{size.width()} * size.height() * 4 <= qint64{kPhotoAllocationLimitMB} << 20;
    if (!fitsDecoded) return refuse(PhotoFault::TooLarge);
    if (!file.seek(0) || !WholeImage(file, kind, kLargestPhotoSide)) return refuse(PhotoFault::Damaged);
    if (!file.seek(0)) return refuse(PhotoFault::Unreadable);

    QImageReader reader(&file, format);
    reader.setAutoDetectImageFormat(false);
    reader.setAllocationLimit(kPhotoAllocationLimitMB);
    // The crop and the size are those of the photo as it lies in the file;
    // the reader turns it upright afterwards.
    const bool turned = turn & QImageIOHandler::TransformationRotate90;
    const QSize card(kCardPictureWidth * kLargeCardFactor, kCardPictureHeight * kLargeCardFactor);
    const QSize inFile = turned ? card.transposed() : card;
    reader.setClipRect(MiddleOfShape(size, inFile));
    reader.setScaledSize(inFile);
    reader.setAutoTransform(true);
    // libjpeg's faster, less exact decoding: a photo shrunk to a card's size
    // keeps nothing of the difference.
    if (kind == ImageFormat::Jpeg) reader.setQuality(49);
    QImage photo;
    if (!reader.read(&photo) || photo.isNull()) {
        return refuse(PhotoFault::Damaged);
    }
    if (file.Stopped()) return refuse(PhotoFault::Cancelled);

    // Transparent parts show white, as on paper.
    CardPictures cards;
    cards.large = QImage(card, QImage::Format_RGB32);
    cards.large.fill(Qt::white);
    {
        QPainter painter(&cards.large);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(cards.large.rect(), photo);
    }
    cards.sharp = cards.large.scaled(kCardPictureWidth * kPictureScale, kCardPictureHeight * kPictureScale,
                                     Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    cards.normal = cards.sharp.scaled(kCardPictureWidth, kCardPictureHeight, Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
    return cards;
}

std::optional<CardPictures> FitPhotoToCard(const QByteArray& bytes, PhotoFault* fault) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return FitPhotoToCard(buffer, fault);
}

namespace {

// Opens a photo, unless it is no plain file, can't be read or is larger than
// any photo.
PhotoFault OpenPhotoFile(QFile& file) {
    const QFileInfo info(file.fileName());
    if (!info.isFile()) return PhotoFault::Unreadable;
    if (info.size() > kLargestPhotoFileBytes) return PhotoFault::TooLarge;
    if (!file.open(QIODevice::ReadOnly)) return PhotoFault::Unreadable;
    return PhotoFault::None;
}

// The name a picture reads as, from its file's name, unique in the deck and
// never mistaken for a copy at another size. A photo's name may fill all a
// file name can hold; the picture's is cut short, so that its copies' names
// still fit.
QString PictureName(const QString& fileName, const QStringList& used) {
    QString base = QFileInfo(fileName).completeBaseName();
    if (base.isEmpty()) base = fileName;
    while (QFile::encodeName(base).size() > kLongestPictureName) {
        base.chop(1);
        if (!base.isEmpty() && base.back().isHighSurrogate()) base.chop(1);
    }
    if (base.endsWith(QLatin1String("@2x")) || base.endsWith(QLatin1String("@6x"))) base += QLatin1Char('_');
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
    if (!error_.isEmpty() || finished_ || cancelled_ || next_ >= Count()) return false;
    const QString fileName = files_[next_++];
    QFile file(QDir(photoFolder_).filePath(fileName));
    PhotoFault fault = OpenPhotoFile(file);
    std::optional<CardPictures> cards;
    if (fault == PhotoFault::None) cards = FitPhotoToCard(file, &fault, &cancelled_);
    if (cancelled_) return false;
    if (!cards) {
        skipped_ << fileName;
        faults_ << fault;
        return true;
    }
    const QString name = PictureName(fileName, usedNames_);
    const QDir work(work_->path());
    if (!cards->normal.save(work.filePath(name + QStringLiteral(".bmp")), "BMP") ||
        !cards->sharp.save(work.filePath(name + QLatin1String(kSharpCopyEnd)), "BMP") ||
        !cards->large.save(work.filePath(name + QLatin1String(kLargeCopyEnd)), "BMP")) {
        error_ = QStringLiteral("could not write in %1").arg(work_->path());
        return false;
    }
    usedNames_ << name;
    ++imported_;
    return true;
}

bool DeckImport::Finish() {
    if (!error_.isEmpty() || cancelled_ || imported_ == 0) return false;
    if (QFileInfo::exists(finalPath_) || !QDir().rename(work_->path(), finalPath_)) {
        error_ = QStringLiteral("could not make %1").arg(finalPath_);
        return false;
    }
    work_->setAutoRemove(false);
    finished_ = true;
    return true;
}

}  // namespace pairon
