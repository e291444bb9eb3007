// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// picture-maker: draws the two background pictures shown behind the volleyball court, the
// window's icon and the desktop's icons.
//
//   picture-maker OUTDIR   writes OUTDIR/mountain.jpg (600 x 348), OUTDIR/beach.jpg (400 x 270),
//                          OUTDIR/gloob.png (256 x 256) and the desktop's icons in OUTDIR/icons
//
// Everything is drawn from a fixed seed, so running it again gives byte-identical files.
// The game recognises some of its own objects by their exact colour, so the pictures must never
// contain those colours. Every one of them has a red channel of 0; we keep the red channel of every
// drawn pixel well above that, and after saving we decode the JPEG again and check every pixel.

#include "desktop_icon.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

constexpr double pi = std::numbers::pi;

// ---------------------------------------------------------------------------------------------
// Random numbers and noise

std::uint64_t mix64(std::uint64_t z) {
    z += 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// splitmix64: small, fast and the same on every machine.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

private:
    std::uint64_t state_;
};

// Hash of a lattice point, in [0, 1).
double lattice(int x, int y, std::uint32_t seed) {
    const std::uint64_t key = static_cast<std::uint64_t>(static_cast<std::uint32_t>(x)) |
                              (static_cast<std::uint64_t>(static_cast<std::uint32_t>(y)) << 32);
    const std::uint64_t h =
        mix64(mix64(key) ^ (static_cast<std::uint64_t>(seed) * 0xD6E8FEB86659FD93ULL));
    return static_cast<double>(h >> 11) * 0x1.0p-53;
}

double fade(double t) {
    return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}

double lerp(double a, double b, double t) {
    return a + (b - a) * t;
}

double clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}

double smoothstep(double e0, double e1, double x) {
    const double t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3.0 - 2.0 * t);
}

// Smooth value noise in [0, 1].
double valueNoise(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const double tx = fade(x - fx);
    const double ty = fade(y - fy);
    const double a = lattice(ix, iy, seed);
    const double b = lattice(ix + 1, iy, seed);
    const double c = lattice(ix, iy + 1, seed);
    const double d = lattice(ix + 1, iy + 1, seed);
    return lerp(lerp(a, b, tx), lerp(c, d, tx), ty);
}

// Fractal noise in [0, 1]: several octaves of value noise.
double fbm(double x, double y, std::uint32_t seed, int octaves = 5, double gain = 0.5) {
    double sum = 0.0;
    double norm = 0.0;
    double amp = 1.0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * valueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 1013U);
        norm += amp;
        amp *= gain;
        x = x * 2.03 + 17.1;
        y = y * 2.03 + 5.3;
    }
    return sum / norm;
}

// Per-pixel grain in [-1, 1].
double grain(int x, int y, std::uint32_t seed) {
    return lattice(x, y, seed) * 2.0 - 1.0;
}

// ---------------------------------------------------------------------------------------------
// Colours

struct Rgb {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

Rgb operator*(Rgb a, double k) {
    return {a.r * k, a.g * k, a.b * k};
}
Rgb mix(Rgb a, Rgb b, double t) {
    return {lerp(a.r, b.r, t), lerp(a.g, b.g, t), lerp(a.b, b.b, t)};
}
Rgb shift(Rgb a, double d) {
    return {a.r + d, a.g + d, a.b + d};
}

int channel(double v) {
    return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0)));
}
QRgb toQRgb(Rgb c) {
    return qRgb(channel(c.r), channel(c.g), channel(c.b));
}
QColor toQColor(Rgb c, double alpha = 1.0) {
    return QColor(channel(c.r), channel(c.g), channel(c.b), channel(alpha * 255.0));
}
Rgb fromQRgb(QRgb c) {
    return {static_cast<double>(qRed(c)), static_cast<double>(qGreen(c)),
            static_cast<double>(qBlue(c))};
}

Rgb pixel(const QImage& img, int x, int y) {
    return fromQRgb(reinterpret_cast<const QRgb*>(img.constScanLine(y))[x]);
}
void setPixel(QImage& img, int x, int y, Rgb c) {
    reinterpret_cast<QRgb*>(img.scanLine(y))[x] = toQRgb(c);
}

// Fills `shape` with antialiased edges; `shade(x, y)` gives the colour of each covered pixel.
template <typename Shade> void paintShape(QImage& canvas, const QPainterPath& shape, Shade shade) {
    QImage mask(canvas.size(), QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(shape, Qt::black);
    }
    const QRect box = shape.boundingRect().toAlignedRect().intersected(canvas.rect());
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const uchar* coverage = mask.constScanLine(y);
        for (int x = box.left(); x <= box.right(); ++x) {
            if (coverage[x] == 0) {
                continue;
            }
            const double a = coverage[x] / 255.0;
            setPixel(canvas, x, y, mix(pixel(canvas, x, y), shade(x, y), a));
        }
    }
}

// A skyline of height values (one per pixel column, plus one), made by midpoint displacement.
std::vector<double> midpointLine(int width, Rng& rng, double amplitude, double roughness) {
    int n = 1;
    while (n < width) {
        n *= 2;
    }
    std::vector<double> h(static_cast<std::size_t>(n) + 1, 0.0);
    h.front() = rng.range(-0.5, 0.5) * amplitude;
    h.back() = rng.range(-0.5, 0.5) * amplitude;
    double amp = amplitude;
    for (int step = n; step > 1; step /= 2) {
        for (int i = step / 2; i < n; i += step) {
            h[i] = 0.5 * (h[i - step / 2] + h[i + step / 2]) + rng.range(-1.0, 1.0) * amp;
        }
        amp *= roughness;
    }
    std::vector<double> out(static_cast<std::size_t>(width) + 1);
    for (int x = 0; x <= width; ++x) {
        const double t = static_cast<double>(x) * n / width;
        const int i = std::min(static_cast<int>(t), n - 1);
        out[x] = lerp(h[i], h[i + 1], t - i);
    }
    return out;
}

