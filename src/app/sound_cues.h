// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "engine.h"
#include "match/match_state.h"
#include "scene/controls.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace gloob {

// What a player hears, in the order the cues of one handler are given.
enum class Cue { serve, jump, hit, jumpHit, wall, ceiling, netPost, netTop, point, gameOver };
inline constexpr std::array allCues{Cue::serve, Cue::jump,    Cue::hit,     Cue::jumpHit,
                                    Cue::wall,  Cue::ceiling, Cue::netPost, Cue::netTop,
                                    Cue::point, Cue::gameOver};

// The cue's effect, as its sound file is named: "jump-hit" for assets/sounds/jump-hit.wav.
// The ceiling sounds like a wall.
std::string_view effectOf(Cue cue);
// The cue's own name, for messages and tests: "jumpHit".
std::string_view cueName(Cue cue);

// Tells which effects a handler is due, from what it changed: the state is
// taken as a handler starts and compared when it returns. A handler that
// waits runs others inside it; what they change is theirs, not the waiting
// handler's. Watches the game only: it never changes play.
class SoundCues final : public EngineObserver {
public:
    // A handler that returned and the cues it is due, in the order of Cue.
    using Listener =
        std::function<void(std::int64_t micros, const Handler& handler, const std::vector<Cue>&)>;

    explicit SoundCues(Listener listener) : listener_(std::move(listener)) {}

    // Forgets the handlers of a game that was stopped in the middle of one.
    void reset() {
        open_.clear();
        lastMainTick_ = {};
    }

    void rewound() override { reset(); }
    void handlerStarting(std::int64_t micros, const FrmGloob& frm) override;
    void handlerReturned(std::int64_t micros, const Handler& handler, const FrmGloob& frm) override;

    // What the net's probes see at the ball: a post at the middle of either
    // side, a post under the middle of its underside.
    struct NetProbes {
        bool side = false;
        bool underside = false;
    };
    // What the cues are told from.
    struct Snapshot {
        MatchState state;
        Shape ball, body1, body2;
        bool gameOverShown = false;
        NetProbes net;
    };

private:
    static Snapshot take(const FrmGloob& frm);
    // The cues of one stretch of a handler, from its state before to after.
    // A ball that stays against the net from one main tick to the next (it
    // slides down a post, or sinks into one) makes one sound: `lastMainTick`
    // is what the probes found when the main tick before this one ended.
    static std::vector<Cue> cuesBetween(const Handler& handler, const Snapshot& before,
                                        const Snapshot& after, NetProbes lastMainTick,
                                        const Scene& court);

    // A handler on the stack: where its own stretch began, and what it was
    // found due before the handlers it ran.
    struct Open {
        Snapshot since;
        std::vector<std::pair<Snapshot, Snapshot>> stretches;
    };

    Listener listener_;
    std::vector<Open> open_;
    NetProbes lastMainTick_;
};

} // namespace gloob
