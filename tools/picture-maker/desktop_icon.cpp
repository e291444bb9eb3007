// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "desktop_icon.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace desktop_icon {
namespace {

struct Colour {
    int r;
    int g;
    int b;
    double alpha = 1.0;

    QColor toQColor() const {
        return QColor(r, g, b, static_cast<int>(std::lround(alpha * 255.0)));
    }
    std::string hex() const {
        char text[8];
        std::snprintf(text, sizeof text, "#%02x%02x%02x", r, g, b);
        return text;
    }
};

struct Circle {
    double cx;
    double cy;
    double r;
};

// The design, in units of the 256 x 256 frame. Few shapes and strong contrasts, so that the
// gloob and the ball can still be told apart at 16 pixels.
constexpr double frame = 256.0;
constexpr double tileInset = 8.0;
constexpr double tileRadius = 52.0;
constexpr double borderWidth = 6.0;
constexpr Colour border{28, 48, 78, 0.8};
constexpr Colour skyTop{84, 164, 238};
constexpr Colour skyBottom{214, 238, 255};
constexpr double groundY = 184.0;
constexpr Colour sand{238, 206, 132};
// The gloob is the upper half of this circle, standing on the ground.
constexpr Circle gloob{98.0, groundY, 68.0};
constexpr Colour gloobBody{36, 104, 226};
constexpr Circle eyeWhite{120.0, 148.0, 17.0};
constexpr Circle pupil{126.0, 150.0, 8.0};
constexpr Colour eyeColour{255, 255, 255};
constexpr Colour pupilColour{16, 24, 52};
constexpr Circle ball{180.0, 74.0, 38.0};
// The ball is lit from the upper left.
constexpr double ballFocusX = 166.0;
constexpr double ballFocusY = 60.0;
constexpr Colour ballLight{255, 176, 164};
constexpr Colour ballDark{206, 20, 26};
constexpr double ballRimWidth = 3.0;
constexpr Colour ballRim{128, 10, 16};

QRectF box(const Circle& c, double scale) {
    return QRectF((c.cx - c.r) * scale, (c.cy - c.r) * scale, 2.0 * c.r * scale, 2.0 * c.r * scale);
}

// Six significant digits: more than the design's numbers have.
std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", v);
    return text;
}

std::string circleElement(const Circle& c, const std::string& attributes) {
    return "<circle cx=\"" + number(c.cx) + "\" cy=\"" + number(c.cy) + "\" r=\"" + number(c.r) +
           "\" " + attributes + "/>";
}

std::string fillOf(const Colour& c) {
    std::string text = "fill=\"" + c.hex() + "\"";
    if (c.alpha < 1.0) {
        text += " fill-opacity=\"" + number(c.alpha) + "\"";
    }
    return text;
}

std::string strokeOf(const Colour& c, double width) {
    std::string text =
        "fill=\"none\" stroke=\"" + c.hex() + "\" stroke-width=\"" + number(width) + "\"";
    if (c.alpha < 1.0) {
        text += " stroke-opacity=\"" + number(c.alpha) + "\"";
    }
    return text;
}

// Qt turns premultiplied pixels back into straight ones with code that
// depends on the processor, off by one here and there between machines; this
// integer rounding makes the same bytes everywhere.
QImage straightAlpha(const QImage& premultiplied) {
    QImage straight(premultiplied.size(), QImage::Format_ARGB32);
    for (int y = 0; y < premultiplied.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(premultiplied.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(straight.scanLine(y));
        for (int x = 0; x < premultiplied.width(); ++x) {
            const int alpha = qAlpha(in[x]);
            const auto channel = [alpha](int c) {
                return alpha == 0 ? 0 : (c * 255 + alpha / 2) / alpha;
            };
            out[x] =
                qRgba(channel(qRed(in[x])), channel(qGreen(in[x])), channel(qBlue(in[x])), alpha);
        }
    }
    return straight;
}

} // namespace

