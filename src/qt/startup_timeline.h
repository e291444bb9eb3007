// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

namespace gloob {

// Where the time to the first painted frame goes: each step of start-up
// marks its end, and under GLOOB_TIMING the marks are printed, in
// milliseconds since main() began, once the first frame is painted.
void markStartup(const char* step);
void reportStartup();

} // namespace gloob
