#pragma once

#include "scene/scene.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gloob {

// What reaches the game from outside, whoever its source: a key, a click, a
// menu command, the keyboard leaving the window; and a script's `end`.
enum class EventKind { keyDown, keyUp, clickPlay, clickExit, menu, focusOut, end };

struct GameEvent {
    EventKind kind = EventKind::end;
    std::uint16_t keyCode = 0;            // keyDown, keyUp
    MenuId menuItem = MenuId::mnuOptions; // menu

    static GameEvent keyDown(std::uint16_t code) { return {EventKind::keyDown, code}; }
    static GameEvent keyUp(std::uint16_t code) { return {EventKind::keyUp, code}; }
    static GameEvent menu(MenuId item) { return {EventKind::menu, 0, item}; }
    static GameEvent of(EventKind kind) { return {kind}; }

    bool operator==(const GameEvent&) const = default;
};

// The word that names a menu command in scripts and traces ("3", "beach",
// "exit"), and back; items that only open submenus have none.
std::optional<std::string_view> menuWord(MenuId item);
std::optional<MenuId> menuItemOfWord(std::string_view word);

// The event as the trace and scripts name it: "keydown 37", "click play",
// "menu beach", "focusout", "end".
std::string eventName(const GameEvent& event);

} // namespace gloob
