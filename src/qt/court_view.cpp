// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "court_view.h"

#include "court_blit.h"

#include "scene/twips.h"

#include <QBackingStore>
#include <QCoreApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <tuple>
#include <utility>

namespace gloob {

namespace {

QRect rectOf(const PixelBox& box) {
    return {box.x0, box.y0, box.width(), box.height()};
}

// The font of a child on the court, scaled as the court is.
QFont scaled(const QFont& font, double factor) {
    QFont result = font;
    if (font.pixelSize() > 0) {
        result.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * factor + 0.5)));
    } else {
        result.setPointSizeF(font.pointSizeF() * factor);
    }
    return result;
}

} // namespace

CourtView::CourtView(const Scene& scene, const Compositor& compositor, QWidget* parent)
    : QWidget(parent), scene_(&scene), compositor_(&compositor) {
    // Every pixel is painted from the frame or the margin colour; Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void CourtView::setScene(const Scene& scene, const Compositor& compositor) {
    scene_ = &scene;
    compositor_ = &compositor;
    frame_ = ShownFrame{};
    update();
}

bool CourtView::stale() const {
    return !compositor_->changes(frame_).empty();
}

void CourtView::showChanges() {
    // Painted at once, at the heartbeat that made the change: the frame is
    // on its way to the screen without another pass of the event loop.
    const qreal ratio = devicePixelRatioF();
    const CourtPlacement place = placeCourt(size(), ratio);
    const QRegion changed = compose(place, ratio);
    if (changed.isEmpty() || copyToWindow(changed, place, ratio)) {
        return;
    }
    composed_ = true;
    repaint(changed);
    composed_ = false;
}

// A heartbeat's few small places go straight into the window's buffer and on
// to the screen: through a paint event they cost several times the copy.
// Only court pixels go this way, with nothing drawn over them.
bool CourtView::copyToWindow(const QRegion& changed, const CourtPlacement& place, qreal ratio) {
    QWidget* const top = window();
    QBackingStore* const store = backingStore();
    // A window resized since its last paint has a buffer of the old size.
    if (paused_ || store == nullptr || store->size() != top->size() ||
        top->windowHandle() == nullptr || !top->windowHandle()->isExposed() || !isVisible() ||
        !updatesEnabled()) {
        return false;
    }
    if (!toLogical(place.court(), ratio).contains(changed.boundingRect())) {
        return false;
    }
    for (const QObject* child : children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (widget != nullptr && widget->isVisible() && changed.intersects(widget->geometry())) {
            return false;
        }
    }
    const WindowImage target = windowImageOf(*store, *this);
    if (target.image == nullptr) {
        return false;
    }
    const QRegion inWindow = changed.translated(mapTo(top, QPoint()));
    store->beginPaint(inWindow);
    for (const QRect& logical : changed) {
        blitCourt(target, place, frame_.image, toDevice(logical, ratio));
    }
    store->endPaint();
    store->flush(inWindow, top->windowHandle());
    if (onPainted) {
        onPainted();
    }
    return true;
}

QRegion CourtView::compose(const CourtPlacement& place, qreal ratio) {
    const bool wasDrawn = !frame_.drawn.empty();
    const Colour background = frame_.background;
    std::vector<PixelBox> boxes = compositor_->update(frame_);
    if (boxes.empty()) {
        return {};
    }
    // A new background colour shows in the margins too.
    if (!wasDrawn || background != frame_.background) {
        return rect();
    }
    return regionOf(std::move(boxes), place, ratio);
}

QRegion CourtView::regionOf(std::vector<PixelBox> boxes, const CourtPlacement& place, qreal ratio) {
    // Top to bottom, left to right: most boxes then extend the region at
    // its end instead of being merged into it.
    std::sort(boxes.begin(), boxes.end(), [](const PixelBox& a, const PixelBox& b) {
        return std::tie(a.y0, a.x0) < std::tie(b.y0, b.x0);
    });
    QRegion region;
    for (const PixelBox& box : boxes) {
        region += toLogical(place.onDevice(rectOf(box)), ratio);
    }
    return region;
}

