#include "picture_loader.h"

#include <QImage>
#include <QString>

namespace gloob {

namespace {
RgbImage decode(const QString& resource) {
    const QImage image = QImage(resource).convertToFormat(QImage::Format_RGB32);
    RgbImage decoded(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            decoded.at(x, y) = line[x] & 0xFFFFFFu;
        }
    }
    return decoded;
}
} // namespace

Pictures loadPictures() {
    return {decode(QStringLiteral(":/assets/mountain.jpg")),
            decode(QStringLiteral(":/assets/beach.jpg"))};
}

} // namespace gloob
