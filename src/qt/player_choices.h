// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "game_starter.h"
#include "settings/game_settings.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <random>

class QSettings;

namespace gloob {

class GameSounds;
class PadInput;
class ProgramMenu;
struct Scene;

// The host's match length and background, as menu commands at the game's
// first heartbeat, recorded like any.
void postChoices(Engine& engine, const GameSettings& settings);

// The players' choices, kept between runs when the launch asks for it, and
// the pads and sound they set up. A live game at this keyboard starts with them.
class PlayerChoices final : public GameStarter {
public:
    struct Devices {
        bool settings = false; // read and keep the choices
        bool pads = false;
        bool sound = false;
    };
    // Told of every change, after the devices have it.
    using Changed = std::function<void(const GameSettings&)>;

    PlayerChoices(FrontEnd& window, Devices devices, Changed changed);
    ~PlayerChoices() override;

    const GameSettings& settings() const { return settings_; }
    void apply(const GameSettings& settings);
    // The match length and background the player just chose, kept for the next run.
    void remember(const Scene& scene);
    // Each side under the computer player the options name (with a new seed:
    // the computer's keys are recorded, never its seed), or a program, or a person.
    void seatComputerPlayers(Engine& engine);
    // The sides' programs, from the Players menu, once it exists.
    void setPrograms(const ProgramMenu* programs) { programs_ = programs; }

    // Opens the pads and the sound the launch asked for. Both can take long
    // (a sound server to reach, devices to scan), so the window opens them
    // once its first frame is on the screen.
    void openDevices(Engine& running);
    bool devicesOpen() const { return devicesOpen_; }
    // The sound follows this game.
    void watch(Engine& engine);
    // Each nothing until opened, or when the launch did not ask for it.
    PadInput* pads() const { return pads_.get(); }
    GameSounds* sounds() const { return sounds_.get(); }

    FrontEnd& frontEnd() override { return window_; }
    void prepare(Engine& /*engine*/) override {}
    std::optional<std::int64_t> begin(Engine& engine) override;
    bool isOnlineMatch() const override { return false; }

private:
    FrontEnd& window_;
    Devices devices_;
    bool devicesOpen_ = false;
    Changed changed_;
    std::unique_ptr<QSettings> store_;
    std::unique_ptr<PadInput> pads_;
    std::unique_ptr<GameSounds> sounds_;
    GameSettings settings_;
    const ProgramMenu* programs_ = nullptr;
    // Fresh seeds for computer players: a new game each time.
    std::random_device seeds_;
};

} // namespace gloob
