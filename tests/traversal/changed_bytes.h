// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace gloob::traversal {

using Bytes = std::vector<std::uint8_t>;

// A good message with one change made to it: what a broken or hostile
// machine might send instead.
inline Bytes changed(Bytes bytes, const std::function<void(Bytes&)>& change) {
    change(bytes);
    return bytes;
}

} // namespace gloob::traversal
