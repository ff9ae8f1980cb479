#include "pictures/picture_files.h"

namespace pairon {

std::string CardFaceFile(int face) {
    if (face < 1 || face > kCardFaces) return {};
    return "Card" + std::to_string(face) + ".bmp";
}

int FaceOfPictureFile(std::string_view file) {
    // Read, not looked up: the window reads every slot's file at every event.
    constexpr std::string_view prefix = "Card";
    constexpr std::string_view suffix = ".bmp";
    if (file.size() <= prefix.size() + suffix.size() || file.substr(0, prefix.size()) != prefix ||
        file.substr(file.size() - suffix.size()) != suffix) {
        return 0;
    }
    const std::string_view digits = file.substr(prefix.size(), file.size() - prefix.size() - suffix.size());
    if (digits.size() > 2 || digits.front() == '0') return 0;
    int face = 0;
    for (const char digit : digits) {
        if (digit < '0' || digit > '9') return 0;
        face = face * 10 + (digit - '0');
    }
    return face <= kCardFaces ? face : 0;
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
