// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "effects.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace sound {

namespace {

constexpr double twoPi = 2.0 * std::numbers::pi;

// A soft bell-like note: a few harmonics, the higher ones dying away sooner.
Samples chimeNote(double hz, double seconds, double tau) {
    Samples out = silence(seconds);
    Oscillator osc;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double tone = osc.at(1) + 0.28 * osc.at(2) * decay(t, tau * 0.5) +
                            0.1 * osc.at(3) * decay(t, tau * 0.3);
        out[i] = tone * strike(t, 0.004, tau);
        osc.advance(hz);
    }
    fadeOut(out, 0.03);
    return out;
}

// A rounder note for the jingle: odd harmonics, like a soft square wave.
Samples jingleNote(double hz, double seconds, double tau, double vibrato) {
    Samples out = silence(seconds);
    Oscillator osc;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double tone = osc.at(1) + 0.22 * osc.at(3) * decay(t, tau * 0.6) +
                            0.08 * osc.at(5) * decay(t, tau * 0.4);
        out[i] = tone * strike(t, 0.006, tau);
        const double wobble = 1.0 + vibrato * std::sin(twoPi * 5.5 * t) * (1.0 - decay(t, 0.15));
        osc.advance(hz * wobble);
    }
    fadeOut(out, 0.03);
    return out;
}

// One way a struck body rings: a partial at `ratio` times the fundamental.
struct Mode {
    double ratio;
    double gain;
    double tau;
};

// A struck block or bar: its modes all ringing at once from the moment of the blow.
template <std::size_t N>
Samples struck(double hz, const std::array<Mode, N>& modes, double seconds) {
    Samples out = silence(seconds);
    std::array<Oscillator, N> oscs{};
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        double s = 0.0;
        for (std::size_t m = 0; m < N; ++m) {
            s += modes[m].gain * oscs[m].next(hz * modes[m].ratio) * strike(t, 0.001, modes[m].tau);
        }
        out[i] = s;
    }
    return out;
}

// A short burst of filtered noise: the contact itself.
Samples tap(Filter filter, double seconds, double tau, std::uint64_t seed) {
    Samples out = silence(seconds);
    Noise noise(seed);
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = filter.process(noise.next()) * strike(timeOf(i), 0.0008, tau);
    }
    return out;
}

} // namespace

// A referee's pea whistle, blown briefly: a high tone trilled by the pea, with a breath of air.
Samples serve() {
    Samples out = silence(0.18);
    Oscillator osc;
    Noise breath(0x5E87E);
    Filter air = Filter::bandPass(2100.0, 6.0);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double trill = std::sin(twoPi * 32.0 * t);
        const double hz = 1950.0 * (1.0 + 0.3 * t) * (1.0 + 0.025 * trill);
        const double level = std::min(1.0, t / 0.012) * (t > 0.05 ? decay(t - 0.05, 0.045) : 1.0);
        const double tone = osc.at(1) + 0.12 * osc.at(2);
        out[i] = level * ((0.8 + 0.2 * trill) * tone + 0.6 * air.process(breath.next()));
        osc.advance(hz);
    }
    return out;
}

// A soft ball on a soft player: a round thud whose pitch drops as it lands, and a muffled tap.
Samples hit() {
    Samples out = silence(0.15);
    Oscillator osc;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double hz = 150.0 + 230.0 * decay(t, 0.03);
        out[i] = (osc.at(1) + 0.35 * osc.at(2) * decay(t, 0.03)) * strike(t, 0.003, 0.04);
        osc.advance(hz);
    }
    addInto(out, tap(Filter::lowPass(1800.0, 0.7), 0.03, 0.005, 0x417), 0.0, 0.5);
    return out;
}

