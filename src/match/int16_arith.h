// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace gloob {

// All match arithmetic is 16-bit. Play never comes near the limits; should a
// sum ever leave the range it saturates instead of failing.
constexpr std::int16_t add16(std::int16_t a, std::int16_t b) {
    const int sum = int{a} + int{b};
    if (sum > std::numeric_limits<std::int16_t>::max()) {
        return std::numeric_limits<std::int16_t>::max();
    }
    if (sum < std::numeric_limits<std::int16_t>::min()) {
        return std::numeric_limits<std::int16_t>::min();
    }
    return static_cast<std::int16_t>(sum);
}

// Reversing a step; -(-32768) saturates like every other overflow.
constexpr std::int16_t negate16(std::int16_t a) {
    return a == std::numeric_limits<std::int16_t>::min() ? std::numeric_limits<std::int16_t>::max()
                                                         : static_cast<std::int16_t>(-a);
}

// A single-precision position stored in a 16-bit variable: nearest integer,
// halves to even, saturated at the limits.
inline std::int16_t toInt16(float value) {
    const double rounded = std::nearbyint(static_cast<double>(value)); // default mode: to even
    if (!(rounded >= std::numeric_limits<std::int16_t>::min())) {
        return std::isnan(rounded) ? std::int16_t{0} : std::numeric_limits<std::int16_t>::min();
    }
    if (rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::numeric_limits<std::int16_t>::max();
    }
    return static_cast<std::int16_t>(rounded);
}

// A 16-bit step added to a single-precision position: the step converts
// exactly and the sum is rounded to single precision.
inline float plusStep(float position, std::int16_t step) {
    return position + static_cast<float>(step);
}

} // namespace gloob
