// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "game_snapshot.h"

#include <bit>
#include <string_view>
#include <type_traits>

namespace gloob {

namespace {

class Fnv1a {
public:
    void bytes(const void* data, std::size_t size) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) {
            hash_ = (hash_ ^ p[i]) * 0x100000001b3ull;
        }
    }
    template <typename Number> void number(Number value) { bytes(&value, sizeof value); }
    // Positions by their bits: two machines agree to the last one.
    void number(float value) { number(std::bit_cast<std::uint32_t>(value)); }
    void number(bool value) { number(static_cast<std::uint8_t>(value)); }
    void text(std::string_view value) {
        number(value.size());
        bytes(value.data(), value.size());
    }
    void box(float left, float top, float width, float height) {
        number(left);
        number(top);
        number(width);
        number(height);
    }
    std::uint64_t value() const { return hash_; }

private:
    std::uint64_t hash_ = 0xcbf29ce484222325ull;
};

void hashScene(const Scene& scene, Fnv1a& h) {
    h.text(scene.Caption);
    for (const Layer& layer : stackingOrder) {
        switch (layer.kind) {
        case Layer::Kind::shape: {
            const Shape& s = scene.*layer.shape;
            h.box(s.Left, s.Top, s.Width, s.Height);
            h.number(s.Visible);
            break;
        }
        case Layer::Kind::label: {
            const Label& l = scene.*layer.label;
            h.box(l.Left, l.Top, l.Width, l.Height);
            h.text(l.Caption);
            h.number(l.Visible);
            break;
        }
        case Layer::Kind::picture: {
            const Picture& p = scene.*layer.picture;
            h.box(p.Left, p.Top, p.Width, p.Height);
            h.number(p.Visible);
            break;
        }
        }
    }
    for (const PushButton* button : {&scene.cmdPlay, &scene.cmdExit}) {
        h.number(button->Visible);
    }
    for (const TimerId timer : timersInDispatchOrder) {
        h.number(scene.timer(timer).Interval);
    }
    for (const MenuEntry& entry : menuTree) {
        h.number((scene.*entry.item).Checked);
    }
}

} // namespace

std::uint64_t GameSnapshot::digest() const {
    Fnv1a h;
    h.number(micros);
    hashScene(scene, h);
    // Nothing but 16-bit numbers, so its bytes are its values.
    static_assert(std::has_unique_object_representations_v<MatchState>);
    h.bytes(&state, sizeof state);
    h.number(static_cast<int>(serve.rule));
    h.number(serve.server);
    for (const std::int64_t due : timersDue) {
        h.number(due);
    }
    h.number(pending.size());
    for (const GameEvent& event : pending) {
        h.number(static_cast<int>(event.kind));
        h.number(event.keyCode);
        h.number(static_cast<int>(event.menuItem));
        h.number(event.side);
        h.number(event.strength ? static_cast<int>(*event.strength) : -1);
        h.number(event.seed);
        h.number(static_cast<int>(event.serveRule));
        h.number(event.origin);
    }
    h.number(heldKeys.size());
    for (const std::uint16_t key : heldKeys) {
        h.number(key);
    }
    h.number(heldKeysOn[0]);
    h.number(heldKeysOn[1]);
    h.number(ended);
    return h.value();
}

} // namespace gloob
