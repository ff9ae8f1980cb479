#include "files/picture_loader.h"

#include "files/image_format.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QResource>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <utility>

namespace pairon {

namespace {

// The game's own bitmaps are plain 24-bit rows; turning those into an image
// directly takes a fraction of the time Qt's general reader needs, and the
// board loads up to fifty of them at a time.
QImage DecodePlainBitmap(const QByteArray& bytes, const BitmapHeader& h) {
    const auto width = static_cast<int>(h.width);
    const auto height = static_cast<int>(h.height);
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return image;
    const std::int64_t rowBytes = (h.width * 24 + 31) / 32 * 4;
    const auto* pixels = reinterpret_cast<const unsigned char*>(bytes.constData()) + h.pixelsAt;
    for (int y = 0; y < height; ++y) {
        const unsigned char* source = pixels + rowBytes * (h.topDown ? y : height - 1 - y);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x, source += 3) line[x] = qRgb(source[2], source[1], source[0]);
    }
    return image;
}

// The whole file, or false if it can't be read (a folder, say) or is larger
// than any picture could be. A file of exactly the largest size is read: one
// byte beyond it is what tells the two apart.
bool ReadWholeFile(const QString& path, QByteArray& bytes) {
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!file) return false;
    constexpr qsizetype kChunk = 64 * 1024;
    qsizetype used = 0;
    bool ok = true;
    while (used <= kLargestPictureFileBytes) {
        const qsizetype wanted = std::min(kChunk, kLargestPictureFileBytes + 1 - used);
        bytes.resize(used + wanted);
        const std::size_t got = std::fread(bytes.data() + used, 1, static_cast<std::size_t>(wanted), file);
        used += static_cast<qsizetype>(got);
        if (got < static_cast<std::size_t>(wanted)) {
            ok = !std::ferror(file);
            break;
        }
    }
    if (used > kLargestPictureFileBytes) ok = false;
    std::fclose(file);
    bytes.resize(used);
    return ok;
}

}  // namespace

QPixmap LoadPictureFile(const QString& path, bool halfSizePhotos) {
    QByteArray bytes;
    if (!ReadWholeFile(path, bytes)) return {};
    return LoadPicture(std::move(bytes), halfSizePhotos);
}

QPixmap LoadPicture(QByteArray bytes, bool halfSizePhotos) {
    // The format is read from the content, not the name, and a bitmap or a
    // JPEG must be whole before anything is decoded. Nothing else is read:
    // the game's pictures are bitmaps and JPEGs, and Qt's other readers are
    // not bound by the size they report (a GIF of 38 bytes reported 512 x 0
    // pixels and decoded to 512 x 13056; one of 23 bytes took most of a
    // second to decode to nothing).
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const ImageFormat format = ImageFormatOf(bytes.left(kImageFormatBytes));
    if (format == ImageFormat::Bitmap) {
        BitmapHeader header;
        if (!WholeBitmap(buffer, kLargestPictureSide, header)) return {};
        if (header.headerSize >= 40 && header.compression == 0 && header.bitsPerPixel == 24 && header.planes == 1) {
            return QPixmap::fromImage(DecodePlainBitmap(bytes, header));
        }
    } else if (format == ImageFormat::Jpeg) {
        if (!WholeImage(buffer, format, kLargestPictureSide)) return {};
    } else {
        return {};
    }

    QImageReader reader(&buffer, QtFormatName(format));
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    // The size comes from the header alone; a picture that claims to be huge
    // is refused before any memory is set aside for it.
    const QSize size = reader.size();
    if (size.isEmpty() || size.width() > kLargestPictureSide || size.height() > kLargestPictureSide) return {};
    // A JPEG decodes at half size for a fraction of the work.
    const bool half = halfSizePhotos && format == ImageFormat::Jpeg;
    if (half) reader.setScaledSize(size / 2);
    QImage image;
    if (!reader.read(&image) || image.isNull()) return {};
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    if (half) pixmap.setDevicePixelRatio(0.5);
    return pixmap;
}

QImage RawPicture(const uchar* data, qint64 size, bool opaque) {
    if (!data || size < 8) return {};
    std::uint32_t width = 0, height = 0;
    std::memcpy(&width, data, 4);
    std::memcpy(&height, data + 4, 4);
    if (width == 0 || height == 0 || width > kLargestPictureSide || height > kLargestPictureSide) return {};
    if (size != 8 + qint64{width} * height * 4) return {};
    const uchar* pixels = data + 8;
    const QImage image(pixels, static_cast<int>(width), static_cast<int>(height), qsizetype{width} * 4,
                       opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    // An image's rows must start on 32-bit boundaries; take a copy otherwise.
    if (reinterpret_cast<std::uintptr_t>(pixels) % 4 != 0) return image.copy();
    return image;
}

QImage RawPictureResource(const QString& path, bool opaque) {
    const QResource resource(path);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) return {};
    return RawPicture(resource.data(), resource.size(), opaque);
}

}  // namespace pairon
