// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "relay_thread.h"

namespace gloob::traversal {

RelayThread::RelayThread(std::unique_ptr<TurnRelay> relay) : relay_(std::move(relay)) {
    thread_ = std::thread([this] {
        while (!stop_) {
            relay_->waitForDatagrams(5);
            relay_->step(TurnRelay::Clock::now());
        }
    });
}

RelayThread::~RelayThread() {
    stop_ = true;
    thread_.join();
}

} // namespace gloob::traversal
