#include "files/image_format.h"

#include <cstring>

namespace pairon {

namespace {

// A window on a file that moves forward through it a piece at a time: the
// checks look at a few bytes here and there, and skip the rest by seeking.
class Window {
public:
    explicit Window(QIODevice& device) : device_(device), size_(device.size()) {}

    qint64 Size() const { return size_; }

    // The byte at `at`, or -1 past the end or when the file can't be read.
    int Byte(qint64 at) {
        if (!Holds(at)) return -1;
        return static_cast<unsigned char>(piece_[static_cast<qsizetype>(at - start_)]);
    }

    // Where the next byte `value` lies from `from` on, or -1 if none does.
    qint64 Find(unsigned char value, qint64 from) {
        while (Holds(from)) {
            const qsizetype offset = static_cast<qsizetype>(from - start_);
            const void* found = std::memchr(piece_.constData() + offset, value, static_cast<std::size_t>(piece_.size() - offset));
            if (found) return start_ + (static_cast<const char*>(found) - piece_.constData());
            from = start_ + piece_.size();
        }
        return -1;
    }

    // `count` bytes from `at` into `out`; false if the file ends before.
    bool Read(qint64 at, unsigned char* out, int count) {
        for (int k = 0; k < count; ++k) {
            const int b = Byte(at + k);
            if (b < 0) return false;
            out[k] = static_cast<unsigned char>(b);
        }
        return true;
    }

private:
    static constexpr qint64 kPiece = 64 * 1024;

    bool Holds(qint64 at) {
        if (at < 0 || at >= size_) return false;
        if (at >= start_ && at < start_ + piece_.size()) return true;
        if (!device_.seek(at)) return false;
        start_ = at;
        piece_ = device_.read(std::min(kPiece, size_ - at));
        return !piece_.isEmpty();
    }

