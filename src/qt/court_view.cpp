#include "court_view.h"

#include "scene/twips.h"

#include <QImage>
#include <QPainter>

namespace gloob {

CourtView::CourtView(const Scene& scene, const Compositor& compositor, QWidget* parent)
    : QWidget(parent), scene_(&scene), compositor_(&compositor) {
    setFixedSize(clientWidthPixels, clientHeightPixels);
    // Every pixel is painted from the frame; Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void CourtView::setScene(const Scene& scene, const Compositor& compositor) {
    scene_ = &scene;
    compositor_ = &compositor;
    painted_.reset();
    update();
}

void CourtView::paintEvent(QPaintEvent* /*event*/) {
    if (stale()) {
        compositor_->render(frame_);
        painted_ = *scene_;
    }
    // RGB32 ignores the unused top byte, so the frame's words are shown as they are.
    const QImage image(reinterpret_cast<const uchar*>(frame_.pixels.data()), frame_.width,
                       frame_.height, static_cast<qsizetype>(frame_.width) * 4,
                       QImage::Format_RGB32);
    QPainter painter(this);
    // On a scaled screen each court pixel becomes a block of whole pixels, never a blur.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), image);
    if (onPainted) {
        onPainted();
    }
}

} // namespace gloob
