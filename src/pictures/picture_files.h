#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pairon {

// The build draws every picture at this multiple of the size it takes in the
// window, so the pictures stay sharp on a screen scaled up that far; shown
// with this device pixel ratio they keep their size in the layout. The build
// (cmake/Gui.cmake) reads the number from here, and so does a deck's sharp
// copy of each photo.
inline constexpr int kPictureScale = 2;

// The picture files that lie beside the game's executable, by name.
inline constexpr int kCardFaces = 26;
inline constexpr std::string_view kCardBackFile = "CardBack1.bmp";
inline constexpr std::string_view kUnseenCardBackFile = "CardBack2.bmp";
inline constexpr std::string_view kWinnerFile = "Winner.bmp";
inline constexpr std::string_view kDepressedFile = "Depressed.bmp";
inline constexpr std::string_view kFrustratedFile = "Frustrated.bmp";
inline constexpr std::string_view kTrophyFile = "Trophy.bmp";
inline constexpr std::string_view kNewGameBackgroundFile = "Mouse.jpg";
inline constexpr std::string_view kSetupBackgroundFile = "Pig.jpg";

// "Card1.bmp" ... "Card26.bmp"; empty for a number that is no face.
std::string CardFaceFile(int face);

// The face a picture file shows: n for "Cardn.bmp", 0 for any other file.
int FaceOfPictureFile(std::string_view file);

// Every picture file the game loads.
const std::vector<std::string>& AllPictureFiles();

// The full path of a picture file in the given folder.
std::string PicturePath(std::string_view folder, std::string_view name);

}  // namespace pairon
