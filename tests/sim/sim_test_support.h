// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "online_run.h"
#include "trace_json.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace gloob::sim::testing {

// Heartbeat n falls at n x 15625 microseconds.
constexpr std::int64_t heartbeat(std::int64_t n) {
    return n * 15625;
}

struct SimRun {
    int status = -1;
    std::string trace;
    std::string errors;
    std::vector<Json> lines; // the trace parsed, when it is valid
};

// Plays a script in this process, as gloob-sim would with these options.
SimRun runScript(std::string_view script, const ExtraOptions& extra = {});

// The lines of one event, in trace order.
std::vector<Json> linesOf(const std::vector<Json>& lines, std::string_view event);

std::string readFile(const std::string& path);

namespace {
// Table rows show by their name in GoogleTest's messages. The test files'
// own unnamed namespaces are this one, so the rows find it.
template <typename Row>
requires requires(const Row& row) {
    std::string_view(row.name);
}
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}
} // namespace

} // namespace gloob::sim::testing