// A smash: the thud, struck harder and driven into a rounded clip, with a bright slap on top.
Samples jumpHit() {
    Samples out = silence(0.2);
    Oscillator osc;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double hz = 120.0 + 280.0 * decay(t, 0.02);
        out[i] = std::tanh(2.5 * osc.at(1) * strike(t, 0.002, 0.05));
        osc.advance(hz);
    }
    addInto(out, tap(Filter::bandPass(3200.0, 1.2), 0.09, 0.018, 0x5A5), 0.0, 1.4);
    addInto(out, tap(Filter::highPass(6000.0, 0.7), 0.02, 0.003, 0xC7AC), 0.0, 0.5);
    return out;
}

// The ball off a wall or the ceiling: a short hollow tock.
Samples wall() {
    constexpr std::array<Mode, 3> block = {
        {{1.0, 1.0, 0.02}, {1.68, 0.5, 0.012}, {2.9, 0.2, 0.006}}};
    Samples out = struck(980.0, block, 0.08);
    addInto(out, tap(Filter::bandPass(2000.0, 1.5), 0.01, 0.002, 0x7A11), 0.0, 0.6);
    return out;
}

// The ball against a side of the net: a knock on a wooden bar, whose overtones are far from
// harmonic and die away fast.
Samples netPost() {
    constexpr std::array<Mode, 4> bar = {
        {{1.0, 1.0, 0.045}, {2.76, 0.45, 0.02}, {5.4, 0.2, 0.009}, {8.93, 0.08, 0.005}}};
    Samples out = struck(360.0, bar, 0.14);
    addInto(out, tap(Filter::lowPass(2500.0, 0.7), 0.015, 0.003, 0xB05), 0.0, 0.4);
    return out;
}

// The ball bounced up from the top of the net: the cord twangs, its pitch sagging back to rest
// and its brightness fading fast, with a wobble as it settles.
Samples netTop() {
    Samples out = silence(0.34);
    Oscillator osc;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double hz =
            210.0 * (1.0 + 0.18 * decay(t, 0.04)) * (1.0 + 0.012 * std::sin(twoPi * 9.0 * t));
        double tone = 0.0;
        for (int k = 1; k <= 6; ++k) {
            tone += osc.at(k) / k * decay(t, 0.12 / k);
        }
        const double wobble = 1.0 + 0.35 * std::sin(twoPi * 13.0 * t) * decay(t, 0.1);
        out[i] = tone * wobble * strike(t, 0.002, 0.11);
        osc.advance(hz);
    }
    return out;
}

// A jump: a short boing that slides upwards.
Samples jump() {
    Samples out = silence(0.18);
    Oscillator osc;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double glide = 190.0 * std::pow(2.0, 1.4 * t / 0.18);
        const double hz = glide * (1.0 + 0.04 * std::sin(twoPi * 22.0 * t));
        const double tone = osc.at(1) + 0.3 * osc.at(2) + 0.1 * osc.at(3);
        out[i] = tone * std::min(1.0, t / 0.006) * decay(t, 0.09);
        osc.advance(hz);
    }
    return out;
}

// A point: two chimes a fourth apart, upwards.
Samples point() {
    Samples out = silence(0.5);
    addInto(out, chimeNote(noteHz(10), 0.2, 0.09), 0.0, 0.8);   // G5
    addInto(out, chimeNote(noteHz(15), 0.39, 0.14), 0.11, 1.0); // C6
    return out;
}

// Game over: three notes falling, then a lift an octave up to end on.
Samples gameOver() {
    Samples out = silence(0.88);
    addInto(out, jingleNote(noteHz(10), 0.2, 0.1, 0.0), 0.0, 0.8);      // G5
    addInto(out, jingleNote(noteHz(7), 0.2, 0.1, 0.0), 0.13, 0.8);      // E5
    addInto(out, jingleNote(noteHz(3), 0.2, 0.1, 0.0), 0.26, 0.8);      // C5
    addInto(out, jingleNote(noteHz(15), 0.49, 0.18, 0.006), 0.39, 1.0); // C6, held
    return out;
}

} // namespace sound