double slopeAt(const std::vector<double>& top, int x, int reach) {
    const int last = static_cast<int>(top.size()) - 1;
    return (top[std::min(x + reach, last)] - top[std::max(x - reach, 0)]) / (2.0 * reach);
}

struct Peak {
    double x;          // column of the summit
    double height;     // rise above the range's base line, in pixels
    double leftWidth;  // distance from the summit to the foot on the left
    double rightWidth; // ... and on the right
    double steepness;  // > 1 gives concave, craggy flanks
};

// A mountain range seen from afar: its crest line (y per column) and its main summits.
struct Range {
    std::vector<double> top;
    std::vector<Peak> peaks;
    std::vector<double> summitY; // y of each summit on the crest line

    // How much peak `i` lifts column `x`, in pixels.
    double rise(std::size_t i, double x) const {
        const Peak& p = peaks[i];
        const double d = (x - p.x) / (x < p.x ? p.leftWidth : p.rightWidth);
        return std::abs(d) < 1.0 ? p.height * std::pow(1.0 - std::abs(d), p.steepness) : 0.0;
    }
};

// Adds midpoint-displaced points strictly between (x0, y0) and (x1, y1), left to right.
void displace(double x0, double y0, double x1, double y1, Rng& rng, double jag,
              std::vector<QPointF>& out) {
    if (x1 - x0 <= 1.0) {
        return;
    }
    const double xm = 0.5 * (x0 + x1);
    const double ym = 0.5 * (y0 + y1) + rng.range(-1.0, 1.0) * jag * std::pow(x1 - x0, 0.8);
    displace(x0, y0, xm, ym, rng, jag, out);
    out.emplace_back(xm, ym);
    displace(xm, ym, x1, y1, rng, jag, out);
}

// A range through the given points, which alternate saddle, summit, saddle, ..., saddle, with
// fractal detail added along the crest between them.
Range makeRange(int width, const std::vector<QPointF>& outline, Rng& rng, double jag) {
    Range r;
    std::vector<QPointF> crest{outline.front()};
    for (std::size_t i = 1; i < outline.size(); ++i) {
        displace(outline[i - 1].x(), outline[i - 1].y(), outline[i].x(), outline[i].y(), rng, jag,
                 crest);
        crest.push_back(outline[i]);
    }
    r.top.resize(static_cast<std::size_t>(width) + 1);
    std::size_t seg = 0;
    for (int x = 0; x <= width; ++x) {
        while (seg + 2 < crest.size() && crest[seg + 1].x() < x) {
            ++seg;
        }
        const QPointF a = crest[seg];
        const QPointF b = crest[seg + 1];
        r.top[x] = lerp(a.y(), b.y(), clamp01((x - a.x()) / (b.x() - a.x())));
    }
    double base = 0.0;
    for (const QPointF& pt : outline) {
        base = std::max(base, pt.y());
    }
    for (std::size_t i = 1; i + 1 < outline.size(); i += 2) {
        const QPointF summit = outline[i];
        r.peaks.push_back({summit.x(), base - summit.y(), (summit.x() - outline[i - 1].x()) * 1.4,
                           (outline[i + 1].x() - summit.x()) * 1.4, 1.0});
        const int x = std::clamp(static_cast<int>(std::lround(summit.x())), 0, width);
        r.summitY.push_back(r.top[x]);
    }
    return r;
}

// Sunlight on a mountain face, 0 (deep shade) to 1 (full sun). The sun is up to the left, so
// the left flank of each summit is lit and the right flank in shade, and the ribs and gullies
// running down from each summit catch the light on one side.
double faceLight(const Range& r, int x, int y, std::uint32_t seed, double gullyLength,
                 double ribStrength) {
    double total = 0.0;
    double weights = 0.0;
    for (std::size_t i = 0; i < r.peaks.size(); ++i) {
        const double rise = r.rise(i, x);
        const double w = std::pow(rise + 0.5, 4.0);
        if (w < 1e-3) {
            continue;
        }
        const Peak& p = r.peaks[i];
        const double dx = x - p.x;
        const double dy = std::max(y - r.summitY[i], 1.0);
        const std::uint32_t s = seed + static_cast<std::uint32_t>(i) * 7U;
        const double dist = std::hypot(dx, dy);
        // Ribs bend a little on their way down instead of running dead straight.
        const double bend = (fbm(dist / 45.0, dx / 60.0, s + 5, 2) - 0.5) * 0.14;
        const double angle = std::atan2(dx, dy) + bend;
        // The dividing ridge wanders as it comes down from the summit.
        const double wander = (fbm(dist / 25.0, 0.5, s + 1, 3) - 0.5) * 0.9;
        const double flank = smoothstep(-0.08, 0.08, angle + wander);
        auto gullies = [&](double a) { return fbm(a * 10.0, dist / gullyLength, s + 3, 4, 0.42); };
        const double ribs = (gullies(angle + 0.025) - gullies(angle - 0.025)) * 9.0 * ribStrength;
        total += w * (lerp(0.72, 0.3, flank) - ribs);
        weights += w;
    }
    const double light = weights > 0.0 ? total / weights : 0.5;
    const double depth = y - r.top[x];
    const double crest = -slopeAt(r.top, x, 2) * std::exp(-depth / 12.0) * 0.5;
    return clamp01(light + crest);
}

