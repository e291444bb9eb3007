// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "stun_message.h"

// Asking a STUN server (RFC 8489) which public address and port a router
// gave the match's socket: a Binding request, and the address in its answer.
namespace gloob::traversal {

std::vector<std::uint8_t> stunBindingRequest(const TransactionId& id);
// The XOR-MAPPED-ADDRESS of a Binding success answering `id`, or nothing
// when the datagram is anything else or malformed in any byte read.
std::optional<Endpoint> parseStunBindingAnswer(std::span<const std::uint8_t> datagram,
                                               const TransactionId& id);

} // namespace gloob::traversal
