#pragma once

// The picture families, each drawn in its own file. DrawPicture() in
// picture_art.cpp picks the right one by file name.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>

namespace pairon::art {

inline constexpr QSize kCardSize(49, 73);
inline constexpr QSize kResultSize(100, 130);
inline constexpr QSize kBoardSize(569, 409);
inline constexpr QSize kOrnamentSize(121, 329);
inline constexpr QSize kResultStartSize(95, 154);
inline constexpr int kFaceCount = 26;

// card_faces.cpp: the 26 faces, each a bold shape in its own colour.
// Painters draw in the card's own 49 x 73 units; the area outside the rounded
// card is left untouched.
void PaintCardFace(QPainter& painter, int face);
// Just the shape of a face (1..26), fitted into `box`.
void PaintFaceShape(QPainter& painter, int face, const QRectF& box, bool outlined = true);
QColor FaceColour(int face);
QImage DrawCardFace(int face, double scale);

// card_backs.cpp: the usual back and the back of a card nobody has seen yet.
void PaintCardBack(QPainter& painter, bool unseen);
QImage DrawCardBack(bool unseen, double scale);

// result_pictures.cpp: the pictures shown with the outcome of a game.
QImage DrawWinner(double scale);
QImage DrawDepressed(double scale);
QImage DrawFrustrated(double scale);
QImage DrawTrophy(double scale);

// board_backgrounds.cpp: the large panel backgrounds.
QImage DrawMouseMeadow(double scale);
QImage DrawPigFarm(double scale);
QImage DrawPlayerPanel(double scale);
QImage DrawGameBoard(double scale);

// layout_pictures.cpp: the small pictures of the window layout and the icon.
QImage DrawOrnament(double scale);
QImage DrawCardSlot(double scale);
QImage DrawResultStart(double scale);
QImage DrawIcon(int size, double scale);

}  // namespace pairon::art
