// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <string_view>

namespace gloob {

// The game's version, from the build.
constexpr std::string_view gameVersion = GLOOB_VERSION;

} // namespace gloob
