#include "art/picture_art.h"

#include "art/art_parts.h"

#include <QFile>
#include <QImageWriter>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string_view>

namespace pairon::art {

namespace {

struct PictureEntry {
    QSize size;
    std::function<QImage(double)> draw;
};

const std::map<std::string, PictureEntry>& Pictures() {
    static const std::map<std::string, PictureEntry> pictures = [] {
        std::map<std::string, PictureEntry> all;
        for (int face = 1; face <= kFaceCount; ++face) {
            all["Card" + std::to_string(face) + ".bmp"] = {kCardSize,
                                                            [face](double scale) { return DrawCardFace(face, scale); }};
        }
        all["CardBack1.bmp"] = {kCardSize, [](double scale) { return DrawCardBack(false, scale); }};
        all["CardBack2.bmp"] = {kCardSize, [](double scale) { return DrawCardBack(true, scale); }};
        all["Winner.bmp"] = {kResultSize, DrawWinner};
        all["Depressed.bmp"] = {kResultSize, DrawDepressed};
        all["Frustrated.bmp"] = {kResultSize, DrawFrustrated};
        all["Trophy.bmp"] = {kResultSize, DrawTrophy};
        all["Mouse.jpg"] = {kBoardSize, DrawMouseMeadow};
        all["Pig.jpg"] = {kBoardSize, DrawPigFarm};

        all["PlayerPanel.png"] = {kBoardSize, DrawPlayerPanel};
        all["GameBoard.png"] = {kBoardSize, DrawGameBoard};
        all["GameBoard.pixels"] = {kBoardSize, DrawGameBoard};
        all["Ornament.png"] = {kOrnamentSize, DrawOrnament};
        all["CardSlot.png"] = {kCardSize, DrawCardSlot};
        all["ResultStart.png"] = {kResultStartSize, DrawResultStart};
        for (int size : {16, 32, 48, 64, 128, 256}) {
            auto icon = [size](double scale) { return DrawIcon(size, scale); };
            all["icon-" + std::to_string(size) + ".png"] = {QSize(size, size), icon};
            all["icon-" + std::to_string(size) + ".pixels"] = {QSize(size, size), icon};
        }
        return all;
    }();
    return pictures;
}

bool EndsWith(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

}  // namespace

QImage DrawPicture(const std::string& name, double scale) {
    auto found = Pictures().find(name);
    if (found == Pictures().end() || !(scale > 0.0)) return {};
    return found->second.draw(scale);
}

QSize PictureSize(const std::string& name) {
    auto found = Pictures().find(name);
    return found == Pictures().end() ? QSize() : found->second.size;
}

std::vector<std::string> LayoutPictureNames() {
    return {"PlayerPanel.png", "GameBoard.png",  "GameBoard.pixels", "Ornament.png",  "CardSlot.png",
            "ResultStart.png", "icon-16.png",    "icon-32.png",      "icon-48.png",   "icon-64.png",
            "icon-128.png",    "icon-256.png",   "icon-16.pixels",   "icon-32.pixels", "icon-48.pixels",
            "icon-64.pixels"};
}

bool SavePicture(const QImage& picture, const std::string& path) {
    if (picture.isNull()) return false;
    QImageWriter writer(QString::fromStdString(path));
    if (EndsWith(path, ".bmp")) {
        // Bitmaps carry no alpha: plain 24-bit colour.
        writer.setFormat("BMP");
        return writer.write(picture.convertToFormat(QImage::Format_RGB888));
    }
    if (EndsWith(path, ".jpg")) {
        writer.setFormat("JPG");
        writer.setQuality(90);
        return writer.write(picture.convertToFormat(QImage::Format_RGB32));
    }
    if (EndsWith(path, ".png")) {
        writer.setFormat("PNG");
        return writer.write(picture);
    }
    if (EndsWith(path, ".pixels")) {
        // Width and height, then the rows of 32-bit pixels as they lie in memory.
        const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
        const std::array<std::uint32_t, 2> size = {static_cast<std::uint32_t>(pixels.width()),
                                                   static_cast<std::uint32_t>(pixels.height())};
        bool written = file.write(reinterpret_cast<const char*>(size.data()), sizeof size) == sizeof size;
        const qint64 rowBytes = qint64{pixels.width()} * 4;
        for (int y = 0; written && y < pixels.height(); ++y) {
            written = file.write(reinterpret_cast<const char*>(pixels.constScanLine(y)), rowBytes) == rowBytes;
        }
        return written && file.flush();
    }
    return false;
}

}  // namespace pairon::art