QPainterPath areaBelow(const std::vector<double>& top, double bottom) {
    QPainterPath path;
    const int width = static_cast<int>(top.size()) - 1;
    path.moveTo(-1.0, bottom);
    path.lineTo(-1.0, top.front());
    for (int x = 0; x <= width; ++x) {
        path.lineTo(x, top[x]);
    }
    path.lineTo(width + 1.0, top.back());
    path.lineTo(width + 1.0, bottom);
    path.closeSubpath();
    return path;
}

// Keeps every pixel's red channel at least `floor`, far away from the game's marker colours.
void liftRed(QImage& img, int floor) {
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (qRed(row[x]) < floor) {
                row[x] = qRgb(floor, qGreen(row[x]), qBlue(row[x]));
            }
        }
    }
}

// A whisper of film grain over the whole picture so flat areas do not band.
void addGrain(QImage& img, std::uint32_t seed, double strength) {
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            setPixel(img, x, y, shift(pixel(img, x, y), grain(x, y, seed) * strength));
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The mountain picture: sky, three ranges fading into haze, a conifer forest and a lake.

void drawConifer(QPainter& p, Rng& rng, double x, double baseY, double height, Rgb body, Rgb lit) {
    const double halfWidth = height * rng.range(0.2, 0.27);
    const double trunk = height * 0.12;
    p.setPen(Qt::NoPen);
    p.setBrush(toQColor(Rgb{78, 62, 48}));
    p.drawRect(QRectF(x - height * 0.03, baseY - trunk, height * 0.06, trunk));

    // Ragged outline: the branches stick out a little further at each whorl.
    const int whorls = 5 + static_cast<int>(height / 9.0);
    QPolygonF left;
    QPolygonF right;
    const double crown = baseY - height;
    const double bottom = baseY - trunk * 0.6;
    for (int i = 0; i <= whorls; ++i) {
        const double t = static_cast<double>(i) / whorls; // 0 at the bottom, 1 at the top
        const double y = lerp(bottom, crown, t);
        const double w = halfWidth * (1.0 - t) * rng.range(0.85, 1.15);
        const double tuck = halfWidth * (1.0 - t) * 0.45;
        const double dy = (bottom - crown) / whorls * 0.45;
        left << QPointF(x - w, y) << QPointF(x - tuck, y - dy);
        right << QPointF(x + w * rng.range(0.9, 1.1), y) << QPointF(x + tuck, y - dy);
    }
    QPolygonF outline;
    for (const QPointF& pt : left) {
        outline << pt;
    }
    outline << QPointF(x, crown - 1.0);
    for (auto it = right.crbegin(); it != right.crend(); ++it) {
        outline << *it;
    }
    p.setBrush(toQColor(body));
    p.drawPolygon(outline);

    // The sunlit left flank.
    QPolygonF litSide;
    for (const QPointF& pt : left) {
        litSide << pt;
    }
    litSide << QPointF(x, crown - 1.0) << QPointF(x - halfWidth * 0.1, bottom);
    p.setBrush(toQColor(lit, 0.55));
    p.drawPolygon(litSide);
}

QImage drawMountain() {
    constexpr int W = 600;
    constexpr int H = 348;
    constexpr double waterY = 262.0; // lake surface
    QImage img(W, H, QImage::Format_RGB32);
    Rng rng(0x6D6F756E7461696EULL);

    const Rgb haze{206, 219, 234};

    // Sky: deep blue overhead fading to a pale haze at the horizon, with soft cumulus.
    for (int y = 0; y < H; ++y) {
        const double t = std::pow(clamp01(y / 230.0), 0.85);
        const Rgb sky = mix(Rgb{104, 154, 212}, Rgb{214, 227, 239}, t);
        for (int x = 0; x < W; ++x) {
            Rgb c = sky;
            const double n = fbm(x / 140.0, y / 42.0, 11);
            const double band = 1.0 - smoothstep(40.0, 150.0, y);
            const double cover = smoothstep(0.50, 0.74, n) * band;
            if (cover > 0.0) {
                const double under = smoothstep(0.45, 0.75, fbm(x / 140.0, (y - 7) / 42.0, 11));
                const double shadeAmt = clamp01((under - smoothstep(0.50, 0.74, n)) * 1.6);
                const Rgb cloud = mix(Rgb{251, 251, 253}, Rgb{196, 206, 222}, shadeAmt * 0.4 + 0.1);
                c = mix(c, cloud, cover * 0.9);
            }
            setPixel(img, x, y, c);
        }
    }

    // Far range: high snowy summits, bluish with distance.
    const Range far = makeRange(W,
                                {{-10, 130},
                                 {62, 86},
                                 {128, 138},
                                 {200, 70},
                                 {262, 120},
                                 {318, 96},
                                 {382, 134},
                                 {452, 62},
                                 {528, 118},
                                 {578, 102},
                                 {612, 128}},
                                rng, 0.38);
    paintShape(img, areaBelow(far.top, H), [&](int x, int y) {
        const double depth = y - far.top[x];
        const double light = faceLight(far, x, y, 21, 30.0, 1.0);
        const Rgb rock = mix(Rgb{100, 108, 140}, Rgb{178, 176, 192}, light);

        const double snowLine = 124.0 + 16.0 * (fbm(x / 50.0, 3.0, 23) - 0.5);
        const double patches = fbm(x / 9.0, y / 14.0, 25, 4) - 0.5;
        const double snowAmt =
            smoothstep(-0.1, 0.1, (snowLine - y) / 26.0 + patches * 1.3 + (light - 0.5) * 0.35);
        const Rgb snow = mix(Rgb{178, 192, 222}, Rgb{250, 251, 253}, smoothstep(0.3, 0.65, light));

        Rgb c = mix(rock, snow, snowAmt);
        c = shift(c, grain(x, y, 27) * 3.0);
        return mix(c, haze, 0.25 + 0.5 * smoothstep(20.0, 110.0, depth));
    });

    // Middle range: darker rock, forested lower slopes, a little snow on the tops.
    const Range mid = makeRange(W,
                                {{-10, 192},
                                 {22, 176},
                                 {70, 198},
                                 {140, 160},
                                 {190, 184},
                                 {222, 175},
                                 {262, 200},
                                 {300, 182},
                                 {345, 206},
                                 {405, 166},
                                 {468, 196},
                                 {503, 185},
                                 {525, 190},
                                 {565, 150},
                                 {612, 184}},
                                rng, 0.3);
    paintShape(img, areaBelow(mid.top, H), [&](int x, int y) {
        const double depth = y - mid.top[x];
        const double light = faceLight(mid, x, y, 31, 22.0, 0.45);
        const Rgb rock = mix(Rgb{90, 96, 112}, Rgb{156, 156, 164}, light);
        const Rgb woods = mix(Rgb{56, 84, 70}, Rgb{106, 132, 96}, light);
        const double treeLine = 176.0 + 18.0 * (fbm(x / 40.0, 7.0, 33) - 0.5);
        const double wooded =
            smoothstep(-0.15, 0.15, (y - treeLine) / 16.0 + (fbm(x / 8.0, y / 8.0, 35) - 0.5));
        Rgb c = mix(rock, woods, wooded);
        c = shift(c, (fbm(x / 2.0, y / 2.0, 36, 2) - 0.5) * 24.0 * wooded);
        const double snowAmt = smoothstep(
            -0.1, 0.1, (158.0 - y) / 12.0 + (fbm(x / 6.0, y / 10.0, 37, 3) - 0.5) + (light - 0.5));
        c = mix(c, mix(Rgb{186, 198, 220}, Rgb{242, 244, 248}, light), snowAmt);
        c = shift(c, grain(x, y, 39) * 3.0);
        return mix(c, haze, 0.2 + 0.35 * smoothstep(5.0, 70.0, depth));
    });

    // Foothills: rolling green slopes with patches of woodland.
    std::vector<double> hillTop = midpointLine(W, rng, 14.0, 0.55);
    for (int x = 0; x <= W; ++x) {
        hillTop[x] += 236.0 - 16.0 * std::sin(x / 95.0 + 0.8) - 10.0 * std::sin(x / 37.0);
    }
    paintShape(img, areaBelow(hillTop, H), [&](int x, int y) {
        const double depth = y - hillTop[x];
        const double light = clamp01(0.55 - slopeAt(hillTop, x, 4) * 1.2 * std::exp(-depth / 20.0));
        const Rgb meadow = mix(Rgb{96, 128, 78}, Rgb{150, 172, 104}, light);
        const Rgb woods = mix(Rgb{58, 90, 62}, Rgb{86, 118, 78}, light);
        const double patch = smoothstep(0.48, 0.58, fbm(x / 22.0, y / 10.0, 41));
        Rgb c = mix(meadow, woods, patch);
        c = shift(c, (fbm(x / 2.5, y / 2.5, 43, 2) - 0.5) * 18.0);
        return mix(c, haze, 0.18 + 0.12 * smoothstep(0.0, 30.0, depth));
    });

    // Forest along the shore: two rows of conifers, the back row hazier.
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        for (int row = 0; row < 2; ++row) {
            const double base = row == 0 ? 254.0 : 263.0;
            double x = -6.0;
            while (x < W + 6) {
                const double clump = smoothstep(
                    0.3, 0.7, fbm(x / 40.0, row * 10.0, 51 + static_cast<std::uint32_t>(row)));
                const double height = (row == 0 ? 11.0 : 15.0) +
                                      (row == 0 ? 14.0 : 24.0) * clump * rng.range(0.55, 1.25);
                const double hazeAmt = row == 0 ? 0.35 : 0.15;
                const Rgb body =
                    mix(mix(Rgb{46, 78, 56}, Rgb{66, 96, 62}, rng.uniform()), haze, hazeAmt);
                const Rgb lit = mix(Rgb{98, 132, 84}, haze, hazeAmt);
                drawConifer(p, rng, x, base + rng.range(-1.5, 1.5), height, body, lit);
                x += height * rng.range(0.16, 0.4);
            }
        }
        // Shore line.
        QLinearGradient shore(0, 258, 0, waterY + 1);
        shore.setColorAt(0.0, toQColor(Rgb{74, 94, 64}));
        shore.setColorAt(1.0, toQColor(Rgb{112, 114, 92}));
        p.fillRect(QRectF(0, 260.0, W, waterY - 260.0 + 0.5), shore);
    }

    // Foreground meadow on the near shore (drawn before the lake so its edge overlaps cleanly).
    std::vector<double> nearTop = midpointLine(W, rng, 6.0, 0.6);
    for (int x = 0; x <= W; ++x) {
        nearTop[x] +=
            328.0 + 10.0 * std::sin(x / 70.0 + 2.0) - 8.0 * std::exp(-std::pow((x - 80) / 60.0, 2));
    }

    // Lake: the landscape reflected, rippled, tinted and slightly darker, with wind streaks.
    const QImage above = img.copy();
    for (int y = static_cast<int>(waterY); y < H; ++y) {
        const double d = y - waterY;
        const double t = clamp01(d / 70.0);
        for (int x = 0; x < W; ++x) {
            const double wobble = (fbm(x / 30.0, y / 1.7, 61, 3) - 0.5) * (1.0 + d * 0.12);
            const int sx = std::clamp(static_cast<int>(std::lround(x + wobble * 3.0)), 0, W - 1);
            const int sy =
                std::clamp(static_cast<int>(std::lround(waterY - 1.0 - d * 1.02 + wobble * 1.5)), 0,
                           static_cast<int>(waterY) - 1);
            Rgb c = pixel(above, sx, sy) * 0.86;
            c = mix(c, Rgb{92, 136, 168}, 0.28 + 0.22 * t);
            const double streak = smoothstep(0.62, 0.8, fbm(x / 90.0, y / 1.3, 63, 3));
            c = mix(c, Rgb{200, 216, 232}, streak * 0.45);
            setPixel(img, x, y, c);
        }
    }

    paintShape(img, areaBelow(nearTop, H), [&](int x, int y) {
        const double depth = y - nearTop[x];
        const double blades = fbm(x / 1.2, y / 6.0, 71, 3) - 0.5;
        const double patches = fbm(x / 30.0, y / 12.0, 73);
        Rgb c = mix(Rgb{118, 146, 74}, Rgb{164, 178, 96}, patches);
        c = shift(c, blades * 40.0 - smoothstep(0.0, 3.0, 3.0 - depth) * 14.0);
        return c;
    });

    addGrain(img, 81, 1.5);
    return img;
}