    QIODevice& device_;
    qint64 size_;
    qint64 start_ = 0;
    QByteArray piece_;
};

std::uint32_t LittleEndian(const unsigned char* at, int width) {
    std::uint32_t value = 0;
    for (int k = width - 1; k >= 0; --k) value = (value << 8) | at[k];
    return value;
}

std::uint32_t BigEndian(const unsigned char* at) {
    return (std::uint32_t{at[0]} << 24) | (std::uint32_t{at[1]} << 16) | (std::uint32_t{at[2]} << 8) | at[3];
}

bool WholeJpeg(Window& w) {
    if (w.Byte(0) != 0xFF || w.Byte(1) != 0xD8) return false;
    qint64 i = 2;
    bool inScan = false;
    while (true) {
        if (inScan) {
            // Entropy-coded data ends at the first marker other than a
            // stuffed zero or a restart.
            while (true) {
                i = w.Find(0xFF, i);
                if (i < 0) return false;
                const int next = w.Byte(i + 1);
                if (next < 0) return false;
                if (next != 0x00 && (next < 0xD0 || next > 0xD7)) break;
                ++i;
            }
            inScan = false;
        }
        // Stray bytes before a marker are passed over, as libjpeg does.
        i = w.Find(0xFF, i);
        if (i < 0) return false;
        while (w.Byte(i) == 0xFF) ++i;  // fill bytes
        const int marker = w.Byte(i++);
        if (marker < 0) return false;
        if (marker == 0xD9) return true;
        if ((marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) continue;
        if (marker == 0xD8 || marker == 0x00) return false;
        unsigned char length[2];
        if (!w.Read(i, length, 2)) return false;
        const qint64 segment = (qint64{length[0]} << 8) | length[1];
        if (segment < 2) return false;
        i += segment;
        if (i > w.Size()) return false;
        if (marker == 0xDA) inScan = true;
    }
}

bool WholePng(Window& w) {
    qint64 i = 8;
    const qint64 n = w.Size();
    while (i + 12 <= n) {
        unsigned char chunk[8];
        if (!w.Read(i, chunk, 8)) return false;
        const qint64 length = BigEndian(chunk);
        if (length > n - i - 12) return false;
        if (std::memcmp(chunk + 4, "IEND", 4) == 0) return true;
        i += 12 + length;
    }
    return false;
}

bool CheckBitmap(Window& w, int largestSide, BitmapHeader& h) {
    unsigned char d[54] = {};
    if (!w.Read(0, d, 26)) return false;
    h.pixelsAt = LittleEndian(d + 10, 4);
    h.headerSize = LittleEndian(d + 14, 4);
    std::int64_t colours = 0;
    if (h.headerSize == 12) {  // the old OS/2 header: 16-bit sizes
        h.width = static_cast<std::int16_t>(LittleEndian(d + 18, 2));
        h.height = static_cast<std::int16_t>(LittleEndian(d + 20, 2));
        h.planes = LittleEndian(d + 22, 2);
        h.bitsPerPixel = LittleEndian(d + 24, 2);
    } else {
        // Qt's reader knows these header sizes and would read any other as
        // the old one above, with other sizes and rows than ours.
        if (h.headerSize != 40 && h.headerSize != 64 && h.headerSize != 108 && h.headerSize != 124) return false;
        if (w.Size() < 14 + std::int64_t{h.headerSize} || !w.Read(0, d, 54)) return false;
        h.width = static_cast<std::int32_t>(LittleEndian(d + 18, 4));
        h.height = static_cast<std::int32_t>(LittleEndian(d + 22, 4));
        h.planes = LittleEndian(d + 26, 2);
        h.bitsPerPixel = LittleEndian(d + 28, 2);
        h.compression = LittleEndian(d + 30, 4);
        colours = LittleEndian(d + 46, 4);
    }
    if (h.height < 0) {
        h.height = -h.height;
        h.topDown = true;
    }
    if (h.width <= 0 || h.height <= 0 || h.width > largestSide || h.height > largestSide) return false;
    const std::uint32_t bits = h.bitsPerPixel;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
    if (h.compression != 0 && h.compression != 3) return false;

    // The colour table of up to 8 bits a pixel, or the three masks of a
    // short header with bit fields, lie between the header and the rows.
    std::int64_t tableBytes = 0;
    if (bits <= 8) {
        tableBytes = (colours != 0 ? colours : std::int64_t{1} << bits) * (h.headerSize == 12 ? 3 : 4);
    } else if (h.compression == 3 && h.headerSize < 108) {
        tableBytes = 12;
    }
    const std::int64_t pixelBytes = (h.width * bits + 31) / 32 * 4 * h.height;
    const std::int64_t pixelsAt = h.pixelsAt;
    return pixelsAt >= 14 + h.headerSize + tableBytes && pixelsAt + pixelBytes <= w.Size();
}

}  // namespace

ImageFormat ImageFormatOf(const QByteArray& firstBytes) {
    // All libjpeg asks of a JPEG is its start marker.
    if (firstBytes.startsWith("\xFF\xD8")) return ImageFormat::Jpeg;
    if (firstBytes.startsWith("\x89PNG\r\n\x1A\n")) return ImageFormat::Png;
    if (firstBytes.startsWith("BM")) return ImageFormat::Bitmap;
    return ImageFormat::None;
}

QByteArray QtFormatName(ImageFormat format) {
    switch (format) {
        case ImageFormat::Bitmap: return "bmp";
        case ImageFormat::Jpeg: return "jpeg";
        case ImageFormat::Png: return "png";
        case ImageFormat::None: break;
    }
    return {};
}

bool WholeBitmap(QIODevice& device, int largestSide, BitmapHeader& header) {
    Window w(device);
    const bool whole = CheckBitmap(w, largestSide, header);
    device.seek(0);
    return whole;
}

bool WholeImage(QIODevice& device, ImageFormat format, int largestSide) {
    Window w(device);
    BitmapHeader header;
    bool whole = false;
    switch (format) {
        case ImageFormat::Bitmap: whole = CheckBitmap(w, largestSide, header); break;
        case ImageFormat::Jpeg: whole = WholeJpeg(w); break;
        case ImageFormat::Png: whole = WholePng(w); break;
        case ImageFormat::None: break;
    }
    device.seek(0);
    return whole;
}

}  // namespace pairon
