// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sound {

namespace {
constexpr double twoPi = 2.0 * std::numbers::pi;
}

Samples silence(double seconds) {
    return Samples(static_cast<std::size_t>(std::lround(seconds * sampleRate)), 0.0);
}

double Oscillator::next(double hz) {
    const double value = at(1);
    advance(hz);
    return value;
}

double Oscillator::at(int harmonic) const {
    return std::sin(twoPi * phase_ * harmonic);
}

void Oscillator::advance(double hz) {
    phase_ += hz / sampleRate;
    phase_ -= std::floor(phase_);
}

double Noise::next() {
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-52 - 1.0;
}

Filter::Filter(double b0, double b1, double b2, double a0, double a1, double a2)
    : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0) {}

Filter Filter::lowPass(double hz, double q) {
    const double w = twoPi * hz / sampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    return Filter((1.0 - c) / 2.0, 1.0 - c, (1.0 - c) / 2.0, 1.0 + alpha, -2.0 * c, 1.0 - alpha);
}

Filter Filter::highPass(double hz, double q) {
    const double w = twoPi * hz / sampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    return Filter((1.0 + c) / 2.0, -(1.0 + c), (1.0 + c) / 2.0, 1.0 + alpha, -2.0 * c, 1.0 - alpha);
}

Filter Filter::bandPass(double hz, double q) {
    const double w = twoPi * hz / sampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    return Filter(alpha, 0.0, -alpha, 1.0 + alpha, -2.0 * c, 1.0 - alpha);
}

double Filter::process(double x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
}

double decay(double t, double tau) {
    return std::exp(-t / tau);
}

double strike(double t, double attack, double tau) {
    if (t < attack) {
        return 0.5 - 0.5 * std::cos(std::numbers::pi * t / attack);
    }
    return decay(t - attack, tau);
}

namespace {
// Rises from 0 to 1 over `length` samples.
double fadeGain(std::size_t i, std::size_t length) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / length);
}

std::size_t fadeLength(const Samples& sound, double seconds) {
    return std::min(sound.size(), static_cast<std::size_t>(std::lround(seconds * sampleRate)));
}
} // namespace

void fadeIn(Samples& sound, double seconds) {
    const std::size_t length = fadeLength(sound, seconds);
    for (std::size_t i = 0; i < length; ++i) {
        sound[i] *= fadeGain(i, length);
    }
}

void fadeOut(Samples& sound, double seconds) {
    const std::size_t length = fadeLength(sound, seconds);
    for (std::size_t i = 0; i < length; ++i) {
        sound[sound.size() - 1 - i] *= fadeGain(i, length);
    }
}

void addInto(Samples& mix, const Samples& part, double offset, double gain) {
    const auto start = static_cast<std::size_t>(std::lround(offset * sampleRate));
    if (mix.size() < start + part.size()) {
        mix.resize(start + part.size(), 0.0);
    }
    for (std::size_t i = 0; i < part.size(); ++i) {
        mix[start + i] += gain * part[i];
    }
}

double noteHz(int semitonesFromA4) {
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

} // namespace sound
