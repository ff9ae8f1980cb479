// Draws every picture of the game into two folders:
//   pairon-draw-pictures <picture-dir> <layout-dir> [--scale <factor>]
// The picture folder receives every picture file that lies beside the game, the layout
// folder the pictures built into the game's window.

#include "art/picture_art.h"
#include "pictures/picture_files.h"

#include <QDir>
#include <QGuiApplication>
#include <QString>

#include <cstdio>
#include <string>
#include <vector>

namespace {

int Fail(const std::string& message) {
    std::fprintf(stderr, "pairon-draw-pictures: %s\n", message.c_str());
    return 1;
}

bool DrawInto(const std::string& folder, const std::vector<std::string>& names, double scale, std::string& error) {
    if (!QDir().mkpath(QString::fromStdString(folder))) {
        error = "cannot create folder " + folder;
        return false;
    }
    for (const std::string& name : names) {
        QImage picture = pairon::art::DrawPicture(name, scale);
        if (picture.isNull()) {
            error = "no drawing for " + name;
            return false;
        }
        std::string path = pairon::PicturePath(folder, name);
        if (!pairon::art::SavePicture(picture, path)) {
            error = "cannot write " + path;
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> folders;
    double scale = 1.0;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--scale") {
            if (i + 1 >= argc) return Fail("--scale needs a factor");
            try {
                scale = std::stod(argv[++i]);
            } catch (...) {
                return Fail("bad scale factor");
            }
            if (!(scale > 0.0 && scale <= 8.0)) return Fail("scale factor must lie between 0 and 8");
        } else {
            folders.push_back(arg);
        }
    }
    if (folders.size() != 2) {
        return Fail("usage: pairon-draw-pictures <picture-dir> <layout-dir> [--scale <factor>]");
    }

    // Text on the pictures needs the font machinery of a GUI application.
    QGuiApplication app(argc, argv);
    std::string error;
    if (!DrawInto(folders[0], pairon::AllPictureFiles(), scale, error) ||
        !DrawInto(folders[1], pairon::art::LayoutPictureNames(), scale, error)) {
        return Fail(error);
    }
    return 0;
}
