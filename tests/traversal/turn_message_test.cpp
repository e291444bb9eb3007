// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// STUN messages signed and read against RFC 5769's samples, and channel
// framing read byte by byte. The relay's passwords are checked by the relay
// itself (turn_relay_test) and by the lobby that hands them out.

#include "traversal/turn_message.h"

#include "changed_bytes.h"

#include <gtest/gtest.h>

namespace gloob::traversal {
namespace {

Bytes bytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

// RFC 5769's sample request and IPv4 response, both signed with a short-term
// password and fingerprinted.
const Bytes rfcRequest{
    0x00, 0x01, 0x00, 0x58, 0x21, 0x12, 0xa4, 0x42, 0xb7, 0xe7, 0xa7, 0x01, 0xbc, 0x34, 0xd6, 0x86,
    0xfa, 0x87, 0xdf, 0xae, 0x80, 0x22, 0x00, 0x10, 0x53, 0x54, 0x55, 0x4e, 0x20, 0x74, 0x65, 0x73,
    0x74, 0x20, 0x63, 0x6c, 0x69, 0x65, 0x6e, 0x74, 0x00, 0x24, 0x00, 0x04, 0x6e, 0x00, 0x01, 0xff,
    0x80, 0x29, 0x00, 0x08, 0x93, 0x2f, 0xf9, 0xb1, 0x51, 0x26, 0x3b, 0x36, 0x00, 0x06, 0x00, 0x09,
    0x65, 0x76, 0x74, 0x6a, 0x3a, 0x68, 0x36, 0x76, 0x59, 0x20, 0x20, 0x20, 0x00, 0x08, 0x00, 0x14,
    0x9a, 0xea, 0xa7, 0x0c, 0xbf, 0xd8, 0xcb, 0x56, 0x78, 0x1e, 0xf2, 0xb5, 0xb2, 0xd3, 0xf2, 0x49,
    0xc1, 0xb5, 0x71, 0xa2, 0x80, 0x28, 0x00, 0x04, 0xe5, 0x7a, 0x3b, 0xcf};
const Bytes rfcResponse{
    0x01, 0x01, 0x00, 0x3c, 0x21, 0x12, 0xa4, 0x42, 0xb7, 0xe7, 0xa7, 0x01, 0xbc, 0x34, 0xd6, 0x86,
    0xfa, 0x87, 0xdf, 0xae, 0x80, 0x22, 0x00, 0x0b, 0x74, 0x65, 0x73, 0x74, 0x20, 0x76, 0x65, 0x63,
    0x74, 0x6f, 0x72, 0x20, 0x00, 0x20, 0x00, 0x08, 0x00, 0x01, 0xa1, 0x47, 0xe1, 0x12, 0xa6, 0x43,
    0x00, 0x08, 0x00, 0x14, 0x2b, 0x91, 0xf5, 0x99, 0xfd, 0x9e, 0x90, 0xc3, 0x8c, 0x74, 0x89, 0xf9,
    0x2a, 0xf9, 0xba, 0x53, 0xf0, 0x6b, 0xe7, 0xd7, 0x80, 0x28, 0x00, 0x04, 0xc0, 0x7d, 0x4c, 0x96};
const TransactionId rfcId{0xb7, 0xe7, 0xa7, 0x01, 0xbc, 0x34, 0xd6, 0x86, 0xfa, 0x87, 0xdf, 0xae};
const Bytes rfcPassword = bytesOf("VOkJxbRl1RmTxUk/WvJxBt");

TEST(StunMessages, TheRfcSamplesAreReadAndTheirSignaturesHold) {
    const auto request = readStunMessage(rfcRequest);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->kind, StunClass::request);
    EXPECT_EQ(request->method, 0x001);
    EXPECT_EQ(request->id, rfcId);
    EXPECT_EQ(request->text(attribute::username), "evtj:h6vY");
    EXPECT_TRUE(request->integrityHolds(rfcPassword));
    EXPECT_FALSE(request->integrityHolds(bytesOf("VOkJxbRl1RmTxUk/WvJxBT")));

    const auto response = readStunMessage(rfcResponse);
    ASSERT_TRUE(response);
    EXPECT_EQ(response->kind, StunClass::success);
    EXPECT_EQ(response->xorAddress(attribute::xorMappedAddress), (Endpoint{0xC0000201, 32853}));
    EXPECT_TRUE(response->integrityHolds(rfcPassword));
}

TEST(StunMessages, WrittenAsTheRfcWritesThem) {
    const Bytes written = StunWriter(0x001, StunClass::success, rfcId)
                              .add(attribute::software, "test vector")
                              .addXorAddress(attribute::xorMappedAddress, {0xC0000201, 32853})
                              .finish(rfcPassword, true);
    // The sample pads with a space where the game pads with zero: every
    // other byte is the same, and the signature and fingerprint over the
    // game's own bytes hold.
    ASSERT_EQ(written.size(), rfcResponse.size());
    for (std::size_t i = 0; i < 52; ++i) {
        EXPECT_EQ(written[i], i == 35 ? 0 : rfcResponse[i]) << i;
    }
    const auto read = readStunMessage(written);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->integrityHolds(rfcPassword));
    EXPECT_FALSE(readStunMessage(changed(written, [](Bytes& b) { b[35] = 0x20; })))
        << "the fingerprint covers the padding";

