// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// What a stranger in the lobby sends: a presence's game state, a join or its
// answer, a name or a chat line; and a host's answer to a probe of the local
// network. The first byte says which; the rest is the text or datagram.
#include "fuzz_check.h"
#include "lobby/lan.h"
#include "lobby/lobby_text.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace gloob::lobby;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 4) {
    case 0: {
        const auto parsed = parseState(text);
        if (const auto* state = std::get_if<PlayerState>(&parsed)) {
            FUZZ_CHECK(text.size() <= maxPayloadBytes && state->version != 0);
            FUZZ_CHECK(state->activity != Activity::hosting || state->balls == 3 ||
                       state->balls == 5 || state->balls == 8);
            FUZZ_CHECK(state->activity != Activity::playing ||
                       cleanName(state->with) == state->with);
            // What was read is sent again as it was understood.
            auto again = parseState(formatState(*state));
            FUZZ_CHECK(std::holds_alternative<PlayerState>(again));
            PlayerState expected = *state;
            expected.nameCleaned = false;
            FUZZ_CHECK(std::get<PlayerState>(again) == expected);
        }
        break;
    }
    case 1: {
        const auto parsed = parseIntroduction(text);
        if (const auto* introduction = std::get_if<Introduction>(&parsed)) {
            FUZZ_CHECK(introduction->secret.size() == secretHexDigits);
            FUZZ_CHECK(introduction->candidates.size() <= maxCandidates);
            FUZZ_CHECK(introduction->kind == IntroductionKind::decline ||
                       !introduction->candidates.empty());
            const auto again = parseIntroduction(formatIntroduction(*introduction));
            FUZZ_CHECK(std::holds_alternative<Introduction>(again) &&
                       std::get<Introduction>(again) == *introduction);
        }
        break;
    }
    case 2: {
        const std::span<const std::uint8_t> datagram(data + 1, size - 1);
        if (const auto game = parseLanAnswer(datagram)) {
            FUZZ_CHECK(cleanName(game->name) == game->name);
            FUZZ_CHECK(parseLanAnswer(lanAnswer(*game)) == game);
        }
        break;
    }
    default: {
        const std::string name = cleanName(text);
        FUZZ_CHECK(!name.empty() && cleanName(name) == name);
        if (const auto chat = cleanChat(text)) {
            FUZZ_CHECK(cleanChat(*chat) == chat);
        }
        break;
    }
    }
    return 0;
}
