#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

namespace pairon {

// Reads a picture file afresh. Returns a null pixmap when the file is missing,
// unreadable, not a bitmap or a JPEG, cut short (a bitmap without all the rows its
// header announces, a JPEG whose segments do not lead to its end marker), or claims a size no
// picture of this game has (so a damaged header cannot make us allocate
// gigabytes).
// With `halfSizePhotos`, a JPEG is decoded at half its size, for a screen
// that could not show its finer pixels anyway; the pixmap then says so with
// a device pixel ratio of 0.5 (one pixel for two of the file).
QPixmap LoadPictureFile(const QString& path, bool halfSizePhotos = false);

// The same from a file's bytes, already read whole.
QPixmap LoadPicture(QByteArray bytes, bool halfSizePhotos = false);

// A picture built into the program as raw pixels: its width and height as two
// 32-bit numbers, then its rows of 32-bit premultiplied 0xAARRGGBB pixels,
// uncompressed. The image shows those pixels where they lie in the program,
// so nothing is decoded or copied. `opaque` reads them as 0xffRRGGBB, which
// paints fastest. Null if the resource is missing, compressed, or not exactly
// that size.
QImage RawPictureResource(const QString& path, bool opaque);

// The same from bytes that stay valid as long as the image and its copies live.
QImage RawPicture(const uchar* data, qint64 size, bool opaque);

// Nearly twice the side of the game's largest picture (1138 pixels). A damaged
// header that claims this much still costs a New Game no more than about a
// tenth of a second and 16 MB; at 4096 it was half a second and 64 MB.
inline constexpr int kLargestPictureSide = 2048;

// The largest picture file read at all: far above any picture of the game,
// far below what could hurt.
inline constexpr qint64 kLargestPictureFileBytes = 64 * 1024 * 1024;

}  // namespace pairon
