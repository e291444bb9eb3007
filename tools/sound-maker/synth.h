// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

// Building blocks of the sound effects: oscillators, noise, envelopes and filters on plain
// sample vectors. Everything is computed in double precision from fixed seeds, so the same
// program always makes the same sounds.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sound {

constexpr int sampleRate = 22050;

using Samples = std::vector<double>;

// Silence of the given length.
Samples silence(double seconds);

// Time in seconds of sample `i`.
inline double timeOf(std::size_t i) {
    return static_cast<double>(i) / sampleRate;
}

// A sine wave whose frequency may change from sample to sample without jumps in phase.
class Oscillator {
public:
    // The current sample, then one step on at `hz`.
    double next(double hz);
    // A harmonic of the current phase, for layering overtones on one pitch.
    double at(int harmonic) const;
    void advance(double hz);

private:
    double phase_ = 0.0; // in turns, kept in [0, 1)
};

// White noise in [-1, 1) from splitmix64, the same on every machine.
class Noise {
public:
    explicit Noise(std::uint64_t seed) : state_(seed) {}
    double next();

private:
    std::uint64_t state_;
};

// Second-order filter (a biquad) after the well-known audio cookbook formulas.
class Filter {
public:
    static Filter lowPass(double hz, double q);
    static Filter highPass(double hz, double q);
    static Filter bandPass(double hz, double q); // 0 dB at the centre
    double process(double x);

private:
    Filter(double b0, double b1, double b2, double a0, double a1, double a2);
    double b0_, b1_, b2_, a1_, a2_;
    double x1_ = 0.0, x2_ = 0.0, y1_ = 0.0, y2_ = 0.0;
};

// exp(-t / tau): the decay of a struck or plucked thing.
double decay(double t, double tau);

// A rise over `attack` seconds (half a cosine), then the decay with `tau`.
double strike(double t, double attack, double tau);

// Shapes the first or the last `seconds` of a sound with half a cosine, so that it starts or
// stops without a click.
void fadeIn(Samples& sound, double seconds);
void fadeOut(Samples& sound, double seconds);

// Adds `part` into `mix` starting at `offset` seconds, scaled by `gain`; `mix` grows if needed.
void addInto(Samples& mix, const Samples& part, double offset, double gain = 1.0);

// Frequency of a note given in semitones from A4 (440 Hz).
double noteHz(int semitonesFromA4);

} // namespace sound
