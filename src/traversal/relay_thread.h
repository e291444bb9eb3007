// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "turn_relay.h"

#include <atomic>
#include <memory>
#include <thread>

namespace gloob::traversal {

// A relay that carries a match, stepped on a thread of its own: the match's
// loop may wait on the other player, whose input comes through the relay.
// Nothing else touches the relay once it is here; it is released (and its
// address given back) when this goes.
class RelayThread {
public:
    explicit RelayThread(std::unique_ptr<TurnRelay> relay);
    ~RelayThread();
    RelayThread(const RelayThread&) = delete;
    RelayThread& operator=(const RelayThread&) = delete;

private:
    std::unique_ptr<TurnRelay> relay_;
    std::atomic<bool> stop_ = false;
    std::thread thread_;
};

} // namespace gloob::traversal
