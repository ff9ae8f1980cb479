#pragma once

#include <QPixmap>
#include <QString>

namespace pairon {

// Reads a picture file afresh. Returns a null pixmap when the file is missing,
// unreadable, not a picture, cut short (a bitmap without all the rows its
// header announces, a JPEG without its end marker), or claims a size no
// picture of this game has (so a damaged header cannot make us allocate
// gigabytes).
// With `halfSizePhotos`, a JPEG is decoded at half its size, for a screen
// that could not show its finer pixels anyway; the pixmap then says so with
// a device pixel ratio of 0.5 (one pixel for two of the file).
QPixmap LoadPictureFile(const QString& path, bool halfSizePhotos = false);

inline constexpr int kLargestPictureSide = 4096;

}  // namespace pairon
