// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "qt_text_rasteriser.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cmath>

namespace gloob {

GlyphMask QtTextRasteriser::rasterise(std::string_view text, const Font& font, int width,
                                      int height) const {
    if (width <= 0 || height <= 0 || width > largestSide || height > largestSide) {
        return {}; // nothing to draw, and nothing allocated
    }
    GlyphMask mask{width, height,
                   std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height)};
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QFont qfont(QString::fromStdString(font.family));
        // Points at 96 dpi; a QImage would otherwise assume its own resolution.
        qfont.setPixelSize(static_cast<int>(std::lround(font.pointSize * 96.0 / 72.0)));
        qfont.setBold(font.bold);
        qfont.setItalic(font.italic);
        qfont.setStyleStrategy(QFont::NoAntialias);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(qfont);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, 0, width, height),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                         QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            mask.bits[static_cast<std::size_t>(y) * width + x] = qAlpha(line[x]) >= 128 ? 1 : 0;
        }
    }
    return mask;
}

} // namespace gloob
