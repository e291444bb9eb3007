// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "simulator.h"

#include <fcntl.h>
#include <unistd.h>

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    // With standard output closed, the first file opened would take its
    // place and receive the trace.
    if (fcntl(STDOUT_FILENO, F_GETFD) == -1) {
        std::cerr << "gloob-sim: standard output is closed; the trace needs it\n";
        return gloob::sim::exitFailure;
    }
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    return gloob::sim::runCommandLine(arguments, std::cin, std::cout, std::cerr);
}
