// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "picture_loader.h"

#include <QImage>
#include <QImageReader>

namespace gloob {

RgbImage decodePicture(const QString& path) {
    QImageReader reader(path);
    const QImage image = reader.read().convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) {
        throw PictureError("cannot decode the picture " + path.toStdString() + ": " +
                           reader.errorString().toStdString());
    }
    RgbImage decoded(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            decoded.at(x, y) = line[x] & 0xFFFFFFu;
        }
    }
    return decoded;
}

Pictures loadPictures() {
    return {decodePicture(QStringLiteral(":/assets/mountain.jpg")),
            decodePicture(QStringLiteral(":/assets/beach.jpg"))};
}

} // namespace gloob
