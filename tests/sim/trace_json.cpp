// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "trace_json.h"

#include <stdexcept>

namespace gloob::sim::testing {

Json parseJson(std::string_view line) {
    Json value = Json::parse(line); // throws for anything that is not JSON
    // Written back, the line must come out the same: this keeps the writer's
    // own syntax under test, blanks and the form of each number included.
    if (value.dump() != line) {
        throw std::runtime_error("not written as the trace writes JSON: " + std::string(line));
    }
    return value;
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        if (end == std::string_view::npos) {
            lines.emplace_back(text); // a last line without its line break
            break;
        }
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<Json> parseTrace(std::string_view trace) {
    if (!trace.empty() && trace.back() != '\n') {
        throw std::runtime_error("trace does not end with a line break");
    }
    std::vector<Json> lines;
    for (const std::string& line : splitLines(trace)) {
        lines.push_back(parseJson(line));
    }
    return lines;
}

std::int64_t integerOf(const Json& value) {
    if (!value.is_number_integer()) {
        throw std::runtime_error("not an integer: " + value.dump());
    }
    return value.get<std::int64_t>();
}

double numberOf(const Json& value) {
    return value.get<double>(); // throws unless a number
}

std::string textOf(const Json& value) {
    return value.get<std::string>(); // throws unless a string
}

std::vector<std::string> keysOf(const Json& object) {
    if (!object.is_object()) {
        throw std::runtime_error("not an object: " + object.dump());
    }
    std::vector<std::string> keys;
    for (const auto& [key, value] : object.items()) {
        keys.push_back(key);
    }
    return keys;
}

} // namespace gloob::sim::testing
