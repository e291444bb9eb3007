// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "player_choices.h"

#include "app/engine.h"
#include "pads/pad_input.h"
#include "program_menu.h"
#include "settings/mended_settings.h"
#include "sound/game_sounds.h"
#include "startup_timeline.h"

#include <QCoreApplication>
#include <QSettings>

#include <cstdio>

namespace gloob {

void postChoices(Engine& engine, const GameSettings& settings) {
    for (const MenuId choice : {settings.matchLength, settings.background}) {
        if (!engine.window().scene.menu(choice).Checked) {
            engine.post(GameEvent::menu(choice));
        }
    }
    if (engine.window().serve.rule != settings.serve) {
        engine.post(GameEvent::serve(settings.serve));
    }
}

PlayerChoices::PlayerChoices(FrontEnd& window, Devices devices, Changed changed)
    : window_(window), devices_(devices), changed_(std::move(changed)) {
    if (devices.settings) {
        store_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             QCoreApplication::organizationName(),
                                             QCoreApplication::applicationName());
        settings_ = loadAndMendSettings(*store_, [](const QString& warning) {
            std::fprintf(stderr, "gloob: settings: %s\n", qPrintable(warning));
        });
        markStartup("settings");
    }
}

void PlayerChoices::openDevices(Engine& running) {
    if (devicesOpen_) {
        return;
    }
    devicesOpen_ = true;
    if (devices_.pads) {
        pads_ = std::make_unique<PadInput>();
        pads_->setSwapped(settings_.padsSwapped);
    }
    if (devices_.sound) {
        sounds_ = std::make_unique<GameSounds>([](const QString& problem) {
            std::fprintf(stderr, "gloob: sound: %s\n", qPrintable(problem));
        });
        sounds_->setEnabled(settings_.sound);
        sounds_->setVolume(settings_.volume);
    }
    watch(running);
}

void PlayerChoices::watch(Engine& engine) {
    if (sounds_) {
        sounds_->watch(engine);
    }
}

PlayerChoices::~PlayerChoices() = default;

void PlayerChoices::apply(const GameSettings& settings) {
    settings_ = settings;
    if (pads_) {
        pads_->setSwapped(settings_.padsSwapped);
    }
    if (sounds_) {
        sounds_->setEnabled(settings_.sound);
        sounds_->setVolume(settings_.volume);
    }
    if (store_) {
        saveSettings(*store_, settings_);
    }
    changed_(settings_);
}

void PlayerChoices::remember(const Scene& scene) {
    GameSettings chosen = settings_;
    for (const MenuId item : numberOfBallsGroup) {
        if (scene.menu(item).Checked) {
            chosen.matchLength = item;
        }
    }
    for (const MenuId item : backroundGroup) {
        if (scene.menu(item).Checked) {
            chosen.background = item;
        }
    }
    if (chosen != settings_) {
        apply(chosen);
    }
}

void PlayerChoices::seatComputerPlayers(Engine& engine) {
    for (int player : {1, 2}) {
        const auto& strength = settings_.computer[static_cast<std::size_t>(player - 1)];
        engine.post(GameEvent::bot(player, strength, seeds_()));
    }
    if (programs_ != nullptr) {
        programs_->seat(engine);
    }
}

// The player's last choices, made again as menu commands at the first
// heartbeat, and recorded like any.
std::optional<std::int64_t> PlayerChoices::begin(Engine& engine) {
    for (int player : {1, 2}) {
        engine.setHeldKeys(player, settings_.heldKeys);
    }
    postChoices(engine, settings_);
    if (settings_.computer[0] || settings_.computer[1]) {
        seatComputerPlayers(engine);
    }
    return std::nullopt;
}

} // namespace gloob
