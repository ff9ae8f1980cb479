#include "files/picture_loader.h"

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

std::uint32_t LittleEndian(const QByteArray& bytes, qsizetype at, int width) {
    std::uint32_t value = 0;
    for (int k = width - 1; k >= 0; --k) value = (value << 8) | static_cast<unsigned char>(bytes[at + k]);
    return value;
}

struct BitmapHeader {
    std::int64_t width = 0, height = 0;
    bool topDown = false;
    std::uint32_t headerSize = 0, pixelsAt = 0, bitsPerPixel = 0, compression = 0, planes = 0;
};

// Reads a bitmap's header and checks that the file holds every row the
// header announces, after its colour table. Qt's reader fills missing rows
// with nothing and reports success, so a file cut short would otherwise show
// as a picture with a blank lower part.
bool ReadWholeBitmap(const QByteArray& bytes, BitmapHeader& h) {
    if (bytes.size() < 26) return false;
    h.pixelsAt = LittleEndian(bytes, 10, 4);
    h.headerSize = LittleEndian(bytes, 14, 4);
    std::int64_t colours = 0;
    if (h.headerSize == 12) {  // the old OS/2 header: 16-bit sizes
        h.width = static_cast<std::int16_t>(LittleEndian(bytes, 18, 2));
        h.height = static_cast<std::int16_t>(LittleEndian(bytes, 20, 2));
        h.planes = LittleEndian(bytes, 22, 2);
        h.bitsPerPixel = LittleEndian(bytes, 24, 2);
    } else {
        // Qt's reader knows these header sizes and would read any other as
        // the old one above, with other sizes and rows than ours.
        if (h.headerSize != 40 && h.headerSize != 64 && h.headerSize != 108 && h.headerSize != 124) return false;
        if (bytes.size() < 14 + std::int64_t{h.headerSize}) return false;
        h.width = static_cast<std::int32_t>(LittleEndian(bytes, 18, 4));
        h.height = static_cast<std::int32_t>(LittleEndian(bytes, 22, 4));
        h.planes = LittleEndian(bytes, 26, 2);
        h.bitsPerPixel = LittleEndian(bytes, 28, 2);
        h.compression = LittleEndian(bytes, 30, 4);
        colours = LittleEndian(bytes, 46, 4);
    }
    if (h.height < 0) {
        h.height = -h.height;
        h.topDown = true;
    }
    if (h.width <= 0 || h.height <= 0 || h.width > kLargestPictureSide || h.height > kLargestPictureSide) return false;
    if (h.bitsPerPixel == 0 || h.bitsPerPixel > 32) return false;
    // Qt's reader leaves the pixels a run-length bitmap skips as whatever the
    // memory held before; the game's bitmaps are plain rows anyway.
    if (h.compression == 1 || h.compression == 2) return false;

    // The colour table of up to 8 bits a pixel, or the three masks of a
    // short header with bit fields, lie between the header and the rows.
    std::int64_t tableBytes = 0;
    if (h.bitsPerPixel <= 8) {
        tableBytes = (colours != 0 ? colours : std::int64_t{1} << h.bitsPerPixel) * (h.headerSize == 12 ? 3 : 4);
    } else if (h.compression == 3 && h.headerSize < 108) {
        tableBytes = 12;
    }
    const std::int64_t pixelBytes = (h.width * h.bitsPerPixel + 31) / 32 * 4 * h.height;
    const std::int64_t pixelsAt = h.pixelsAt;
    return pixelsAt >= 14 + h.headerSize + tableBytes && pixelsAt + pixelBytes <= bytes.size();
}

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

// A JPEG is whole when it ends with its end-of-image marker. A file cut short
// decodes with grey rows where the data stopped, and no error.
bool WholeJpeg(const QByteArray& bytes) {
    qsizetype end = bytes.size();
    while (end > 0 && bytes[end - 1] == '\0') --end;  // some writers pad the end
    return end >= 4 && static_cast<unsigned char>(bytes[end - 2]) == 0xFF &&
           static_cast<unsigned char>(bytes[end - 1]) == 0xD9;
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
    QByteArray format;
    if (bytes.startsWith("BM")) {
        BitmapHeader header;
        if (!ReadWholeBitmap(bytes, header)) return {};
        if (header.headerSize >= 40 && header.compression == 0 && header.bitsPerPixel == 24 && header.planes == 1) {
            return QPixmap::fromImage(DecodePlainBitmap(bytes, header));
        }
        format = "bmp";
    } else if (bytes.startsWith("\xFF\xD8")) {  // all Qt's reader asks of a JPEG
        if (!WholeJpeg(bytes)) return {};
        format = "jpeg";
    } else {
        return {};
    }

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    // The size comes from the header alone; a picture that claims to be huge
    // is refused before any memory is set aside for it.
    const QSize size = reader.size();
    if (size.isEmpty() || size.width() > kLargestPictureSide || size.height() > kLargestPictureSide) return {};
    // A JPEG decodes at half size for a fraction of the work.
    const bool half = halfSizePhotos && format == "jpeg";
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
