// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "connectivity_checks.h"

#include "net/link.h"
#include "stun.h"

#include <algorithm>

namespace gloob::traversal {

namespace {

using Clock = std::chrono::steady_clock;
// Probes are sent again this often until answered: one lost on the way, or
// dropped by a router not yet opened from the other side, costs no more.
constexpr auto probeEvery = std::chrono::milliseconds(100);
// Once any candidate answered, how long a better one has to answer too.
constexpr auto betterGrace = std::chrono::milliseconds(300);
// Addresses learnt from requests: enough for a router or two on the way.
constexpr std::size_t maxLearnt = 4;

// Answers a request of this match; false for an answer.
bool answerRequest(net::Link& link, const Secret& secret, const Probe& probe,
                   const Endpoint& from) {
    if (probe.kind != ProbeKind::request) {
        return false;
    }
    const auto answer = formatProbe({ProbeKind::answer, probe.nonce, from}, secret);
    link.sendDatagram(from.address, from.port, answer);
    return true;
}

} // namespace

ConnectivityChecks::ConnectivityChecks(net::Link& link, const Secret& secret,
                                       std::vector<Candidate> theirs)
    : link_(link), secret_(secret), nonces_(std::random_device{}()) {
    for (const Candidate& candidate : theirs) {
        tried_.push_back({candidate, nonces_(), false});
    }
    link_.hearDatagrams(
        [this](std::span<const std::uint8_t> datagram, std::uint32_t address, std::uint16_t port) {
            return hear(datagram, {address, port});
        });
}

ConnectivityChecks::~ConnectivityChecks() {
    answerProbes(link_, secret_);
}

void ConnectivityChecks::probe(const Tried& tried) {
    const auto request = formatProbe({ProbeKind::request, tried.nonce, {}}, secret_);
    link_.sendDatagram(tried.candidate.where.address, tried.candidate.where.port, request);
}

bool ConnectivityChecks::hear(std::span<const std::uint8_t> datagram, const Endpoint& from) {
    const auto heard = parseProbe(datagram, secret_);
    if (!heard) {
        return isStunMessage(datagram);
    }
    if (answerRequest(link_, secret_, *heard, from)) {
        const bool known = std::any_of(tried_.begin(), tried_.end(),
                                       [&](const Tried& t) { return t.candidate.where == from; });
        if (!known && learnt_ < maxLearnt) {
            ++learnt_;
            tried_.push_back({{from, pathTo(from.address)}, nonces_(), false});
            probe(tried_.back());
        }
        return true;
    }
    // An answer counts only from where its request went.
    for (Tried& tried : tried_) {
        if (tried.candidate.where == from && tried.nonce == heard->nonce) {
            tried.answered = true;
        }
    }
    return true;
}

void ConnectivityChecks::probeWhenDue() {
    const auto now = Clock::now();
    if (!start_) {
        start_ = now;
        probeAt_ = now;
    }
    if (now < probeAt_) {
        return;
    }
    for (const Tried& tried : tried_) {
        if (!tried.answered) {
            probe(tried);
        }
    }
    probeAt_ += probeEvery;
}

ConnectivityChecks::State ConnectivityChecks::settle() {
    if (found_) {
        return State::found;
    }
    // The first of the best way that answered; learnt addresses come last.
    const auto better = [](const Tried& a, const Tried& b) {
        return a.answered != b.answered ? a.answered : a.candidate.path < b.candidate.path;
    };
    const auto best = std::min_element(tried_.begin(), tried_.end(), better);
    if (best == tried_.end() || !best->answered) {
        // The other machine found its way first and connected: nothing is
        // left to open.
        return link_.connected() ? State::gaveWay : State::trying;
    }
    const auto now = Clock::now();
    firstAnswer_ = firstAnswer_.value_or(now);
    const bool nothingBetter = std::none_of(tried_.begin(), tried_.end(), [&](const Tried& t) {
        return t.candidate.path < best->candidate.path;
    });
    if (nothingBetter || now - *firstAnswer_ >= betterGrace) {
        found_ = Found{best->candidate,
                       std::chrono::duration_cast<std::chrono::milliseconds>(now - *start_)};
        return State::found;
    }
    return State::trying;
}

ConnectivityChecks::State ConnectivityChecks::step() {
    probeWhenDue();
    return settle();
}

std::optional<ConnectivityChecks::Found>
ConnectivityChecks::run(std::chrono::milliseconds limit, const std::function<void()>& alongside) {
    const auto start = Clock::now();
    while (Clock::now() - start < limit) {
        probeWhenDue();
        link_.putBack(link_.service(5));
        if (alongside) {
            alongside();
        }
        if (settle() != State::trying) {
            return found_;
        }
    }
    return std::nullopt;
}

void answerProbes(net::Link& link, const Secret& secret) {
    link.hearDatagrams([&link, secret](std::span<const std::uint8_t> datagram,
                                       std::uint32_t address, std::uint16_t port) {
        const auto heard = parseProbe(datagram, secret);
        if (!heard) {
            return isStunMessage(datagram);
        }
        answerRequest(link, secret, *heard, {address, port});
        return true;
    });
}

} // namespace gloob::traversal
