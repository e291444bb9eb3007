// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// A datagram on the match's socket before ENet connects, read as a probe of
// the match: anything read is exactly what the game would have sent.
#include "fuzz_check.h"
#include "traversal/probe.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

using namespace gloob::traversal;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Secret secret = *secretFromHex("0123456789abcdef0123456789abcdef");
    const std::span<const std::uint8_t> datagram(data, size);
    if (const auto probe = parseProbe(datagram, secret)) {
        const auto again = formatProbe(*probe, secret);
        FUZZ_CHECK(std::equal(again.begin(), again.end(), datagram.begin(), datagram.end()));
        FUZZ_CHECK(probe->kind == ProbeKind::answer || probe->seen == Endpoint{});
    }
    return 0;
}
