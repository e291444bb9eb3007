// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "match/serve.h"
#include "scene/scene.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gloob {

enum class BotStrength { easy, normal, hard };

// A key as the rules' handlers take it: down or up, its code, the shift state.
struct KeyEvent {
    bool down;
    std::int16_t keyCode;
    std::int16_t shift;
    bool operator==(const KeyEvent&) const = default;
};

// What reaches the game from outside, whoever its source: a key, a click, a
// menu command, the keyboard leaving the window, the rule of who serves; and
// two that steer the engine rather than the game: a script's `end`, and a
// side put under a computer player (or taken from it).
enum class EventKind { keyDown, keyUp, clickPlay, clickExit, menu, focusOut, end, bot, serve };

struct GameEvent {
    EventKind kind = EventKind::end;
    std::uint16_t keyCode = 0;                          // keyDown, keyUp
    MenuId menuItem = MenuId::mnuOptions;               // menu
    int side = 0;                                       // bot: 1 or 2
    std::optional<BotStrength> strength = std::nullopt; // bot: none takes the side back
    std::uint32_t seed = 0;                             // bot
    // bot: a program of the player's own plays the side instead (its command
    // line), when not empty.
    std::string command = {};
    ServeRule serveRule = ServeRule::player1; // serve
    // Whose event it is in online play: 1 or 2 for a player's, 0 for one of
    // this machine alone. Names, scripts and traces never show it.
    int origin = 0;

    static GameEvent keyDown(std::uint16_t code) {
        return {.kind = EventKind::keyDown, .keyCode = code};
    }
    static GameEvent keyUp(std::uint16_t code) {
        return {.kind = EventKind::keyUp, .keyCode = code};
    }
    static GameEvent menu(MenuId item) { return {.kind = EventKind::menu, .menuItem = item}; }
    static GameEvent of(EventKind kind) { return {.kind = kind}; }
    static GameEvent bot(int side, std::optional<BotStrength> strength, std::uint32_t seed) {
        return {.kind = EventKind::bot, .side = side, .strength = strength, .seed = seed};
    }
    static GameEvent program(int side, std::string command) {
        return {.kind = EventKind::bot, .side = side, .command = std::move(command)};
    }
    static GameEvent serve(ServeRule rule) { return {.kind = EventKind::serve, .serveRule = rule}; }

    bool operator==(const GameEvent&) const = default;
};

// A handler the engine runs: a timer's, or the one an input was handed to.
struct Handler {
    std::optional<TimerId> timer; // none for an input's handler
    GameEvent input;              // the input, for an input's handler

    static Handler ofTimer(TimerId id) { return {.timer = id, .input = {}}; }
    static Handler ofInput(const GameEvent& event) { return {.timer = {}, .input = event}; }
    bool is(TimerId id) const { return timer == id; }
    bool isMainTick() const { return is(TimerId::tmrMain); }
};

// The word that names a menu command in scripts and traces ("3", "beach",
// "exit"), and back; items that only open submenus have none.
std::optional<std::string_view> menuWord(MenuId item);
std::optional<MenuId> menuItemOfWord(std::string_view word);

// The event as the trace and scripts name it: "keydown 37", "click play",
// "menu beach", "focusout", "end", "bot 2 hard 7", "program 1 ./mine.py",
// "serve loser".
std::string eventName(const GameEvent& event);

// Exit, by its button or its menu item: the one command that ends the program.
bool endsTheProgram(const GameEvent& event);

// The word for a strength in scripts: "easy", "normal", "hard"; "off" for none.
std::string_view strengthWord(std::optional<BotStrength> strength);
std::optional<std::optional<BotStrength>> strengthOfWord(std::string_view word);

// The word for a serve rule in scripts: "player1", "loser", "alternate".
std::string_view serveWord(ServeRule rule);
std::optional<ServeRule> serveRuleOfWord(std::string_view word);

} // namespace gloob
