// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
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
    std::int64_t line = 0;

    bool operator==(const ScriptEvent&) const = default;
};

// Recordings declare the version of the format they are written in with a
// comment line of their own, "# script format 1"; a reader refuses a format
// newer than it knows.
constexpr int scriptFormat = 1;
constexpr std::string_view scriptFormatComment = "# script format ";

struct ScriptError {
    std::int64_t line = 0;
    std::string message;

    bool operator==(const ScriptError&) const = default;
};

// The largest time a script may name: the top of the game's millisecond
// counter, some 49.7 days.
constexpr std::uint64_t maxScriptMilliseconds = 0xFFFF'FFFFULL;

// Far longer than any script line; a longer one is refused as soon as it is
// this long, so that an endless line is never held in memory.
constexpr std::size_t maxLineBytes = 4096;

// One line of a script: an event, nothing (blank or comment only), or what is
// wrong with it.
std::variant<std::monostate, ScriptEvent, ScriptError> parseLine(std::string_view line,
                                                                 std::int64_t lineNumber);

// A whole script, events in file order, or its first malformed line. A line
// ends at LF, CR or CR LF.
std::variant<std::vector<ScriptEvent>, ScriptError> parseScript(std::istream& in);

// A word of the input as a message shows it: quoted, every byte that is not
// printable ASCII (and the backslash) as \xNN, cut with "..." after
// `shownBytes`. Messages then never carry terminal controls, nor a line of
// megabytes.
constexpr std::size_t shownWordBytes = 40;
std::string quotedWord(std::string_view word, std::size_t shownBytes = shownWordBytes);

} // namespace gloob
