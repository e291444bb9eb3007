#include "script.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <utility>

namespace gloob {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::vector<std::string_view> wordsOf(std::string_view line) {
    if (const auto hash = line.find('#'); hash != std::string_view::npos) {
        line = line.substr(0, hash);
    }
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i])) {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i])) {
            ++i;
        }
        if (i > start) {
            words.push_back(line.substr(start, i - start));
        }
    }
    return words;
}

// Plain decimal digits only: no sign, no blanks, no base prefix.
std::optional<std::uint64_t> decimal(std::string_view word, std::uint64_t max) {
    if (word.empty()) {
        return std::nullopt;
    }
    for (char c : word) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc{} || end != word.data() + word.size() || value > max) {
        return std::nullopt;
    }
    return value;
}

std::string quoted(std::string_view word) {
    return "'" + std::string(word) + "'";
}

// What follows the keyword of an event that takes one more word.
std::string_view argumentOf(EventKind kind) {
    switch (kind) {
    case EventKind::keyDown:
    case EventKind::keyUp:
        return "key code";
    case EventKind::clickPlay:
    case EventKind::clickExit:
        return "button (play or exit)";
    case EventKind::menu:
        return "menu item";
    case EventKind::focusOut:
    case EventKind::end:
    case EventKind::bot:
        break;
    }
    return {};
}

} // namespace

namespace {
// The format a "# script format N" line declares: N, -1 when N is not a
// number, nothing for any other line.
std::optional<int> declaredFormat(std::string_view line) {
    if (!line.starts_with(scriptFormatComment)) {
        return std::nullopt;
    }
    std::string_view number = line.substr(scriptFormatComment.size());
    while (!number.empty() && isBlank(number.back())) {
        number.remove_suffix(1);
    }
    const auto value = decimal(number, 1'000'000);
    return value ? static_cast<int>(*value) : -1;
}
} // namespace

std::variant<std::monostate, ScriptEvent, ScriptError> parseLine(std::string_view line,
                                                                 int lineNumber) {
    if (const auto format = declaredFormat(line)) {
        if (*format == scriptFormat) {
            return std::monostate{};
        }
        if (*format > scriptFormat) {
            return ScriptError{lineNumber,
                               "written by a newer version of the game (script format " +
                                   std::to_string(*format) + "; this one reads format " +
                                   std::to_string(scriptFormat) + ")"};
        }
        return ScriptError{lineNumber, "unknown script format"};
    }
    const std::vector<std::string_view> words = wordsOf(line);
    if (words.empty()) {
        return std::monostate{};
    }
    const auto error = [lineNumber](std::string message) {
        return ScriptError{lineNumber, std::move(message)};
    };

    ScriptEvent event;
    event.line = lineNumber;
    const auto time = decimal(words[0], maxScriptMilliseconds);
    if (!time) {
        return error("bad time " + quoted(words[0]) +
                     " (milliseconds, a decimal number from 0 to " +
                     std::to_string(maxScriptMilliseconds) + ")");
    }
    event.milliseconds = static_cast<std::int64_t>(*time);
    if (words.size() < 2) {
        return error("missing event after the time");
    }

    const std::string_view keyword = words[1];
    if (keyword == "keydown") {
        event.kind = EventKind::keyDown;
    } else if (keyword == "keyup") {
        event.kind = EventKind::keyUp;
    } else if (keyword == "click") {
        event.kind = EventKind::clickPlay; // settled by the button's word below
    } else if (keyword == "menu") {
        event.kind = EventKind::menu;
    } else if (keyword == "focusout") {
        event.kind = EventKind::focusOut;
    } else if (keyword == "end") {
        event.kind = EventKind::end;
    } else {
        return error("unknown event " + quoted(keyword));
    }

    const std::string_view argument = argumentOf(event.kind);
    const std::size_t expected = argument.empty() ? 2 : 3;
    if (words.size() < expected) {
        return error("missing " + std::string(argument) + " after " + quoted(keyword));
    }
    if (words.size() > expected) {
        return error("unexpected " + quoted(words[expected]) + " after " +
                     quoted(words[expected - 1]));
    }

    switch (event.kind) {
    case EventKind::keyDown:
    case EventKind::keyUp: {
        const auto code = decimal(words[2], 65535);
        if (!code) {
            return error("bad key code " + quoted(words[2]) +
                         " (a decimal number from 0 to 65535)");
        }
        event.keyCode = static_cast<std::uint16_t>(*code);
        event.name = std::string(keyword) + " " + std::to_string(event.keyCode);
        break;
    }
    case EventKind::clickPlay:
    case EventKind::clickExit:
        if (words[2] == "play") {
            event.kind = EventKind::clickPlay;
        } else if (words[2] == "exit") {
            event.kind = EventKind::clickExit;
        } else {
            return error("unknown button " + quoted(words[2]) + " (play or exit)");
        }
        event.name = "click " + std::string(words[2]);
        break;
    case EventKind::menu: {
        const auto item = menuItemOfWord(words[2]);
        if (!item) {
            return error("unknown menu item " + quoted(words[2]) +
                         " (3, 5, 8, mountain, beach, none, instructions, about or exit)");
        }
        event.menuItem = *item;
        event.name = "menu " + std::string(words[2]);
        break;
    }
    case EventKind::focusOut:
    case EventKind::end:
    case EventKind::bot:
        event.name = std::string(keyword);
        break;
    }
    return event;
}

std::variant<std::vector<ScriptEvent>, ScriptError> parseScript(std::istream& in) {
    std::vector<ScriptEvent> events;
    std::string text;
    int lineNumber = 0;
    bool recording = false;
    while (std::getline(in, text)) {
        ++lineNumber;
        recording = recording || declaredFormat(text).has_value();
        // A recording is written a whole line at a time: one that stops in
        // the middle of a line was cut short.
        if (recording && in.eof() && !wordsOf(text).empty()) {
            return ScriptError{lineNumber, "truncated: the recording ends in the middle of a line"};
        }
        auto parsed = parseLine(text, lineNumber);
        if (auto* error = std::get_if<ScriptError>(&parsed)) {
            return std::move(*error);
        }
        if (auto* event = std::get_if<ScriptEvent>(&parsed)) {
            events.push_back(std::move(*event));
        }
    }
    if (in.bad()) {
        return ScriptError{lineNumber + 1, "read error"};
    }
    return events;
}

} // namespace gloob
