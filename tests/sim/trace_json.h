#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gloob::sim::testing {

// A JSON value as the trace holds it; strict enough to reject anything that
// is not JSON, so that the tests also check the writer's syntax.
struct Json {
    enum class Type { null, number, string, array, object };
    Type type = Type::null;
    double number = 0;
    std::string raw;  // a number's text as written
    std::string text; // a string's value, unescaped
    std::vector<Json> items;
    std::vector<std::pair<std::string, Json>> members; // in written order

    // Throws std::out_of_range for a missing key or index.
    const Json& operator[](std::string_view key) const;
    const Json& operator[](std::size_t index) const;
    bool has(std::string_view key) const;
    std::vector<std::string> keys() const;
    std::int64_t integer() const; // throws unless a whole number written as an integer
};

// Throws std::runtime_error naming the offset of the first fault.
Json parseJson(std::string_view text);

// One object a line; an empty trace gives no lines.
std::vector<Json> parseTrace(std::string_view trace);

std::vector<std::string> splitLines(std::string_view text);

} // namespace gloob::sim::testing