// ---------------------------------------------------------------------------------------------
// The beach picture: sunny sky, sea with a surf line, sand, a palm tree and a sunshade.

void drawPalm(QPainter& p, Rng& rng, QPointF base, QPointF crown) {
    // Trunk: a leaning curve made of ring segments that taper towards the top.
    const QPointF bend(base.x() - 6.0, (base.y() + crown.y()) * 0.5);
    auto trunkAt = [&](double t) {
        const double u = 1.0 - t;
        return base * (u * u) + bend * (2.0 * u * t) + crown * (t * t);
    };
    constexpr int rings = 26;
    for (int i = 0; i < rings; ++i) {
        const double t0 = static_cast<double>(i) / rings;
        const double t1 = static_cast<double>(i + 1) / rings;
        const QPointF a = trunkAt(t0);
        const QPointF b = trunkAt(t1);
        const double width = lerp(11.0, 6.0, t0);
        const Rgb wood = (i % 2 == 0) ? Rgb{138, 108, 76} : Rgb{118, 92, 66};
        QPen pen(toQColor(wood), width, Qt::SolidLine, Qt::FlatCap);
        p.setPen(pen);
        p.drawLine(a, b);
        // Light from the right side of the trunk.
        QPen shine(toQColor(Rgb{186, 158, 118}, 0.6), width * 0.3, Qt::SolidLine, Qt::FlatCap);
        p.setPen(shine);
        p.drawLine(a + QPointF(width * 0.25, 0), b + QPointF(width * 0.25, 0));
    }

    // Fronds: each starts out from the crown, arches over and sags under its own weight, with
    // narrow leaflets hanging from both sides of the midrib.
    constexpr std::array<double, 9> headings = {172, 200, 146, 118, 88, 58, 30, 6, -24};
    for (const double heading : headings) {
        const double a0 = (heading + rng.range(-8.0, 8.0)) * pi / 180.0;
        QPointF dir(std::cos(a0), -std::sin(a0));
        const double len = rng.range(62.0, 78.0) * (std::sin(a0) > 0.8 ? 0.7 : 1.0);
        constexpr int steps = 30;
        const double step = len / steps;
        const double sag = rng.range(0.018, 0.028);
        std::vector<QPointF> rib{crown};
        for (int s = 0; s < steps; ++s) {
            dir += QPointF(0.0, sag * (1.0 + s * 0.08));
            dir /= std::hypot(dir.x(), dir.y());
            rib.push_back(rib.back() + dir * step);
        }
        const Rgb leaf = mix(Rgb{54, 112, 50}, Rgb{92, 146, 64}, rng.uniform());
        for (int s = 3; s < steps; ++s) {
            const double t = static_cast<double>(s) / steps;
            if (rng.uniform() < 0.2) {
                continue; // the odd torn leaflet
            }
            const QPointF at = rib[s];
            QPointF along = rib[s + 1] - rib[s - 1];
            along /= std::hypot(along.x(), along.y());
            const double l = 16.0 * std::pow(std::sin(pi * std::min(1.0, t * 1.05)), 0.6) + 2.0;
            for (int k = -1; k <= 1; k += 2) {
                QPointF side(-along.y() * k, along.x() * k);
                // Leaflets hang down and sweep back towards the tip.
                const bool upper = side.y() < 0.0;
                QPointF hang =
                    side * (upper ? 0.6 : 0.3) + QPointF(0.0, upper ? 0.5 : 0.9) + along * 0.4;
                hang /= std::hypot(hang.x(), hang.y());
                const QPointF end = at + hang * (l * rng.range(0.8, 1.1));
                const QPointF mid = at + hang * (l * 0.5) + side * (l * 0.12);
                const Rgb shade = upper ? shift(leaf, 20.0) : shift(leaf, -6.0);
                QPainterPath blade;
                blade.moveTo(at);
                blade.quadTo(mid, end);
                p.setPen(QPen(toQColor(shade), 1.2, Qt::SolidLine, Qt::RoundCap));
                p.setBrush(Qt::NoBrush);
                p.drawPath(blade);
            }
        }
        QPainterPath midrib;
        midrib.moveTo(rib.front());
        for (std::size_t i = 1; i < rib.size(); ++i) {
            midrib.lineTo(rib[i]);
        }
        p.setPen(QPen(toQColor(Rgb{96, 118, 58}), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(midrib);
    }

    // Coconuts, tucked in under the fronds.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(toQColor(mix(Rgb{92, 72, 44}, Rgb{124, 104, 54}, rng.uniform())));
        p.drawEllipse(crown + QPointF(-4.0 + i * 3.6, 4.0 + (i % 2) * 2.2), 3.3, 3.3);
    }
}

void drawSunshade(QPainter& p, QPointF tipTop, QPointF foot) {
    // Pole.
    p.setPen(QPen(toQColor(Rgb{232, 230, 222}), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(tipTop, foot);
    p.setPen(QPen(toQColor(Rgb{150, 146, 140}, 0.7), 1.0));
    p.drawLine(tipTop + QPointF(1.0, 0), foot + QPointF(1.0, 0));

    // Canopy, tilted a little to keep off the afternoon sun.
    p.save();
    p.translate(tipTop + QPointF(0, 4));
    p.rotate(9.0);
    constexpr double radius = 50.0;
    constexpr double rimDrop = 26.0;
    constexpr int panels = 8;
    auto rim = [&](int i) {
        const double theta = pi - pi * i / panels;
        return QPointF(radius * std::cos(theta), rimDrop - 3.0 * std::sin(theta));
    };
    for (int i = 0; i < panels; ++i) {
        const QPointF a = rim(i);
        const QPointF b = rim(i + 1);
        QPainterPath panel;
        panel.moveTo(0, 0);
        panel.quadTo(QPointF(a.x() * 0.8, a.y() * 0.15 - 2.0), a);
        panel.quadTo((a + b) * 0.5 + QPointF(0, 5.0), b);
        panel.quadTo(QPointF(b.x() * 0.8, b.y() * 0.15 - 2.0), QPointF(0, 0));
        const Rgb cloth = (i % 2 == 0) ? Rgb{242, 188, 62} : Rgb{248, 244, 232};
        // Panels turned towards the sun (on the right) are brighter.
        const double lightness = lerp(-28.0, 6.0, static_cast<double>(i) / (panels - 1));
        p.setPen(QPen(toQColor(shift(cloth, lightness - 25.0)), 0.8));
        p.setBrush(toQColor(shift(cloth, lightness)));
        p.drawPath(panel);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(toQColor(Rgb{200, 196, 188}));
    p.drawEllipse(QPointF(0, -1.0), 2.2, 2.2);
    p.restore();
}

QImage drawBeach() {
    constexpr int W = 400;
    constexpr int H = 270;
    constexpr double horizonY = 112.0;
    const QPointF sun(318.0, 42.0);
    QImage img(W, H, QImage::Format_RGB32);
    Rng rng(0x6265616368ULL);

    // Sky with the sun's glow and a few high wisps of cloud.
    for (int y = 0; y < static_cast<int>(horizonY) + 1; ++y) {
        const double t = std::pow(clamp01(y / horizonY), 1.1);
        const Rgb sky = mix(Rgb{98, 160, 222}, Rgb{222, 234, 240}, t);
        for (int x = 0; x < W; ++x) {
            const double d = std::hypot(x - sun.x(), y - sun.y());
            Rgb c = mix(sky, Rgb{255, 250, 226}, 0.75 * std::exp(-d / 38.0));
            const double wisp = smoothstep(0.56, 0.78, fbm(x / 120.0, y / 16.0, 101));
            c = mix(c, Rgb{250, 251, 252}, wisp * 0.7 * (1.0 - smoothstep(60.0, 105.0, y)));
            c = mix(c, Rgb{255, 253, 240}, smoothstep(15.0, 12.5, d));
            setPixel(img, x, y, c);
        }
    }

    // A hazy headland far across the water.
    std::vector<double> land = midpointLine(W, rng, 4.0, 0.6);
    for (int x = 0; x <= W; ++x) {
        const double hump = 16.0 * std::exp(-std::pow((x - 55.0) / 48.0, 2)) +
                            9.0 * std::exp(-std::pow((x - 120.0) / 30.0, 2));
        land[x] = horizonY - std::max(0.0, hump + land[x] * hump / 16.0);
    }
    paintShape(img, areaBelow(land, horizonY + 1.0), [&](int x, int y) {
        const double n = fbm(x / 6.0, y / 4.0, 107, 3);
        return mix(mix(Rgb{96, 132, 118}, Rgb{138, 160, 140}, n), Rgb{205, 220, 228}, 0.5);
    });

    // Shoreline where the surf runs up the sand.
    std::vector<double> shore(W + 1);
    for (int x = 0; x <= W; ++x) {
        shore[x] = 176.0 + 3.5 * std::sin(x / 38.0 + 0.6) + 5.0 * (fbm(x / 50.0, 1.0, 111) - 0.5) +
                   x * 0.02;
    }

    // Sea: waves shrinking into the distance, white horses and the sun's glitter.
    for (int y = static_cast<int>(horizonY); y < H; ++y) {
        const double dy = y - horizonY + 0.5;
        const double z = 60.0 / dy; // distance into the picture
        for (int x = 0; x < W; ++x) {
            if (y > shore[x] + 2) {
                continue;
            }
            const double t = clamp01(dy / (shore[x] - horizonY));
            const Rgb deep = mix(Rgb{66, 118, 164}, Rgb{52, 134, 172}, smoothstep(0.0, 0.5, t));
            Rgb c = mix(deep, Rgb{94, 190, 192}, smoothstep(0.45, 1.0, t));
            const double wx = (x - W * 0.5) * z / 60.0;
            const double wz = z * 3.0;
            const double swell = fbm(wx / 1.4, wz, 121, 4);
            const double swellAhead = fbm(wx / 1.4, wz + 0.15, 121, 4);
            c = shift(c, std::clamp((swellAhead - swell) * 150.0, -26.0, 26.0));
            const double crest = smoothstep(0.66, 0.8, fbm(wx * 1.6, wz * 2.2, 123, 3));
            c = mix(c, Rgb{226, 238, 242}, crest * (0.35 + 0.45 * t));
            const double spread = 6.0 + 60.0 * t;
            const double glitterBand = std::exp(-std::pow((x - sun.x()) / spread, 2));
            const double glitter = smoothstep(0.62, 0.8, fbm(x / 5.0, y / 0.9, 125, 2));
            c = mix(c, Rgb{255, 250, 230}, glitterBand * glitter * 0.65);
            c = mix(c, Rgb{210, 226, 236}, 0.35 * std::exp(-dy / 5.0));
            setPixel(img, x, y, c);
        }
    }

    // Sand: dry and warm further up the beach, darker and glossy where the waves have been.
    for (int y = static_cast<int>(horizonY); y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const double d = y - shore[x];
            if (d < -1.0) {
                continue;
            }
            const double t = clamp01((y - 170.0) / 100.0);
            Rgb dry = mix(Rgb{222, 202, 162}, Rgb{240, 222, 184}, t);
            const double dune = fbm(x / 80.0, y / 25.0, 131);
            const double duneAhead = fbm((x + 2) / 80.0, (y - 2) / 25.0, 131);
            dry = shift(dry, (duneAhead - dune) * 220.0);
            const double ripple = std::sin(y * 0.9 + fbm(x / 25.0, y / 12.0, 133) * 10.0);
            dry = shift(dry, ripple * 3.0 * t);
            const Rgb wetSand = mix(Rgb{176, 160, 130}, Rgb{196, 200, 194}, 0.3);
            const double wet = 1.0 - smoothstep(2.0, 14.0 + 6.0 * fbm(x / 20.0, 0.0, 135), d);
            Rgb c = mix(dry, wetSand, wet);
            c = shift(c, grain(x, y, 137) * 7.0 + (fbm(x / 3.0, y / 3.0, 139, 2) - 0.5) * 10.0);
            const double edge = clamp01(d + 1.0);
            setPixel(img, x, y, mix(pixel(img, x, y), c, edge));
        }
    }

    // Surf: a lacy foam band along the water's edge and a breaking wave just offshore.
    for (int y = static_cast<int>(horizonY); y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const double d = y - shore[x];
            const double lace = fbm(x / 7.0, y / 2.0, 141, 3);
            const double band = std::exp(-std::pow((d + 1.5) / 2.6, 2));
            const double outer =
                std::exp(-std::pow((d + 11.0 + 2.0 * std::sin(x / 23.0)) / 1.6, 2));
            const double foam =
                clamp01(band * smoothstep(0.35, 0.6, lace) + outer * smoothstep(0.42, 0.62, lace));
            if (foam > 0.0) {
                setPixel(img, x, y, mix(pixel(img, x, y), Rgb{246, 248, 246}, foam * 0.9));
            }
        }
    }

    // A towel, and the shadows cast towards us by the palm and the sunshade.
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        // A striped towel spread out on the sand in the shade of the sunshade.
        p.save();
        p.setTransform(QTransform(60.0, 3.0, -10.0, 19.0, 234.0, 228.0)); // unit square -> towel
        p.setPen(Qt::NoPen);
        constexpr int stripes = 7;
        for (int i = 0; i < stripes; ++i) {
            const Rgb cloth = (i % 2 == 0) ? Rgb{72, 140, 196} : Rgb{244, 242, 234};
            p.setBrush(toQColor(cloth));
            p.drawRect(QRectF(static_cast<double>(i) / stripes, 0.0, 1.0 / stripes + 0.002, 1.0));
        }
        QLinearGradient fold(0.0, 0.0, 0.0, 1.0);
        fold.setColorAt(0.0, QColor(255, 255, 255, 40));
        fold.setColorAt(1.0, QColor(90, 70, 50, 45));
        p.setBrush(fold);
        p.drawRect(QRectF(0.0, 0.0, 1.0, 1.0));
        p.restore();

        QRadialGradient shadeUnder(QPointF(300.0, 236.0), 52.0);
        shadeUnder.setColorAt(0.0, toQColor(Rgb{120, 96, 70}, 0.45));
        shadeUnder.setColorAt(0.8, toQColor(Rgb{120, 96, 70}, 0.3));
        shadeUnder.setColorAt(1.0, toQColor(Rgb{120, 96, 70}, 0.0));
        p.setBrush(shadeUnder);
        p.drawEllipse(QPointF(296.0, 238.0), 52.0, 12.0);

        QPainterPath palmShadow;
        palmShadow.moveTo(58.0, 252.0);
        palmShadow.quadTo(40.0, 258.0, 22.0, 266.0);
        palmShadow.lineTo(28.0, 268.0);
        palmShadow.quadTo(46.0, 260.0, 66.0, 254.0);
        palmShadow.closeSubpath();
        p.setBrush(toQColor(Rgb{130, 104, 76}, 0.35));
        p.drawPath(palmShadow);
        p.drawEllipse(QPointF(18.0, 266.0), 24.0, 5.0);
    }

    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        drawSunshade(p, QPointF(306.0, 160.0), QPointF(300.0, 238.0));
        drawPalm(p, rng, QPointF(62.0, 254.0), QPointF(96.0, 74.0));
    }

    addGrain(img, 151, 1.5);
    return img;
}

