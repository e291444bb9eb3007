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
    std::int64_t line = 0;

    bool operator==(const ScriptEvent&) const = default;
};

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
