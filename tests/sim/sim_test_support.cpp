// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "sim_test_support.h"

#include "simulator.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace gloob::sim::testing {

SimRun runScript(std::string_view script, const ExtraOptions& extra) {
    std::istringstream in{std::string(script)};
    std::ostringstream trace;
    std::ostringstream errors;
    SimRun run;
    run.status = runSimulator(in, trace, errors, extra);
    run.trace = trace.str();
    run.errors = errors.str();
    run.lines = parseTrace(run.trace);
    return run;
}

std::vector<Json> linesOf(const std::vector<Json>& lines, std::string_view event) {
    std::vector<Json> found;
    for (const Json& line : lines) {
        if (textOf(line.at("ev")) == event) {
            found.push_back(line);
        }
    }
    return found;
}

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot open " + path);
    }
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace gloob::sim::testing
