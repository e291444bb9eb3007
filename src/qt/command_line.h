// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "main_window.h"

#include <variant>

namespace gloob {

// Exit status for a command line the game does not understand.
constexpr int exitUsage = 2;

// Reads the game's command line before any window system is touched, so that
// --help, --version and a mistyped option work without a display. Returns the
// options to start with, or the exit status when the program ends here (after
// printing the help or the version, or a message on standard error).
std::variant<LaunchOptions, int> readGameCommandLine(int argc, char* argv[]);

} // namespace gloob