// ---------------------------------------------------------------------------------------------
// Saving

// Colours the game uses to find its own objects on screen; a background must never contain them.
constexpr std::array<QRgb, 4> reservedColours = {qRgb(0, 0, 255), qRgb(0, 192, 0), qRgb(0, 0, 128),
                                                 qRgb(0, 128, 128)};

// Number of pixels in the decoded file that are exactly one of the reserved colours, or -1 if
// the file cannot be read back.
long reservedPixels(const QString& path) {
    QImage decoded;
    if (!decoded.load(path, "JPG")) {
        return -1;
    }
    decoded = decoded.convertToFormat(QImage::Format_RGB32);
    long hits = 0;
    for (int y = 0; y < decoded.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(decoded.constScanLine(y));
        for (int x = 0; x < decoded.width(); ++x) {
            const QRgb c = row[x] | 0xFF000000U;
            hits += std::count(reservedColours.begin(), reservedColours.end(), c);
        }
    }
    return hits;
}

// 100 dots per inch in every file's header, stated here because Qt's default depends on whether
// a display was opened.
constexpr int dotsPerMeter = 3937;

QImage withResolution(QImage img) {
    img.setDotsPerMeterX(dotsPerMeter);
    img.setDotsPerMeterY(dotsPerMeter);
    return img;
}

