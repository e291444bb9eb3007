// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "court_buttons.h"

#include "court_view.h"
#include "written_texts.h"

#include <QPushButton>

namespace gloob {

CourtButtons::CourtButtons(CourtView& court, const Scene& scene, Clicked clicked)
    : clicked_(std::move(clicked)), play_(make(court, scene.cmdPlay, EventKind::clickPlay)),
      exit_(make(court, scene.cmdExit, EventKind::clickExit)) {
    QWidget::setTabOrder(play_, exit_);
    QWidget::setTabOrder(exit_, &court);
    play_->setFocus();
}

QPushButton* CourtButtons::make(CourtView& court, const PushButton& control, EventKind click) {
    auto* button = new QPushButton(shownText(control.Caption), &court);
    court.placeOnCourt(button, control.pixelBox());
    // Enter clicks the focused button, as Space does.
    button->setAutoDefault(true);
    button->setVisible(control.Visible);
    QObject::connect(button, &QPushButton::clicked, &court,
                     [this, click] { clicked_(GameEvent::of(click)); });
    return button;
}

void CourtButtons::show(const Scene& scene, bool active) {
    for (const auto& [button, control] :
         {std::pair{play_, &scene.cmdPlay}, {exit_, &scene.cmdExit}}) {
        if (button->isHidden() == control->Visible) {
            button->setVisible(control->Visible);
            // Back at game over: Enter or Space starts the next match.
            if (button == play_ && control->Visible && active) {
                play_->setFocus();
            }
        }
    }
}

} // namespace gloob
