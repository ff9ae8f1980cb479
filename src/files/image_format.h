#pragma once

#include <QByteArray>
#include <QIODevice>
#include <cstdint>

namespace pairon {

// The kinds of picture the game reads, told by a file's first bytes, never
// by its name.
enum class ImageFormat { None, Bitmap, Jpeg, Png };

// At least this many first bytes tell every kind apart.
inline constexpr int kImageFormatBytes = 8;

ImageFormat ImageFormatOf(const QByteArray& firstBytes);
// The name Qt's readers go by: "bmp", "jpeg" or "png"; empty for None.
QByteArray QtFormatName(ImageFormat format);

// A bitmap's header, as far as the checks below need it.
struct BitmapHeader {
    std::int64_t width = 0, height = 0;
    bool topDown = false;
    std::uint32_t headerSize = 0, pixelsAt = 0, bitsPerPixel = 0, compression = 0, planes = 0;
};

// Whether the picture on `device`, from its start, is whole: every part of it
// lies within the file, so that no reader shows what is missing as grey,
// blank or left-over memory, and no side is larger than `largestSide`
// (checked for bitmaps; the others are checked from their header by their
// reader). The device is read in pieces, never whole, and left at its start.
//
// - A bitmap holds every row its header announces after its colour table,
//   in a layout Qt's reader knows; run-length bitmaps are refused, as Qt's
//   reader leaves the pixels they skip as whatever the memory held.
// - A JPEG's segments and scans lead, one after the other, to the
//   end-of-image marker; stray bytes before a marker are passed over, as
//   libjpeg passes over them. Walking the segments, rather than looking at the
//   last bytes, passes over the preview inside the EXIF data and accepts
//   what some cameras append after the picture.
// - A PNG's chunks, each within the file, lead to its IEND chunk. libpng sets
//   aside the memory a chunk's length claims before it reads the chunk: a
//   text chunk of a few bytes claiming 1.3 GB asked for all of it.
bool WholeImage(QIODevice& device, ImageFormat format, int largestSide);

// The same for a bitmap, giving its header as well.
bool WholeBitmap(QIODevice& device, int largestSide, BitmapHeader& header);

}  // namespace pairon
