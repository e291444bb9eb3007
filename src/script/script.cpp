// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
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

bool allDigits(std::string_view word) {
    return !word.empty() &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Plain decimal digits only: no sign, no blanks, no base prefix.
std::optional<std::uint64_t> decimal(std::string_view word, std::uint64_t max) {
    if (!allDigits(word)) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc{} || end != word.data() + word.size() || value > max) {
        return std::nullopt;
    }
    return value;
}

// How a line ended: at a line end, at the end of the input without one, or
// not at all within maxLineBytes.
enum class LineEnd { found, unterminated, tooLong, endOfInput };

// One line into `text` without its end (LF, CR or CR LF), never more than
// maxLineBytes of it.
LineEnd readLine(std::istream& in, std::string& text) {
    text.clear();
    for (;;) {
        const auto c = in.get();
        if (c == std::istream::traits_type::eof()) {
            return text.empty() ? LineEnd::endOfInput : LineEnd::unterminated;
        }
        if (c == '\n') {
            return LineEnd::found;
        }
        if (c == '\r') {
            if (in.peek() == '\n') {
                in.get();
            }
            return LineEnd::found;
        }
        if (text.size() == maxLineBytes) {
            return LineEnd::tooLong;
        }
        text += static_cast<char>(c);
    }
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
    case EventKind::serve:
        return "serve rule";
    case EventKind::focusOut:
    case EventKind::end:
    case EventKind::bot:
        break;
    }
    return {};
}

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

// "<ms> bot 1|2 off|easy|normal|hard [SEED]": a side under a computer player
// from then on, or taken back from it.
template <typename Error>
std::variant<std::monostate, ScriptEvent, ScriptError>
parseBot(const std::vector<std::string_view>& words, ScriptEvent event, const Error& error) {
    event.kind = EventKind::bot;
    if (words.size() < 4) {
        return error("missing " + std::string(words.size() < 3 ? "side (1 or 2)" : "strength") +
                     " after " + quotedWord(words[words.size() - 1]));
    }
    if (words[2] != "1" && words[2] != "2") {
        return error("bad side " + quotedWord(words[2]) + " (1 or 2)");
    }
    event.side = words[2] == "1" ? 1 : 2;
    const auto strength = strengthOfWord(words[3]);
    if (!strength) {
        return error("unknown strength " + quotedWord(words[3]) + " (off, easy, normal or hard)");
    }
    event.strength = *strength;
    const std::size_t expected = event.strength ? 5 : 4;
    if (words.size() > expected) {
        return error("unexpected " + quotedWord(words[expected]) + " after " +
                     quotedWord(words[expected - 1]));
    }
    if (words.size() == 5) {
        const auto seed = decimal(words[4], 0xFFFF'FFFFULL);
        if (!seed) {
            return error("bad seed " + quotedWord(words[4]) +
                         " (a decimal number from 0 to 4294967295)");
        }
        event.seed = static_cast<std::uint32_t>(*seed);
    }
    event.name = eventName(event);
    return event;
}

// "<ms> program 1|2 COMMAND...": a side played by a program of the player's
// own from then on; the command's words are the program and its arguments.
template <typename Error>
std::variant<std::monostate, ScriptEvent, ScriptError>
parseProgram(const std::vector<std::string_view>& words, ScriptEvent event, const Error& error) {
    event.kind = EventKind::bot;
    if (words.size() < 4) {
        return error("missing " + std::string(words.size() < 3 ? "side (1 or 2)" : "command") +
                     " after " + quotedWord(words[words.size() - 1]));
    }
    if (words[2] != "1" && words[2] != "2") {
        return error("bad side " + quotedWord(words[2]) + " (1 or 2)");
    }
    event.side = words[2] == "1" ? 1 : 2;
    for (std::size_t i = 3; i < words.size(); ++i) {
        event.command += (i > 3 ? " " : "") + std::string(words[i]);
    }
    event.name = eventName(event);
    return event;
}

} // namespace

std::string quotedWord(std::string_view word, std::size_t shownBytes) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string shown = "'";
    for (const char c : word.substr(0, shownBytes)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            shown += c;
        } else {
            shown += "\\x";
            shown += hex[byte >> 4];
            shown += hex[byte & 0xF];
        }
    }
    shown += word.size() > shownBytes ? "...'" : "'";
    return shown;
}

std::variant<std::monostate, ScriptEvent, ScriptError> parseLine(std::string_view line,
                                                                 std::int64_t lineNumber) {
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
    if (!time && allDigits(words[0])) {
        return error("time " + quotedWord(words[0]) +
                     " is beyond the millisecond counter (at most " +
                     std::to_string(maxScriptMilliseconds) + ")");
    }
    if (!time) {
        return error("bad time " + quotedWord(words[0]) +
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
    } else if (keyword == "serve") {
        event.kind = EventKind::serve;
    } else if (keyword == "bot") {
        return parseBot(words, std::move(event), error);
    } else if (keyword == "program") {
        return parseProgram(words, std::move(event), error);
    } else {
        return error("unknown event " + quotedWord(keyword));
    }

    const std::string_view argument = argumentOf(event.kind);
    const std::size_t expected = argument.empty() ? 2 : 3;
    if (words.size() < expected) {
        return error("missing " + std::string(argument) + " after " + quotedWord(keyword));
    }
    if (words.size() > expected) {
        return error("unexpected " + quotedWord(words[expected]) + " after " +
                     quotedWord(words[expected - 1]));
    }

    switch (event.kind) {
    case EventKind::keyDown:
    case EventKind::keyUp: {
        const auto code = decimal(words[2], 65535);
        if (!code) {
            return error("bad key code " + quotedWord(words[2]) +
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
            return error("unknown button " + quotedWord(words[2]) + " (play or exit)");
        }
        event.name = "click " + std::string(words[2]);
        break;
    case EventKind::menu: {
        const auto item = menuItemOfWord(words[2]);
        if (!item) {
            return error("unknown menu item " + quotedWord(words[2]) +
                         " (3, 5, 8, mountain, beach, none, instructions, about or exit)");
        }
        event.menuItem = *item;
        event.name = "menu " + std::string(words[2]);
        break;
    }
    case EventKind::serve: {
        const auto rule = serveRuleOfWord(words[2]);
        if (!rule) {
            return error("unknown serve rule " + quotedWord(words[2]) +
                         " (player1, loser or alternate)");
        }
        event.serveRule = *rule;
        event.name = eventName(event);
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
    text.reserve(maxLineBytes);
    std::int64_t lineNumber = 0;
    bool recording = false;
    for (;;) {
        const LineEnd end = readLine(in, text);
        if (in.bad()) {
            return ScriptError{lineNumber + 1, "read error"};
        }
        if (end == LineEnd::endOfInput) {
            break;
        }
        ++lineNumber;
        if (end == LineEnd::tooLong) {
            return ScriptError{lineNumber, "line too long (more than " +
                                               std::to_string(maxLineBytes) + " bytes)"};
        }
        recording = recording || declaredFormat(text).has_value();
        // A recording is written a whole line at a time: one that stops in
        // the middle of a line was cut short.
        if (recording && end == LineEnd::unterminated && !wordsOf(text).empty()) {
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
    return events;
}

} // namespace gloob
