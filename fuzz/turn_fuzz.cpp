// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// A datagram from the relay: any STUN message it may answer with, or a
// channel's data. Whatever is read lies inside the datagram, and a message
// read is read the same when written again with the attributes it kept.
#include "fuzz_check.h"
#include "traversal/turn_message.h"

#include <cstddef>
#include <cstdint>

using namespace gloob::traversal;

namespace {

bool inside(std::span<const std::uint8_t> part, std::span<const std::uint8_t> whole) {
    return part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> datagram(data, size);
    if (const auto channel = readChannelData(datagram)) {
        FUZZ_CHECK(channel->channel >= turn::firstChannel && channel->channel <= turn::lastChannel);
        FUZZ_CHECK(inside(channel->payload, datagram));
        FUZZ_CHECK(formatChannelData(channel->channel, channel->payload).size() ==
                   channel->payload.size() + 4);
    }
    const auto message = readStunMessage(datagram);
    if (!message) {
        return 0;
    }
    FUZZ_CHECK(isStunMessage(datagram));
    StunWriter again(message->method, message->kind, message->id);
    for (const StunAttribute& attribute : message->attributes) {
        FUZZ_CHECK(inside(attribute.value, datagram));
        again.add(attribute.type, attribute.value);
    }
    // The readers a relay's answer goes through.
    (void)message->xorAddress(attribute::xorRelayedAddress);
    (void)message->number(attribute::lifetime);
    (void)message->text(attribute::realm);
    const auto code = message->errorCode();
    FUZZ_CHECK(!code || (*code >= 300 && *code < 700));
    FUZZ_CHECK(message->errorReason().size() <= 128);
    const std::uint8_t key[16] = {};
    FUZZ_CHECK(!message->integrityHolds(key) || message->integrityAt.has_value());

    const auto written = again.finish(key, true);
    const auto reread = readStunMessage(written);
    FUZZ_CHECK(reread && reread->method == message->method && reread->kind == message->kind &&
               reread->id == message->id &&
               reread->attributes.size() == message->attributes.size() &&
               reread->integrityHolds(key));
    return 0;
}
