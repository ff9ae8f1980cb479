#include "pictures/picture_files.h"

namespace pairon {

std::string CardFaceFile(int face) {
    if (face < 1 || face > kCardFaces) return {};
    return "Card" + std::to_string(face) + ".bmp";
}

const std::vector<std::string>& AllPictureFiles() {
    static const std::vector<std::string> files = [] {
        std::vector<std::string> names;
        for (int face = 1; face <= kCardFaces; ++face) names.push_back(CardFaceFile(face));
        for (std::string_view name : {kCardBackFile, kUnseenCardBackFile, kWinnerFile, kDepressedFile,
                                      kFrustratedFile, kTrophyFile, kNewGameBackgroundFile, kSetupBackgroundFile}) {
            names.emplace_back(name);
        }
        return names;
    }();
    return files;
}

std::string PicturePath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (path.empty() || path.back() != '/') path += '/';
    path += name;
    return path;
}

}  // namespace pairon
