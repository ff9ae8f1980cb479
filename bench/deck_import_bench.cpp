// The import of a folder of phone photos into a deck, photo by photo, as the
// game's "Add pictures..." runs it.
//
//   bench-deck-import --make FOLDER [--photos N]   writes N (100) photos of
//                       4000 x 3000 pixels, 12 megapixels, as a phone takes
//                       them: JPEG of quality 92, every other one lying on its
//                       side with an EXIF orientation to turn it upright
//   bench-deck-import FOLDER DECKS                 imports FOLDER into a deck
//                       under DECKS and reports the time per photo (target
//                       under 60 ms) and the peak memory of the process
//                       (target under 150 MB)
//
// The two are separate runs so that drawing the photos never counts in the
// import's peak memory.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench_support.h"
#include "decks/deck_import.h"

namespace {

using pairon::bench::Median;
using pairon::bench::MonotonicNanoseconds;
using pairon::bench::Percentile;
using pairon::bench::StatusKilobytes;
using pairon::bench::ThreadProcessorNanoseconds;

// A photo with a photo's detail: colour gradients, shapes and fine grain,
// so that the JPEG carries about as much as a phone's (3 to 4 MB); the time
// to decode a JPEG grows with its size in bytes, not only in pixels.
int MakePhotos(const QString& folder, int count) {
    QDir().mkpath(folder);
    QImage grain(4000, 3000, QImage::Format_RGB32);
    QRandomGenerator random(12);
    for (int y = 0; y < grain.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grain.scanLine(y));
        for (int x = 0; x < grain.width(); ++x) {
            const int g = static_cast<int>(random.bounded(24));
            line[x] = qRgb(g, g, g);
        }
    }
    for (int k = 0; k < count; ++k) {
        QImage photo(4000, 3000, QImage::Format_RGB32);
        QLinearGradient sky(0, 0, 4000, 3000);
        sky.setColorAt(0, QColor::fromHsv((k * 47) % 360, 180, 230));
        sky.setColorAt(1, QColor::fromHsv((k * 47 + 120) % 360, 220, 90));
        QPainter painter(&photo);
        painter.fillRect(photo.rect(), sky);
        for (int shape = 0; shape < 40; ++shape) {
            painter.setBrush(QColor::fromHsv(static_cast<int>(random.bounded(360)), 160, 200));
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(QPointF(random.bounded(4000), random.bounded(3000)), 40 + random.bounded(400),
                                40 + random.bounded(300));
        }
        painter.setCompositionMode(QPainter::CompositionMode_Plus);
        painter.drawImage(0, 0, grain);
        painter.end();
        QImageWriter writer(QDir(folder).filePath(QStringLiteral("IMG_%1.jpg").arg(k + 1, 4, 10, QLatin1Char('0'))), "jpeg");
        writer.setQuality(92);
        if (k % 2 == 1) writer.setTransformation(QImageIOHandler::TransformationRotate90);
        if (!writer.write(photo)) {
            std::fprintf(stderr, "could not write %s\n", writer.fileName().toLocal8Bit().constData());
            return 1;
        }
    }
    std::printf("made %d photos of 4000 x 3000 in %s\n", count, folder.toLocal8Bit().constData());
    return 0;
}

int Import(const QString& folder, const QString& decks) {
    const long startKb = StatusKilobytes("VmHWM");
    pairon::DeckImport import(folder, decks, QStringLiteral("Bench"));
    std::vector<double> perPhoto, processorPerPhoto;
    const std::int64_t begin = MonotonicNanoseconds();
    while (true) {
        const std::int64_t t0 = MonotonicNanoseconds();
        const std::int64_t c0 = ThreadProcessorNanoseconds();
        if (!import.Step()) break;
        processorPerPhoto.push_back((ThreadProcessorNanoseconds() - c0) / 1e6);
        perPhoto.push_back((MonotonicNanoseconds() - t0) / 1e6);
    }
    const bool made = import.Finish();
    const double total = (MonotonicNanoseconds() - begin) / 1e6;
    const long peakKb = StatusKilobytes("VmHWM");
    double sum = 0;
    for (double t : perPhoto) sum += t;
    std::printf("imported %d of %d photos (%d skipped), deck %s\n", import.Imported(), import.Count(),
                static_cast<int>(import.Skipped().size()), made ? "made" : "NOT made");
    // The processor time is what the import costs; the wall time also holds
    // whatever else the shared machine was doing.
    std::printf("  per photo, processor time: median %.1f ms, 90th percentile %.1f ms, slowest %.1f ms  %s\n",
                Median(processorPerPhoto), Percentile(processorPerPhoto, 0.9), Percentile(processorPerPhoto, 1.0),
                Median(processorPerPhoto) < 60 ? "within the 60 ms target" : "OVER the 60 ms target");
    std::printf("  per photo, wall time: mean %.1f ms, median %.1f ms, 90th percentile %.1f ms, slowest %.1f ms\n",
                perPhoto.empty() ? 0 : sum / perPhoto.size(), Median(perPhoto), Percentile(perPhoto, 0.9),
                Percentile(perPhoto, 1.0));
    std::printf("  all photos: %.0f ms\n", total);
    std::printf("  peak memory of the process: %.1f MB (%.1f MB before the import)  %s\n", peakKb / 1024.0,
                startKb / 1024.0, peakKb < 150 * 1024 ? "within the 150 MB target" : "OVER the 150 MB target");
    return made ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc >= 3 && std::strcmp(argv[1], "--make") == 0) {
        const int count = argc >= 5 && std::strcmp(argv[3], "--photos") == 0 ? std::atoi(argv[4]) : 100;
        return MakePhotos(QString::fromLocal8Bit(argv[2]), count);
    }
    if (argc == 3) return Import(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    std::fprintf(stderr, "usage: bench-deck-import --make FOLDER [--photos N] | bench-deck-import FOLDER DECKS\n");
    return 2;
}
