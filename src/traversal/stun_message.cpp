// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "stun_message.h"

#include <nettle/hmac.h>

#include <algorithm>

namespace gloob::traversal {

namespace {

constexpr std::size_t headerBytes = 20;
constexpr std::uint32_t magicCookie = 0x2112A442;
constexpr std::uint8_t familyIPv4 = 0x01;
constexpr std::size_t integrityBytes = 20;
constexpr std::uint32_t fingerprintXor = 0x5354554E;

std::uint32_t get(std::span<const std::uint8_t> in, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        value = value << 8 | in[at + static_cast<std::size_t>(i)];
    }
    return value;
}

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void setLength(std::vector<std::uint8_t>& bytes, std::size_t through) {
    const std::size_t length = through - headerBytes;
    bytes[2] = static_cast<std::uint8_t>(length >> 8);
    bytes[3] = static_cast<std::uint8_t>(length);
}

std::uint32_t crc32(std::span<const std::uint8_t> bytes) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (const std::uint8_t byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
        }
    }
    return ~crc;
}

// Integrity and fingerprint cover the message up to themselves, with the
// header's length saying it ends just after them.
std::vector<std::uint8_t> coveredUpTo(std::span<const std::uint8_t> message, std::size_t at,
                                      std::size_t attributeBytes) {
    std::vector<std::uint8_t> covered(message.begin(), message.begin() + static_cast<long>(at));
    setLength(covered, at + attributeBytes);
    return covered;
}

} // namespace

std::array<std::uint8_t, 20> hmacSha1(std::span<const std::uint8_t> key,
                                      std::span<const std::uint8_t> text) {
    hmac_sha1_ctx context;
    hmac_sha1_set_key(&context, key.size(), key.data());
    hmac_sha1_update(&context, text.size(), text.data());
    std::array<std::uint8_t, 20> digest{};
    hmac_sha1_digest(&context, digest.size(), digest.data());
    return digest;
}

bool isStunMessage(std::span<const std::uint8_t> datagram) {
    return datagram.size() >= headerBytes && (datagram[0] & 0xC0) == 0 &&
           get(datagram, 4, 4) == magicCookie &&
           get(datagram, 2, 2) == datagram.size() - headerBytes && datagram.size() % 4 == 0;
}

std::optional<StunMessage> readStunMessage(std::span<const std::uint8_t> datagram) {
    if (!isStunMessage(datagram)) {
        return std::nullopt;
    }
    StunMessage message;
    message.bytes = datagram;
    const std::uint32_t type = get(datagram, 0, 2);
    message.method =
        static_cast<std::uint16_t>((type & 0x000F) | (type & 0x00E0) >> 1 | (type & 0x3E00) >> 2);
    message.kind = static_cast<StunClass>((type >> 7 & 2) | (type >> 4 & 1));
    std::copy_n(datagram.begin() + 8, message.id.size(), message.id.begin());
    std::size_t at = headerBytes;
    while (at < datagram.size()) {
        if (datagram.size() - at < 4) {
            return std::nullopt;
        }
        const auto attributeType = static_cast<std::uint16_t>(get(datagram, at, 2));
        const std::size_t length = get(datagram, at + 2, 2);
        const std::size_t padded = (length + 3) / 4 * 4;
        if (padded > datagram.size() - at - 4) {
            return std::nullopt;
        }
        const auto value = datagram.subspan(at + 4, length);
        if (attributeType == attribute::fingerprint) {
            if (length != 4 || at + 8 != datagram.size() ||
                get(value, 0, 4) != (crc32(coveredUpTo(datagram, at, 8)) ^ fingerprintXor)) {
                return std::nullopt;
            }
        } else if (attributeType == attribute::messageIntegrity) {
            if (length != integrityBytes || message.integrityAt) {
                return std::nullopt;
            }
            message.integrityAt = at;
        } else if (!message.integrityAt) {
            message.attributes.push_back({attributeType, value});
        }
        at += 4 + padded;
    }
    return message;
}

const StunAttribute* StunMessage::find(std::uint16_t type) const {
    const auto found = std::ranges::find(attributes, type, &StunAttribute::type);
    return found != attributes.end() ? &*found : nullptr;
}