QImage draw(int size) {
    const double scale = size / frame;
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);

    const double inset = std::max(1.0, std::round(tileInset * scale));
    const QRectF tile(inset, inset, size - 2.0 * inset, size - 2.0 * inset);
    const double radius = tileRadius * scale;
    QPainterPath rounded;
    rounded.addRoundedRect(tile, radius, radius);
    QLinearGradient sky(0.0, tile.top(), 0.0, tile.bottom());
    sky.setColorAt(0.0, skyTop.toQColor());
    sky.setColorAt(1.0, skyBottom.toQColor());
    p.fillPath(rounded, sky);

    p.setClipPath(rounded);
    const double ground = std::round(groundY * scale);
    p.fillRect(QRectF(0.0, ground, size, size - ground), sand.toQColor());
    p.setPen(Qt::NoPen);
    p.setBrush(gloobBody.toQColor());
    QRectF dome = box(gloob, scale);
    dome.moveCenter(QPointF(dome.center().x(), ground));
    p.drawPie(dome, 0, 180 * 16);
    p.setBrush(eyeColour.toQColor());
    p.drawEllipse(box(eyeWhite, scale));
    p.setBrush(pupilColour.toQColor());
    p.drawEllipse(box(pupil, scale));

    QRadialGradient shine(QPointF(ball.cx, ball.cy) * scale, ball.r * scale,
                          QPointF(ballFocusX, ballFocusY) * scale);
    shine.setColorAt(0.0, ballLight.toQColor());
    shine.setColorAt(1.0, ballDark.toQColor());
    p.setBrush(shine);
    p.setPen(QPen(ballRim.toQColor(), ballRimWidth * scale));
    p.drawEllipse(box(ball, scale));
    p.setClipping(false);

    // Inside the tile's edge, and at least a pixel wide, so it shows at every size.
    const double width = std::max(1.0, std::round(borderWidth * scale));
    QPainterPath edge;
    edge.addRoundedRect(tile.adjusted(width / 2, width / 2, -width / 2, -width / 2),
                        radius - width / 2, radius - width / 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(border.toQColor(), width));
    p.drawPath(edge);
    p.end();
    return straightAlpha(icon);
}

std::string svg() {
    const double tileSize = frame - 2.0 * tileInset;
    const std::string tileShape = "x=\"" + number(tileInset) + "\" y=\"" + number(tileInset) +
                                  "\" width=\"" + number(tileSize) + "\" height=\"" +
                                  number(tileSize) + "\" rx=\"" + number(tileRadius) + "\"";
    const double edgeInset = tileInset + borderWidth / 2;
    const double edgeSize = tileSize - borderWidth;
    const double domeLeft = gloob.cx - gloob.r;
    const double domeRight = gloob.cx + gloob.r;

    std::string s;
    s += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
         "viewBox=\"0 0 256 256\">\n";
    s += "  <defs>\n";
    s += "    <linearGradient id=\"sky\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"" +
         number(tileInset) + "\" x2=\"0\" y2=\"" + number(frame - tileInset) + "\">\n";
    s += "      <stop offset=\"0\" stop-color=\"" + skyTop.hex() + "\"/>\n";
    s += "      <stop offset=\"1\" stop-color=\"" + skyBottom.hex() + "\"/>\n";
    s += "    </linearGradient>\n";
    s += "    <radialGradient id=\"ball\" gradientUnits=\"userSpaceOnUse\" cx=\"" +
         number(ball.cx) + "\" cy=\"" + number(ball.cy) + "\" r=\"" + number(ball.r) + "\" fx=\"" +
         number(ballFocusX) + "\" fy=\"" + number(ballFocusY) + "\">\n";
    s += "      <stop offset=\"0\" stop-color=\"" + ballLight.hex() + "\"/>\n";
    s += "      <stop offset=\"1\" stop-color=\"" + ballDark.hex() + "\"/>\n";
    s += "    </radialGradient>\n";
    s += "    <clipPath id=\"tile\">\n";
    s += "      <rect " + tileShape + "/>\n";
    s += "    </clipPath>\n";
    s += "  </defs>\n";
    s += "  <rect " + tileShape + " fill=\"url(#sky)\"/>\n";
    s += "  <g clip-path=\"url(#tile)\">\n";
    s += "    <rect x=\"0\" y=\"" + number(groundY) + "\" width=\"256\" height=\"" +
         number(frame - groundY) + "\" " + fillOf(sand) + "/>\n";
    s += "    <path d=\"M" + number(domeLeft) + " " + number(gloob.cy) + "A" + number(gloob.r) +
         " " + number(gloob.r) + " 0 0 1 " + number(domeRight) + " " + number(gloob.cy) + "Z\" " +
         fillOf(gloobBody) + "/>\n";
    s += "    " + circleElement(eyeWhite, fillOf(eyeColour)) + "\n";
    s += "    " + circleElement(pupil, fillOf(pupilColour)) + "\n";
    s += "    " +
         circleElement(ball, "fill=\"url(#ball)\" stroke=\"" + ballRim.hex() +
                                 "\" stroke-width=\"" + number(ballRimWidth) + "\"") +
         "\n";
    s += "  </g>\n";
    s += "  <rect x=\"" + number(edgeInset) + "\" y=\"" + number(edgeInset) + "\" width=\"" +
         number(edgeSize) + "\" height=\"" + number(edgeSize) + "\" rx=\"" +
         number(tileRadius - borderWidth / 2) + "\" " + strokeOf(border, borderWidth) + "/>\n";
    s += "</svg>\n";
    return s;
}

} // namespace desktop_icon
