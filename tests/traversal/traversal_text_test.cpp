// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// What another machine sends before a match: probes of the match and STUN
// answers, read or ignored byte by byte.

#include "lobby/lan.h"
#include "traversal/endpoint.h"
#include "traversal/probe.h"
#include "traversal/stun.h"

#include "changed_bytes.h"

#include <gtest/gtest.h>

namespace gloob::traversal {
namespace {

TEST(Probes, OfThisMatchAreReadAndAnyOtherIgnored) {
    const Secret secret = *secretFromHex("00112233445566778899aabbccddeeff");
    const Secret other = *secretFromHex("00112233445566778899aabbccddeefe");
    const Probe request{ProbeKind::request, 0x0123456789abcdefULL, {}};
    const Probe answer{ProbeKind::answer, 42, {0xCB007107, 27960}};
    EXPECT_EQ(parseProbe(formatProbe(request, secret), secret), request);
    EXPECT_EQ(parseProbe(formatProbe(answer, secret), secret), answer);

    const Bytes good = formatProbe(answer, secret);
    const struct {
        const char* what;
        Bytes bytes;
    } ignored[] = {
        {"another match's secret", formatProbe(answer, other)},
        {"nothing", {}},
        {"cut short", Bytes(good.begin(), good.end() - 1)},
        {"a byte more", changed(good, [](Bytes& b) { b.push_back(0); })},
        {"an answer's kind on a request's length",
         changed(formatProbe(request, secret), [](Bytes& b) { b[4] = 2; })},
        {"a request's kind on an answer's length", changed(good, [](Bytes& b) { b[4] = 1; })},
        {"an unknown kind", changed(good, [](Bytes& b) { b[4] = 3; })},
        {"another magic", changed(good, [](Bytes& b) { b[3] = '?'; })},
        {"a probe for games on the network", lobby::lanProbe(2)},
        {"a secret byte changed", changed(good, [](Bytes& b) { b[20] ^= 1; })},
    };
    for (const auto& [what, bytes] : ignored) {
        EXPECT_FALSE(parseProbe(bytes, secret).has_value()) << what;
    }
    EXPECT_FALSE(lobby::isLanProbe(formatProbe(request, secret)));
    // ENet's datagrams start with a peer number whose compression bit the
    // game never sets: 'G' has it set.
    EXPECT_NE(formatProbe(request, secret)[0] & 0x40, 0);

    EXPECT_FALSE(secretFromHex("00112233445566778899aabbccddeef").has_value());
    EXPECT_FALSE(secretFromHex("00112233445566778899aabbccddeefg").has_value());
    EXPECT_FALSE(secretFromHex("00112233445566778899AABBCCDDEEFF").has_value())
        << "the lobby's secrets are lower case";
}

// A Binding success from RFC 5769 (its sample IPv4 response).
const Bytes rfcAnswer{
    0x01, 0x01, 0x00, 0x3c, 0x21, 0x12, 0xa4, 0x42, 0xb7, 0xe7, 0xa7, 0x01, 0xbc, 0x34, 0xd6, 0x86,
    0xfa, 0x87, 0xdf, 0xae, 0x80, 0x22, 0x00, 0x0b, 0x74, 0x65, 0x73, 0x74, 0x20, 0x76, 0x65, 0x63,
    0x74, 0x6f, 0x72, 0x20, 0x00, 0x20, 0x00, 0x08, 0x00, 0x01, 0xa1, 0x47, 0xe1, 0x12, 0xa6, 0x43,
    0x00, 0x08, 0x00, 0x14, 0x2b, 0x91, 0xf5, 0x99, 0xfd, 0x9e, 0x90, 0xc3, 0x8c, 0x74, 0x89, 0xf9,
    0x2a, 0xf9, 0xba, 0x53, 0xf0, 0x6b, 0xe7, 0xd7, 0x80, 0x28, 0x00, 0x04, 0xc0, 0x7d, 0x4c, 0x96};
const TransactionId rfcId{0xb7, 0xe7, 0xa7, 0x01, 0xbc, 0x34, 0xd6, 0x86, 0xfa, 0x87, 0xdf, 0xae};

TEST(Stun, TheMappedAddressIsReadOnlyFromTheAnswerToOurRequest) {
    const Bytes request = stunBindingRequest(rfcId);
    EXPECT_EQ(request, (Bytes{0x00, 0x01, 0x00, 0x00, 0x21, 0x12, 0xa4, 0x42, 0xb7, 0xe7,
                              0xa7, 0x01, 0xbc, 0x34, 0xd6, 0x86, 0xfa, 0x87, 0xdf, 0xae}));
    EXPECT_EQ(parseStunBindingAnswer(rfcAnswer, rfcId), (Endpoint{0xC0000201, 32853}));

    const struct {
        const char* what;
        Bytes bytes;
    } ignored[] = {
        {"another transaction", changed(rfcAnswer, [](Bytes& b) { b[19] ^= 1; })},
        {"another magic cookie", changed(rfcAnswer, [](Bytes& b) { b[4] = 0x22; })},
        {"a length that is not the datagram's", changed(rfcAnswer, [](Bytes& b) { b[3] += 4; })},
        {"an error response", changed(rfcAnswer, [](Bytes& b) { b[1] = 0x11; })},
        {"a request", request},
        {"an attribute running past the end",
         changed(rfcAnswer, [](Bytes& b) { b.resize(44), b[3] = 24, b[39] = 12; })},
        {"an IPv6 address", changed(rfcAnswer, [](Bytes& b) { b[41] = 2; })},
        {"no mapped address", changed(rfcAnswer, [](Bytes& b) { b[37] = 0x21; })},
        {"cut inside the header", Bytes(rfcAnswer.begin(), rfcAnswer.begin() + 16)},
        {"a byte more", changed(rfcAnswer, [](Bytes& b) { b.push_back(0); })},
    };
    for (const auto& [what, bytes] : ignored) {
        EXPECT_FALSE(parseStunBindingAnswer(bytes, rfcId).has_value()) << what;
    }
    EXPECT_TRUE(isStunMessage(rfcAnswer));
    EXPECT_FALSE(isStunMessage(lobby::lanProbe(2)));
}

TEST(Endpoints, AreDottedAddressesWithAPortOrRefused) {
    EXPECT_EQ(parseEndpoint("203.0.113.1:3478"), (Endpoint{0xCB007101, 3478}));
    EXPECT_EQ(parseEndpoint("192.0.2.2", 27960), (Endpoint{0xC0000202, 27960}));
    EXPECT_EQ(toString({0xCB007101, 3478}), "203.0.113.1:3478");
    for (const char* refused : {"192.0.2.256:1", "192.0.2.2", "192.0.2:1", "1.2.3.4:0",
                                "01.2.3.4:5", "1.2.3.4:65536", "1.2.3.4:5 ", "host:1"}) {
        EXPECT_FALSE(parseEndpoint(refused).has_value()) << refused;
    }
    EXPECT_FALSE(parseEndpoint("192.0.2.2:1", 1).has_value()) << "a port given twice";
}

} // namespace
} // namespace gloob::traversal