std::optional<Endpoint> StunMessage::xorAddress(std::uint16_t type) const {
    const StunAttribute* found = find(type);
    if (found == nullptr || found->value.size() != 8 || found->value[1] != familyIPv4) {
        return std::nullopt;
    }
    return Endpoint{get(found->value, 4, 4) ^ magicCookie,
                    static_cast<std::uint16_t>(get(found->value, 2, 2) ^ (magicCookie >> 16))};
}

std::optional<std::uint32_t> StunMessage::number(std::uint16_t type) const {
    const StunAttribute* found = find(type);
    if (found == nullptr || found->value.size() != 4) {
        return std::nullopt;
    }
    return get(found->value, 0, 4);
}

std::string StunMessage::text(std::uint16_t type) const {
    const StunAttribute* found = find(type);
    return found != nullptr ? std::string(found->value.begin(), found->value.end()) : "";
}

std::optional<int> StunMessage::errorCode() const {
    const StunAttribute* found = find(attribute::errorCode);
    if (kind != StunClass::error || found == nullptr || found->value.size() < 4) {
        return std::nullopt;
    }
    const int hundreds = found->value[2] & 0x07;
    const int rest = found->value[3];
    if (hundreds < 3 || hundreds > 6 || rest > 99) {
        return std::nullopt;
    }
    return hundreds * 100 + rest;
}

std::string StunMessage::errorReason() const {
    const StunAttribute* found = find(attribute::errorCode);
    if (found == nullptr || found->value.size() < 4) {
        return "";
    }
    // Shown to the player: printable ASCII only, and not too much of it.
    std::string reason;
    for (const std::uint8_t c :
         found->value.subspan(4, std::min<std::size_t>(found->value.size() - 4, 128))) {
        reason.push_back(c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?');
    }
    return reason;
}

bool StunMessage::integrityHolds(std::span<const std::uint8_t> key) const {
    if (!integrityAt) {
        return false;
    }
    const auto expected = hmacSha1(key, coveredUpTo(bytes, *integrityAt, 4 + integrityBytes));
    return std::equal(expected.begin(), expected.end(),
                      bytes.begin() + static_cast<long>(*integrityAt) + 4);
}

StunWriter::StunWriter(std::uint16_t method, StunClass kind, const TransactionId& id) {
    const auto k = static_cast<std::uint32_t>(kind);
    const std::uint32_t type = (method & 0x000F) | (method & 0x0070) << 1 | (method & 0x0F80) << 2 |
                               (k & 1) << 4 | (k & 2) << 7;
    put(bytes_, type, 2);
    put(bytes_, 0, 2);
    put(bytes_, magicCookie, 4);
    bytes_.insert(bytes_.end(), id.begin(), id.end());
}

StunWriter& StunWriter::add(std::uint16_t type, std::span<const std::uint8_t> value) {
    put(bytes_, type, 2);
    put(bytes_, static_cast<std::uint32_t>(value.size()), 2);
    bytes_.insert(bytes_.end(), value.begin(), value.end());
    bytes_.resize((bytes_.size() + 3) / 4 * 4, 0);
    setLength(bytes_, bytes_.size());
    return *this;
}

StunWriter& StunWriter::add(std::uint16_t type, std::string_view text) {
    return add(type, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

StunWriter& StunWriter::addNumber(std::uint16_t type, std::uint32_t value) {
    std::vector<std::uint8_t> bytes;
    put(bytes, value, 4);
    return add(type, bytes);
}

StunWriter& StunWriter::addXorAddress(std::uint16_t type, const Endpoint& where) {
    std::vector<std::uint8_t> bytes{0, familyIPv4};
    put(bytes, where.port ^ (magicCookie >> 16), 2);
    put(bytes, where.address ^ magicCookie, 4);
    return add(type, bytes);
}

std::vector<std::uint8_t> StunWriter::finish(std::span<const std::uint8_t> integrityKey,
                                             bool withFingerprint) {
    if (!integrityKey.empty()) {
        const auto digest =
            hmacSha1(integrityKey, coveredUpTo(bytes_, bytes_.size(), 4 + integrityBytes));
        add(attribute::messageIntegrity, digest);
    }
    if (withFingerprint) {
        const std::uint32_t crc = crc32(coveredUpTo(bytes_, bytes_.size(), 8)) ^ fingerprintXor;
        addNumber(attribute::fingerprint, crc);
    }
    return std::move(bytes_);
}

} // namespace gloob::traversal
