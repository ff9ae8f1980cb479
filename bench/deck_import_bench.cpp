// The import of a folder of photos into a deck, photo by photo, as the
// game's "Add pictures..." runs it.
//
//   bench-deck-import --make FOLDER [--photos N]   writes N (100) photos of
//                       4000 x 3000 pixels, 12 megapixels, as a phone takes
//                       them: JPEG of quality 92, every other one lying on its
//                       side with an EXIF orientation to turn it upright; and
//                       one PNG of 10000 x 10000 pixels, 100 megapixels, that
//                       the import must pass over without reading it whole
//   bench-deck-import FOLDER DECKS                 imports FOLDER into a deck
//                       under DECKS and reports the time per photo (target
//                       under 60 ms) and the peak memory of the process
//                       (target under 150 MB)
//   bench-deck-import --window FOLDER DECKS        imports FOLDER as the game
//                       does, behind its progress bar, beside a window that
//                       asks to be painted at every frame: the longest time
//                       between two paints (target at most 100 ms); then
//                       imports it again and presses Cancel at several
//                       moments: the time from the press to the end of the
//                       import (target within 200 ms), and that nothing was
//                       left behind
//
// The runs are separate so that drawing the photos never counts in the
// import's peak memory.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "bench_support.h"
#include "decks/deck_import.h"
#include "decks/deck_store.h"
#include "desktop/decks/deck_import_dialog.h"

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
    // A panorama of 100 megapixels, saved as a PNG.
    QImage panorama(10000, 10000, QImage::Format_Grayscale8);
    for (int y = 0; y < panorama.height(); ++y) std::memset(panorama.scanLine(y), y % 256, panorama.width());
    QImageWriter writer(QDir(folder).filePath(QStringLiteral("PANORAMA.png")), "png");
    writer.setCompression(1);
    if (!writer.write(panorama)) {
        std::fprintf(stderr, "could not write %s\n", writer.fileName().toLocal8Bit().constData());
        return 1;
    }
    std::printf("made a PNG of 10000 x 10000 in %s\n", folder.toLocal8Bit().constData());
    return 0;
}

// A window that asks to be painted at every frame, as an animation would,
// and keeps the longest time between two of its paints.
class Canvas : public QWidget {
public:
    Canvas() {
        resize(400, 300);
        frames_.setInterval(16);
        connect(&frames_, &QTimer::timeout, this, [this] { update(); });
    }
    void Start() {
        longest_ = 0;
        start_ = last_ = MonotonicNanoseconds();
        frames_.start();
    }
    // When the longest time between two paints began, in milliseconds
    // from Start().
    double LongestAt() const { return (longestFrom_ - start_) / 1e6; }
    double Stop() {
        frames_.stop();
        return longest_ / 1e6;
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), QColor::fromHsv(static_cast<int>(++paints_ % 360), 120, 200));
        const std::int64_t now = MonotonicNanoseconds();
        if (now - last_ > longest_) {
            longest_ = now - last_;
            longestFrom_ = last_;
        }
        last_ = now;
    }

private:
    QTimer frames_;
    std::int64_t start_ = 0, last_ = 0, longest_ = 0, longestFrom_ = 0, paints_ = 0;
};

bool Empty(const QString& decks) {
    return QDir(decks).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty();
}

int Window(const QString& folder, const QString& decks) {
    Canvas window;
    window.show();
    pairon::DeckStore store(decks);
    auto tell = [](const QString&) {};

    // The window alone, for as long as an import takes, to tell what the
    // shared machine costs by itself.
    {
        window.Start();
        QEventLoop idle;
        QTimer::singleShot(3000, &idle, &QEventLoop::quit);
        idle.exec();
        std::printf("without an import: longest time between two paints of the window %.1f ms\n", window.Stop());
    }

    window.Start();
    const std::int64_t begin = MonotonicNanoseconds();
    const std::optional<QString> made = pairon::RunDeckImport(&window, store, folder, QStringLiteral("Bench"), tell);
    const double total = (MonotonicNanoseconds() - begin) / 1e6;
    const double longest = window.Stop();
    const int pictures = made ? static_cast<int>(store.Pictures(*made).size()) : 0;
    std::printf("imported %d pictures in %.0f ms behind the progress bar\n", pictures, total);
    std::printf("  longest time between two paints of the window: %.1f ms, from %.0f ms  %s\n", longest,
                window.LongestAt(), longest <= 100 ? "within the 100 ms target" : "OVER the 100 ms target");
    if (made) store.Remove(*made);

    // Cancel pressed at moments spread over the import.
    std::vector<double> cancels, gaps;
    bool allEmpty = true;
    for (int k = 0; k < 9; ++k) {
        const int pressAt = 150 + k * static_cast<int>(total * 0.6 / 9);
        std::int64_t pressed = 0;
        QTimer press;
        press.setSingleShot(true);
        QObject::connect(&press, &QTimer::timeout, [&] {
            for (QWidget* widget : QApplication::allWidgets()) {
                auto* progress = qobject_cast<QProgressDialog*>(widget);
                if (auto* cancel = progress ? progress->findChild<QPushButton*>() : nullptr) {
                    pressed = MonotonicNanoseconds();
                    cancel->click();
                }
            }
        });
        press.start(pressAt);
        window.Start();
        const std::optional<QString> cancelled =
            pairon::RunDeckImport(&window, store, folder, QStringLiteral("Bench"), tell);
        const std::int64_t ended = MonotonicNanoseconds();
        gaps.push_back(window.Stop());
        if (cancelled || !pressed) {
            std::printf("  pressed at %d ms: the import had ended before\n", pressAt);
            if (cancelled) store.Remove(*cancelled);
            continue;
        }
        cancels.push_back((ended - pressed) / 1e6);
        allEmpty = allEmpty && Empty(decks);
        std::printf("  pressed at %d ms: ended %.1f ms later; longest time between two paints %.1f ms, from %.0f ms\n",
                    pressAt, cancels.back(), gaps.back(), window.LongestAt());
    }
    std::printf("  Cancel to the end of the import, %zu presses: median %.1f ms, slowest %.1f ms  %s\n",
                cancels.size(), Median(cancels), Percentile(cancels, 1.0),
                Percentile(cancels, 1.0) <= 200 ? "within the 200 ms target" : "OVER the 200 ms target");
    std::printf("  longest time between two paints while cancelling: %.1f ms\n", Percentile(gaps, 1.0));
    std::printf("  left behind after each Cancel: %s\n", allEmpty ? "nothing" : "SOMETHING");
    return allEmpty && longest <= 100 && Percentile(cancels, 1.0) <= 200 ? 0 : 1;
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
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], "--window") == 0) {
        return Window(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    if (argc >= 3 && std::strcmp(argv[1], "--make") == 0) {
        const int count = argc >= 5 && std::strcmp(argv[3], "--photos") == 0 ? std::atoi(argv[4]) : 100;
        return MakePhotos(QString::fromLocal8Bit(argv[2]), count);
    }
    if (argc == 3) return Import(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    std::fprintf(stderr,
                 "usage: bench-deck-import --make FOLDER [--photos N] | bench-deck-import FOLDER DECKS | "
                 "bench-deck-import --window FOLDER DECKS\n");
    return 2;
}