bool savePicture(const QImage& picture, const QString& path, QSize expected) {
    if (picture.size() != expected) {
        std::fprintf(stderr, "picture-maker: %s has the wrong size\n", qPrintable(path));
        return false;
    }
    for (int floor = 16; floor <= 64; floor += 16) {
        QImage source = withResolution(picture);
        liftRed(source, floor);
        if (!source.save(path, "JPG", 90)) {
            std::fprintf(stderr, "picture-maker: cannot write %s\n", qPrintable(path));
            return false;
        }
        const long hits = reservedPixels(path);
        if (hits == 0) {
            std::printf("wrote %s (%dx%d)\n", qPrintable(path), expected.width(),
                        expected.height());
            return true;
        }
        if (hits < 0) {
            std::fprintf(stderr, "picture-maker: cannot read back %s\n", qPrintable(path));
            return false;
        }
        std::fprintf(stderr, "picture-maker: %s has %ld pixels in reserved colours, retrying\n",
                     qPrintable(path), hits);
    }
    std::fprintf(stderr, "picture-maker: could not keep reserved colours out of %s\n",
                 qPrintable(path));
    return false;
}

// The application icon: the court in miniature on a rounded tile, two gloobs
// under the ball, drawn large enough to scale down cleanly.
QImage drawIcon() {
    constexpr int size = 256;
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(8, 8, size - 16, size - 16);
    QPainterPath rounded;
    rounded.addRoundedRect(tile, 44, 44);
    QLinearGradient sky(0, tile.top(), 0, tile.bottom());
    sky.setColorAt(0, QColor(120, 190, 245));
    sky.setColorAt(1, QColor(225, 242, 255));
    p.fillPath(rounded, sky);
    p.setClipPath(rounded);
    p.fillRect(QRectF(tile.left(), 196, tile.width(), tile.bottom() - 196), QColor(0, 128, 0));
    p.fillRect(QRectF(122, 138, 12, 58), QColor(0, 128, 128));
    p.fillRect(QRectF(132, 138, 12, 58), QColor(0, 0, 128));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 192, 0));
    p.drawPie(QRectF(28, 146, 100, 100), 0, 180 * 16);
    p.setBrush(QColor(0, 0, 255));
    p.drawPie(QRectF(140, 146, 100, 100), 0, 180 * 16);
    QRadialGradient shine(QPointF(170, 62), 34, QPointF(160, 52));
    shine.setColorAt(0, QColor(255, 150, 150));
    shine.setColorAt(1, QColor(220, 0, 0));
    p.setBrush(shine);
    p.drawEllipse(QPointF(170, 66), 26, 26);
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 60, 90, 160), 4));
    p.drawPath(rounded);
    return icon;
}

