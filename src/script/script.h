#pragma once

#include "scene/scene.h"

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace gloob {

enum class EventKind { keyDown, keyUp, clickPlay, clickExit, menu, focusOut, end };

// One timed input of a script.
struct ScriptEvent {
    std::int64_t milliseconds = 0;
    EventKind kind = EventKind::end;
    std::uint16_t keyCode = 0;            // keyDown, keyUp
    MenuId menuItem = MenuId::mnuOptions; // menu
    // As it appears in the trace: "keydown 37", "click play", "menu beach".
    std::string name;
    int line = 0;

    bool operator==(const ScriptEvent&) const = default;
};

struct ScriptError {
    int line = 0;
    std::string message;

    bool operator==(const ScriptError&) const = default;
};

// The largest time a script may name: far beyond any game, yet small enough
// that the run's microseconds and its ten seconds of grace never overflow.
constexpr std::uint64_t maxScriptMilliseconds = 1'000'000'000'000ULL;

// One line of a script: an event, nothing (blank or comment only), or what is
// wrong with it.
std::variant<std::monostate, ScriptEvent, ScriptError> parseLine(std::string_view line,
                                                                 int lineNumber);

// A whole script, events in file order, or its first malformed line.
std::variant<std::vector<ScriptEvent>, ScriptError> parseScript(std::istream& in);

} // namespace gloob
