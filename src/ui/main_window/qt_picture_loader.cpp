#include "ui/main_window/qt_picture_loader.h"

#include <QFileInfo>
#include <QImageReader>

namespace pairon {

QPixmap LoadPictureFile(const QString& path) {
    if (!QFileInfo(path).isFile()) return {};
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kLargestPictureSide || size.height() > kLargestPictureSide) return {};
    QImage image;
    if (!reader.read(&image) || image.isNull()) return {};
    return QPixmap::fromImage(std::move(image));
}

}  // namespace pairon
