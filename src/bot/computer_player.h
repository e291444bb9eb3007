// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/auto_repeat_filter.h"
#include "direction_key.h"
#include "match/match_state.h"
#include "random.h"
#include "scene/scene.h"
#include "sighting.h"
#include "strength.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace gloob::bot {

class Planner;
struct Plan;
class Person;
class SplitMixDraws;
template <typename Model, typename Draws> class Lookahead;

// A computer player for one side. It sees what a player sees, foresees the
// ball with the game's own rules on a copy of the court, and plays through
// its own side's keys only. It holds a direction key to walk and releases it
// to stop, like a person; it taps the jump key.
class ComputerPlayer final : public Autopilot {
public:
    ComputerPlayer(int side /* 1 or 2 */, BotStrength strength, std::uint32_t seed);
    ~ComputerPlayer() override;
    ComputerPlayer(ComputerPlayer&&) noexcept;
    ComputerPlayer& operator=(ComputerPlayer&&) noexcept;

    // Called once at every heartbeat of the game's main loop, after that
    // heartbeat's other input and before its timers fire. Returns the key
    // events of its own side to hand to the rules now.
    std::vector<KeyEvent> decide(const Scene& scene, const MatchState& state) override;

    int side() const { return side_; }
    BotStrength strength() const { return strength_; }

private:
    std::vector<KeyEvent> searchOn(const Scene& scene, const MatchState& state);
    const Sighting& seenAgo(int heartbeats) const;
    void learnBallTimer();
    void replan(const Sighting& current);
    void makePlan(const Sighting& seen, std::int64_t seenAt, const Sighting& current);
    void steer(const Sighting& current, std::vector<KeyEvent>& keys);

    int side_;
    BotStrength strength_;
    StrengthProfile profile_;
    SplitMix64 random_;
    std::int16_t leftKey_, rightKey_, jumpKey_;

    // Strengths that play points out to their end search with this.
    std::unique_ptr<Lookahead<Person, SplitMixDraws>> lookahead_;
    std::unique_ptr<Planner> planner_;
    std::unique_ptr<Plan> plan_;
    // The latest sightings, oldest first; one more than the reaction delay.
    std::vector<Sighting> memory_;
    // Its own body in the main tick of each of those heartbeats, with the
    // step and jump its keys gave it: a player knows what its body did.
    std::vector<BodyState> moves_;
    std::int64_t heartbeat_ = -1;
    int ballTickParity_ = 0;
    float aimError_ = 0;
    DirectionKey direction_;
};

// How an engine makes the computer players that `bot` events ask for.
AutopilotMaker computerPlayers();

} // namespace gloob::bot
