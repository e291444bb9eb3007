// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <functional>
#include <string_view>

namespace gloob {

constexpr std::string_view noDisplayMessage =
    "gloob needs a graphical display: run it from a desktop session, or under a virtual X "
    "server with `xvfb-run gloob`.";

// Whether Qt has a display to open: a platform chosen explicitly, or an X or
// Wayland display. `variable` reads the environment (nullptr when unset).
bool hasGraphicalDisplay(const std::function<const char*(const char*)>& variable);

} // namespace gloob
