#pragma once

#include "scene/compositor.h"
#include "scene/raster.h"
#include "scene/scene.h"

#include <QWidget>

#include <functional>
#include <optional>

namespace gloob {

// The client area: the composed court, drawn from the scene. A frame is
// composed only when the scene differs from the one last painted, so an idle
// court costs one comparison per paint.
class CourtView final : public QWidget {
public:
    CourtView(const Scene& scene, const Compositor& compositor, QWidget* parent = nullptr);

    // Shows another game's scene from now on.
    void setScene(const Scene& scene, const Compositor& compositor);

    // Whether the scene changed since the last paint.
    bool stale() const { return !painted_ || *painted_ != *scene_; }

    std::function<void()> onPainted;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Scene* scene_;
    const Compositor* compositor_;
    std::optional<Scene> painted_;
    RgbImage frame_;
};

} // namespace gloob
