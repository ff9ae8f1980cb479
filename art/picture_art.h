#pragma once

#include <QImage>

#include <string>
#include <vector>

namespace pairon::art {

// Every picture of the game is drawn here, in code, rather than kept as a file.
// Sizes below are logical; `scale` multiplies them, so scale 2 draws the same
// picture at twice the pixel size for high-density screens.
//
// The pictures that lie beside the game (see pairon::AllPictureFiles()):
//   Card1.bmp ... Card26.bmp   card faces, 49 x 73
//   CardBack1.bmp              the usual card back, 49 x 73
//   CardBack2.bmp              the back of a card nobody has seen yet, 49 x 73
//   Winner.bmp, Depressed.bmp,
//   Frustrated.bmp, Trophy.bmp result pictures, 100 x 130
//   Mouse.jpg, Pig.jpg         board backgrounds, 569 x 409
// The pictures built into the game's window layout (LayoutPictureNames()):
//   PlayerPanel.png, GameBoard.png 569 x 409, Ornament.png 121 x 329,
//   CardSlot.png 49 x 73, ResultStart.png 95 x 154, icon-<n>.png n x n,
//   and GameBoard.pixels and icon-<n>.pixels (n up to 64) once more as raw
//   pixels, which the window shows at start-up without decoding anything.
//
// Text on a picture needs a QGuiApplication to exist.

// The picture of the given file name, or a null image for a name we do not draw.
QImage DrawPicture(const std::string& name, double scale = 1.0);

// The logical (scale 1) size of the named picture; empty for an unknown name.
QSize PictureSize(const std::string& name);

// The pictures built into the window layout, as file names.
std::vector<std::string> LayoutPictureNames();

// Writes a picture in the format its file name asks for: .bmp as a 24-bit
// Windows bitmap, .jpg as a JPEG, .png as a PNG, .pixels as its width and
// height (two 32-bit numbers) and then its rows of 32-bit premultiplied
// 0xAARRGGBB pixels (an opaque picture's read as 0xffRRGGBB), all in this
// machine's byte order. False if it could not be written.
bool SavePicture(const QImage& picture, const std::string& path);

}  // namespace pairon::art
