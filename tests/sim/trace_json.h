// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gloob::sim::testing {

// A trace line read back, its keys in written order.
using Json = nlohmann::ordered_json;

// One line of the trace. Throws unless it is JSON written exactly as the
// trace writes it: no blanks, numbers in their shortest form.
Json parseJson(std::string_view line);

// One object a line; an empty trace gives no lines.
std::vector<Json> parseTrace(std::string_view trace);

std::vector<std::string> splitLines(std::string_view text);

// A number written as an integer; throws for a decimal such as 9240.5.
std::int64_t integerOf(const Json& value);
double numberOf(const Json& value);
std::string textOf(const Json& value);
std::vector<std::string> keysOf(const Json& object);

} // namespace gloob::sim::testing
