// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "precise_timer.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <stdexcept>

namespace gloob {

PreciseTimer::PreciseTimer(std::function<void()> timeout)
    : fd_(timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC)),
      timeout_(std::move(timeout)) {
    if (fd_ < 0) {
        throw std::runtime_error("no kernel timer for the heartbeat");
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { fired(); });
}

PreciseTimer::~PreciseTimer() {
    notifier_.reset();
    ::close(fd_);
}

void PreciseTimer::start(std::int64_t micros) {
    // A zero time would disarm the timer: the least wait is a nanosecond.
    const std::int64_t nanos = micros > 0 ? micros * 1000 : 1;
    itimerspec due{};
    due.it_value.tv_sec = static_cast<time_t>(nanos / 1'000'000'000);
    due.it_value.tv_nsec = static_cast<long>(nanos % 1'000'000'000);
    timerfd_settime(fd_, 0, &due, nullptr);
}

void PreciseTimer::stop() {
    const itimerspec disarmed{};
    timerfd_settime(fd_, 0, &disarmed, nullptr);
}

void PreciseTimer::fired() {
    std::uint64_t expirations = 0;
    // Nothing to read: the timer was re-armed or stopped since it became due.
    if (::read(fd_, &expirations, sizeof expirations) != sizeof expirations) {
        return;
    }
    timeout_();
}

} // namespace gloob