void CourtView::setPaused(bool paused) {
    if (paused_ != paused) {
        paused_ = paused;
        update();
    }
}

void CourtView::placeOnCourt(QWidget* child, const PixelBox& box) {
    onCourt_.push_back({child, box, child->font()});
    placeChildren();
}

void CourtView::setPreferredScale(int scale) {
    preferredScale_ = std::max(1, scale);
    updateGeometry();
}

CourtPlacement CourtView::placement() const {
    return placeCourt(size(), devicePixelRatioF());
}

QSize CourtView::sizeHint() const {
    return viewSizeAt(preferredScale_, devicePixelRatioF());
}

// Never smaller than the court at one device pixel a court pixel: the court
// is shown whole or not at all.
QSize CourtView::minimumSizeHint() const {
    return viewSizeAt(1, devicePixelRatioF());
}

void CourtView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeChildren();
}

void CourtView::placeChildren() {
    const CourtPlacement place = placement();
    const qreal ratio = devicePixelRatioF();
    for (OnCourt& child : onCourt_) {
        if (child.widget.isNull()) {
            continue;
        }
        child.widget->setGeometry(toLogical(place.onDevice(rectOf(child.box)), ratio));
        const QFont font = scaled(child.font, place.scale / ratio);
        if (child.widget->font() != font) {
            child.widget->setFont(font);
        }
    }
}

void CourtView::paintEvent(QPaintEvent* event) {
    // The scene may have changed since the last refresh (the first frame,
    // a test): what changed outside this paint is repainted next.
    if (!composed_) {
        const QRegion missed = compose(placement(), devicePixelRatioF()) - event->region();
        if (!missed.isEmpty()) {
            update(missed);
        }
    }

    QPainter painter(this);
    // Where this paint lands: the screen, or an image of another ratio.
    const qreal ratio = painter.deviceTransform().m11();
    const CourtPlacement place = placeCourt(size(), ratio);
    // From here on in device pixels, so that court pixels become whole blocks.
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // RGB32 ignores the unused top byte, so the frame's words are shown as they are.
    const QImage image(reinterpret_cast<const uchar*>(frame_.image.pixels.data()),
                       frame_.image.width, frame_.image.height,
                       static_cast<qsizetype>(frame_.image.width) * 4, QImage::Format_RGB32);
    const QColor margin = QColor::fromRgb(toRgb(frame_.background));
    const QRect court = place.court();
    for (const QRect& logical : event->region()) {
        const QRect device = toDevice(logical, ratio);
        if (!court.contains(device)) {
            for (const QRect& outside : QRegion(device).subtracted(court)) {
                painter.fillRect(outside, margin);
            }
        }
        const QRect source = place.courtPixelsUnder(device & court);
        if (!source.isEmpty()) {
            painter.drawImage(place.onDevice(source), image, source);
        }
    }
    if (paused_) {
        drawPaused(painter, place);
    }
    if (onPainted) {
        onPainted();
    }
}

// A dark band across the middle of the court, from wall to wall, with the
// word in white, both scaled with the court.
void CourtView::drawPaused(QPainter& painter, const CourtPlacement& place) const {
    const QRect court = place.court();
    const int bandHeight = 80 * place.scale;
    const int leftWall = pixelOf(scene_->shpLeft.Left);
    const int rightWall = pixelOf(scene_->shpRight.Left + scene_->shpRight.Width);
    const QRect band(court.x() + leftWall * place.scale,
                     court.y() + (court.height() - bandHeight) / 2,
                     (rightWall - leftWall) * place.scale, bandHeight);
    painter.fillRect(band, QColor(0, 0, 0, 140));
    QFont font = this->font();
    font.setBold(true);
    font.setPixelSize(48 * place.scale);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(band, Qt::AlignCenter, QCoreApplication::translate("CourtView", "PAUSED"));
}

} // namespace gloob
