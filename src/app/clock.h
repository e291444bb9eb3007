// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <cstdint>

namespace gloob {

// Time as the window sees it: a monotonic microsecond count for the heartbeat,
// the system's wrapping 32-bit millisecond counter, and a way to sleep.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t nowMicros() const = 0;
    virtual std::uint32_t timeGetTime() const = 0;
    virtual void Sleep(std::int32_t milliseconds) = 0;
};

// Time that moves only when told to: for tests and the headless simulator.
// The millisecond counter starts one second before its wrap, so every run
// crosses it.
class VirtualClock final : public Clock {
public:
    static constexpr std::uint32_t counterAtZero = 4294966296u;

    std::int64_t nowMicros() const override { return now_; }
    std::uint32_t timeGetTime() const override {
        return counterAtZero + static_cast<std::uint32_t>(now_ / 1000);
    }
    // A sleep of 0 ms gives up the rest of the current millisecond, as a
    // thread that yields does; so a wait that sleeps 0 ms in a loop still
    // reaches its deadline on a clock that only moves when told to.
    void Sleep(std::int32_t milliseconds) override {
        if (milliseconds > 0) {
            now_ += std::int64_t{milliseconds} * 1000;
        } else if (milliseconds == 0) {
            now_ = (now_ / 1000 + 1) * 1000;
        }
    }
    void advanceTo(std::int64_t micros) {
        if (micros > now_) {
            now_ = micros;
        }
    }
    // Only a snapshot being restored takes time back.
    void rewindTo(std::int64_t micros) { now_ = micros; }

private:
    std::int64_t now_ = 0;
};

// The machine's monotonic clock, counted from the moment it is made.
class SteadyClock final : public Clock {
public:
    SteadyClock();
    std::int64_t nowMicros() const override;
    std::uint32_t timeGetTime() const override;
    void Sleep(std::int32_t milliseconds) override;

private:
    std::int64_t originMicros_;
};

} // namespace gloob