    // TURN's methods and classes land in the type's scattered bits.
    const TransactionId id{};
    const struct {
        std::uint16_t method;
        StunClass kind;
        std::uint16_t type;
    } types[] = {
        {turn::allocate, StunClass::request, 0x0003},
        {turn::allocate, StunClass::error, 0x0113},
        {turn::channelBind, StunClass::success, 0x0109},
        {turn::send, StunClass::indication, 0x0016},
        {turn::data, StunClass::indication, 0x0017},
    };
    for (const auto& [method, kind, type] : types) {
        const Bytes bytes = StunWriter(method, kind, id).finish();
        EXPECT_EQ(bytes[0] << 8 | bytes[1], type) << type;
        const auto read = readStunMessage(bytes);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->method, method);
        EXPECT_EQ(read->kind, kind);
    }
}

TEST(StunMessages, AnythingOutOfShapeIsRefusedOrUnsigned) {
    const struct {
        const char* what;
        Bytes bytes;
        bool read;
        bool signedBy;
    } cases[] = {
        {"the sample", rfcResponse, true, true},
        {"a changed byte under the fingerprint", changed(rfcResponse, [](Bytes& b) { b[30] ^= 1; }),
         false, false},
        {"a fingerprint not last",
         changed(rfcResponse,
                 [](Bytes& b) {
                     b.insert(b.end(), {0, 0x24, 0, 0}), b[3] += 4;
                 }),
         false, false},
        {"a length running past the end", changed(rfcResponse, [](Bytes& b) { b[23] = 0x40; }),
         false, false},
        {"an attribute header cut short",
         changed(rfcResponse, [](Bytes& b) { b.resize(22), b[3] = 2; }), false, false},
        {"an unsigned message", Bytes(rfcResponse.begin(), rfcResponse.begin() + 48), false, false},
        {"signed, the fingerprint left off",
         changed(Bytes(rfcResponse.begin(), rfcResponse.begin() + 72), [](Bytes& b) { b[3] = 52; }),
         true, true},
        {"signed, a byte under the signature changed",
         changed(Bytes(rfcResponse.begin(), rfcResponse.begin() + 72),
                 [](Bytes& b) { b[3] = 52, b[47] ^= 1; }),
         true, false},
    };
    for (const auto& [what, bytes, read, signedBy] : cases) {
        const auto message = readStunMessage(bytes);
        EXPECT_EQ(message.has_value(), read) << what;
        if (message) {
            EXPECT_EQ(message->integrityHolds(rfcPassword), signedBy) << what;
        }
    }
}

TEST(StunMessages, ErrorCodesAndReasonsAreReadForThePlayer) {
    const struct {
        Bytes value;
        std::optional<int> code;
        std::string reason;
    } cases[] = {
        {{0, 0, 4, 1, 'U', 'n', 'a', 'u', 't', 'h'}, 401, "Unauth"},
        {{0, 0, 4, 38, 'S', '\n'}, 438, "S?"},
        {{0, 0, 4, 100}, std::nullopt, ""},
        {{0, 0, 2, 0}, std::nullopt, ""},
        {{0, 0, 4}, std::nullopt, ""},
    };
    for (const auto& [value, code, reason] : cases) {
        const Bytes bytes = StunWriter(turn::allocate, StunClass::error, rfcId)
                                .add(attribute::errorCode, value)
                                .finish();
        const auto message = readStunMessage(bytes);
        ASSERT_TRUE(message);
        EXPECT_EQ(message->errorCode(), code) << reason;
        EXPECT_EQ(message->errorReason(), reason);
    }
}

TEST(ChannelData, IsFramedAndReadWithinItsLength) {
    const Bytes payload{1, 2, 3};
    EXPECT_EQ(formatChannelData(0x4001, payload), (Bytes{0x40, 0x01, 0, 3, 1, 2, 3}));
    const struct {
        const char* what;
        Bytes bytes;
        std::optional<Bytes> payload;
    } cases[] = {
        {"exact", {0x40, 0x01, 0, 3, 1, 2, 3}, payload},
        {"padded", {0x40, 0x01, 0, 3, 1, 2, 3, 0}, payload},
        {"empty", {0x4f, 0xff, 0, 0}, Bytes{}},
        {"longer than the datagram", {0x40, 0x01, 0, 4, 1, 2, 3}, std::nullopt},
        {"a STUN message", rfcResponse, std::nullopt},
        {"a channel past the range", {0x50, 0x00, 0, 0}, std::nullopt},
        {"cut inside the header", {0x40, 0x01, 0}, std::nullopt},
    };
    for (const auto& [what, bytes, expected] : cases) {
        const auto read = readChannelData(bytes);
        ASSERT_EQ(read.has_value(), expected.has_value()) << what;
        if (read) {
            EXPECT_EQ(Bytes(read->payload.begin(), read->payload.end()), *expected) << what;
        }
    }
}

} // namespace
} // namespace gloob::traversal
