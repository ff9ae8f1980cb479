// Any bytes, read as a picture file the way the game reads one: the loader's
// own header checks, then Qt's readers behind them. Whatever the bytes, the
// loader returns a picture within the game's size limits or nothing, never
// crashes, leaks, hangs or runs out of memory on the way, and a picture it
// returns is what Qt's reader makes of the same bytes: the loader only ever
// refuses more, and decodes the game's own bitmaps faster.

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "quiet_qt.h"

#include "files/picture_loader.h"

namespace {

void Fail(const char* what, const QPixmap& picture) {
    std::fprintf(stderr, "%s: %d x %d pixels at ratio %g\n", what, picture.width(), picture.height(),
                 picture.devicePixelRatio());
    std::abort();
}

QImage AsQtReadsIt(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    return reader.read();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static char name[] = "pairon_picture_fuzz";
    pairon::fuzz::StartQuietQt(name);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // Each input is read once, as the game would: at full size, or, when its
    // length is odd, the way a screen too coarse for a photograph's finer
    // pixels reads it (a JPEG at half size, through another path of the
    // decoder).
    const bool halfSize = size % 2 == 1;
    const QPixmap picture = pairon::LoadPicture(bytes, halfSize);
    if (picture.isNull()) return 0;
    if (picture.width() > pairon::kLargestPictureSide || picture.height() > pairon::kLargestPictureSide) {
        Fail("a picture passed the size limit", picture);
    }
    if (halfSize && bytes.startsWith("\xFF\xD8")) {
        if (picture.devicePixelRatio() != 0.5) Fail("a JPEG was not read at half size", picture);
    } else if (picture.width() * picture.height() <= 1024 * 1024) {
        // Compared as pixmaps show them (a pixmap and a converted image
        // disagree on indices past the end of a palette); pictures up to a
        // million pixels meet every header the large ones do.
        const QImage reference = QPixmap::fromImage(AsQtReadsIt(bytes)).toImage();
        if (picture.toImage().convertToFormat(reference.format()) != reference) {
            Fail("the picture differs from what Qt's reader makes of it", picture);
        }
    }
    return 0;
}
