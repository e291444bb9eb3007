// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// A datagram on the match's socket read as a STUN server's answer. The
// transaction asked about is the one the datagram names, so that the
// fuzzer reaches the attributes.
#include "fuzz_check.h"
#include "traversal/stun.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

using namespace gloob::traversal;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> datagram(data, size);
    TransactionId id{};
    if (size >= 20) {
        std::copy_n(data + 8, id.size(), id.begin());
    }
    if (parseStunBindingAnswer(datagram, id)) {
        FUZZ_CHECK(isStunMessage(datagram) && size >= 32);
    }
    return 0;
}
