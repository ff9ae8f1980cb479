// Any bytes, read as a picture file the way the game reads one: the loader's
// own header checks, then Qt's readers behind them. Whatever the bytes, the
// loader returns a picture within the game's size limits or nothing, and
// never crashes, leaks, hangs or runs out of memory on the way.

#include <QByteArray>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "ui/main_window/qt_picture_loader.h"

namespace {

void Fail(const char* what, const QPixmap& picture) {
    std::fprintf(stderr, "%s: %d x %d pixels at ratio %g\n", what, picture.width(), picture.height(),
                 picture.devicePixelRatio());
    std::abort();
}

void Check(const QPixmap& picture) {
    if (picture.isNull()) return;
    if (picture.width() > pairon::kLargestPictureSide || picture.height() > pairon::kLargestPictureSide) {
        Fail("a picture passed the size limit", picture);
    }
}

// Qt's readers stay silent: the fuzzer's own output is what counts.
void Discard(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // No display: pictures become pixmaps on the offscreen platform. Qt gets
    // arguments of its own, so it cannot take any of the fuzzer's.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "pairon_picture_fuzz";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);  // lives as long as the process
    qInstallMessageHandler(Discard);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Check(pairon::LoadPicture(bytes));
    // A screen that cannot show a photograph's finer pixels reads a JPEG at
    // half its size, through another path of the decoder.
    if (bytes.startsWith("\xFF\xD8")) {
        const QPixmap half = pairon::LoadPicture(bytes, true);
        Check(half);
        if (!half.isNull() && half.devicePixelRatio() != 0.5) Fail("a JPEG was not read at half size", half);
    }
    return 0;
}
