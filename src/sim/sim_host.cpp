#include "sim_host.h"

#include "scene/twips.h"

#include <algorithm>

namespace gloob::sim {

namespace {

constexpr float screenWidthPixels = 1280;
constexpr float screenHeightPixels = 1024;
// A plain frame: a 1-pixel border, a 22-pixel caption and a 20-pixel menu bar.
constexpr float frameWidthPixels = 2;
constexpr float frameHeightPixels = 2 + 22 + 20;

std::string_view timerName(TimerId timer) {
    switch (timer) {
    case TimerId::tmrMain:
        return "tmrMain";
    case TimerId::tmrBall:
        return "tmrBall";
    case TimerId::tmrJump1:
        return "tmrJump1";
    case TimerId::tmrJump2:
        break;
    }
    return "tmrJump2";
}

} // namespace

SimHost::SimHost(std::vector<ScriptEvent> events, TraceWriter& trace)
    : events_(std::move(events)), trace_(trace) {
    std::stable_sort(events_.begin(), events_.end(),
                     [](const auto& a, const auto& b) { return a.milliseconds < b.milliseconds; });
}

void SimHost::deliverPendingInput() {
    // A handler may wait and so come back here: the cursor moves on before
    // each event is handed over, so that no event is delivered twice.
    while (next_ < events_.size() && events_[next_].milliseconds * 1000 <= clock_.nowMicros()) {
        deliver(events_[next_++]);
    }
}

void SimHost::deliver(const ScriptEvent& event) {
    FrmGloob& frm = *frm_;
    switch (event.kind) {
    case EventKind::keyDown:
        frm.Form_KeyDown(static_cast<std::int16_t>(event.keyCode), 0);
        break;
    case EventKind::keyUp:
        frm.Form_KeyUp(static_cast<std::int16_t>(event.keyCode), 0);
        break;
    case EventKind::clickPlay:
        if (!frm.scene.cmdPlay.Visible) {
            return; // a hidden button cannot be clicked
        }
        frm.cmdPlay_Click();
        break;
    case EventKind::clickExit:
        if (!frm.scene.cmdExit.Visible) {
            return;
        }
        frm.cmdExit_Click();
        break;
    case EventKind::menu:
        frm.menuClick(event.menuItem);
        break;
    case EventKind::focusOut:
        frm.Form_LostFocus();
        break;
    case EventKind::end:
        throw ScriptEnded{};
    }
    trace_.state(clock_.nowMicros(), event.name, frm);
}

void SimHost::showMessage(std::string_view text) {
    trace_.messageBox(clock_.nowMicros(), text);
}

TwipRect SimHost::availableScreen() {
    return {0, 0, screenWidthPixels * twipsPerPixel, screenHeightPixels * twipsPerPixel};
}

TwipRect SimHost::windowOuterFrame() {
    const Scene& scene = frm_->scene;
    return {0, 0, scene.ClientWidth + frameWidthPixels * twipsPerPixel,
            scene.ClientHeight + frameHeightPixels * twipsPerPixel};
}

void SimHost::endProgram() {
    trace_.exit(clock_.nowMicros());
}

void SimHost::timerHandled(TimerId timer) {
    trace_.state(clock_.nowMicros(), timerName(timer), *frm_);
}

} // namespace gloob::sim