// The desktop's icons under the names and folders of the freedesktop icon theme layout.
bool saveDesktopIcons(const QDir& outDir) {
    const QString name = QStringLiteral("io.github.gloobvolleyball.GloobVolleyball");
    for (const int size : desktop_icon::pictureSizes) {
        const QString folder = QStringLiteral("icons/%1x%1").arg(size);
        const QString path = outDir.filePath(folder + "/" + name + ".png");
        if (!outDir.mkpath(folder) || !withResolution(desktop_icon::draw(size)).save(path, "PNG")) {
            std::fprintf(stderr, "picture-maker: cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    const QString path = outDir.filePath("icons/scalable/" + name + ".svg");
    QFile file(path);
    const std::string svg = desktop_icon::svg();
    if (!outDir.mkpath("icons/scalable") || !file.open(QIODevice::WriteOnly) ||
        file.write(svg.data(), static_cast<qint64>(svg.size())) !=
            static_cast<qint64>(svg.size())) {
        std::fprintf(stderr, "picture-maker: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    // Only needed so the JPEG plugin can be found; nothing is shown on screen.
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: picture-maker OUTDIR\n");
        return 2;
    }
    const QDir outDir(QString::fromLocal8Bit(argv[1]));
    if (!outDir.exists() && !QDir().mkpath(outDir.path())) {
        std::fprintf(stderr, "picture-maker: cannot create %s\n", argv[1]);
        return 1;
    }
    const bool ok = savePicture(drawMountain(), outDir.filePath("mountain.jpg"), QSize(600, 348)) &&
                    savePicture(drawBeach(), outDir.filePath("beach.jpg"), QSize(400, 270)) &&
                    withResolution(drawIcon()).save(outDir.filePath("gloob.png"), "PNG") &&
                    saveDesktopIcons(outDir);
    return ok ? 0 : 1;
}
