#pragma once

#include "app/game_event.h"
#include "scene/scene.h"

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace gloob {

// One timed input of a script.
struct ScriptEvent : GameEvent {
    std::int64_t milliseconds = 0;
    // As it appears in the trace: "keydown 37", "click play", "menu beach".
    std::string name;
    int line = 0;

    bool operator==(const ScriptEvent&) const = default;
};

// Recordings declare the version of the format they are written in with a
// comment line of their own, "# script format 1"; a reader refuses a format
// newer than it knows.
constexpr int scriptFormat = 1;
constexpr std::string_view scriptFormatComment = "# script format ";

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
