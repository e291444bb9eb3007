// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <cstddef>
#include <cstdint>

namespace gloob::bot {

// splitmix64: tiny, fast and the same on every compiler and library, so a
// seed always replays the same match.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1), from the top 53 bits.
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

    // Uniform in [-1, 1] with a triangular density: small errors are common,
    // large ones rare.
    double triangular() { return uniform() - uniform(); }

private:
    std::uint64_t state_;
};

// The draws of a search's random aims: unit() in [0, 1), below(n) in [0, n).
class SplitMixDraws {
public:
    explicit SplitMixDraws(std::uint64_t seed) : random_(seed) {}
    float unit() {
        // Rounding to a float may reach 1; the draw stays below it.
        const auto drawn = static_cast<float>(random_.uniform());
        return drawn < 1.0F ? drawn : 0x1.fffffep-1F;
    }
    std::size_t below(std::size_t n) {
        return static_cast<std::size_t>(random_.uniform() * static_cast<double>(n));
    }

private:
    SplitMix64 random_;
};

} // namespace gloob::bot
