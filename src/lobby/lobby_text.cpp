// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "lobby_text.h"

#include <arpa/inet.h>

#include <algorithm>
#include <charconv>
#include <random>

namespace gloob::lobby {

namespace {

// A payload is words "key=value" separated by single spaces; values are
// percent-encoded, so a name may hold any character. Keys the game does not
// know are skipped: a later version may say more.
constexpr std::size_t maxWords = 16;
using Words = std::map<std::string_view, std::string>;

bool isKey(std::string_view key) {
    return !key.empty() && key.size() <= 16 &&
           std::all_of(key.begin(), key.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::optional<std::string> percentDecoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '%') {
            out += c;
            continue;
        }
        if (i + 2 >= text.size()) {
            return std::nullopt;
        }
        const int high = hexValue(text[i + 1]);
        const int low = hexValue(text[i + 2]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

std::string percentEncoded(std::string_view text) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte >= 0x7F || c == '%' || c == '=') {
            out += '%';
            out += digits[byte >> 4];
            out += digits[byte & 15];
        } else {
            out += c;
        }
    }
    return out;
}

std::variant<Words, std::string> wordsOf(std::string_view text) {
    if (text.size() > maxPayloadBytes) {
        return "over " + std::to_string(maxPayloadBytes) + " bytes";
    }
    Words words;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string_view word = text.substr(start, end - start);
        const std::size_t equals = word.find('=');
        if (equals == std::string_view::npos || !isKey(word.substr(0, equals))) {
            return std::string("a word that is not key=value");
        }
        if (words.size() == maxWords) {
            return "more than " + std::to_string(maxWords) + " words";
        }
        auto value = percentDecoded(word.substr(equals + 1));
        if (!value) {
            return std::string("a bad %-escape");
        }
        if (!words.emplace(word.substr(0, equals), std::move(*value)).second) {
            return "the key " + std::string(word.substr(0, equals)) + " twice";
        }
        start = end + 1;
    }
    return words;
}

std::optional<unsigned> numberOf(std::string_view text, unsigned most) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text.size() > 5 || error != std::errc{} ||
        end != text.data() + text.size() || value > most) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::uint16_t> versionOf(const Words& words) {
    const auto found = words.find("v");
    if (found == words.end()) {
        return std::nullopt;
    }
    const auto value = numberOf(found->second, 65535);
    if (!value || *value == 0) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(*value);
}

std::string valueOr(const Words& words, std::string_view key) {
    const auto found = words.find(key);
    return found == words.end() ? std::string() : found->second;
}

std::optional<Candidate> candidateOf(std::string_view text) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string_view::npos || colon > 15) {
        return std::nullopt;
    }
    const std::string address(text.substr(0, colon));
    in_addr parsed{};
    if (inet_pton(AF_INET, address.c_str(), &parsed) != 1) {
        return std::nullopt;
    }
    const auto port = numberOf(text.substr(colon + 1), 65535);
    if (!port) {
        return std::nullopt;
    }
    return Candidate{address, static_cast<std::uint16_t>(*port)};
}

// One Unicode character decoded from the front of `text`, and its length;
// U+FFFD for a byte that starts no valid sequence.
std::pair<char32_t, std::size_t> nextCharacter(std::string_view text) {
    constexpr char32_t replacement = 0xFFFD;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char first = byte(0);
    if (first < 0x80) {
        return {first, 1};
    }
    std::size_t length = 0;
    char32_t value = 0;
    char32_t least = 0;
    if ((first & 0xE0) == 0xC0) {
        length = 2, value = first & 0x1F, least = 0x80;
    } else if ((first & 0xF0) == 0xE0) {
        length = 3, value = first & 0x0F, least = 0x800;
    } else if ((first & 0xF8) == 0xF0) {
        length = 4, value = first & 0x07, least = 0x10000;
    } else {
        return {replacement, 1};
    }
    if (text.size() < length) {
        return {replacement, 1};
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return {replacement, 1};
        }
        value = (value << 6) | (byte(i) & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return {replacement, 1};
    }
    return {value, length};
}

// Characters that would move or hide what is around them: controls, the
// line and paragraph separators, and the marks that change the writing
// direction.
bool hidden(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

void append(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The text cleaned, with the number of characters kept; spaces at either
// end dropped and runs of them made one.
std::pair<std::string, std::size_t> cleaned(std::string_view raw, bool spacesForBreaks) {
    std::string out;
    std::size_t characters = 0;
    bool pendingSpace = false;
    while (!raw.empty()) {
        auto [c, length] = nextCharacter(raw);
        raw.remove_prefix(length);
        if (spacesForBreaks && (c == '\n' || c == '\r' || c == '\t')) {
            c = ' ';
        }
        if (hidden(c)) {
            continue;
        }
        if (c == ' ') {
            pendingSpace = !out.empty();
            continue;
        }
        if (pendingSpace) {
            out += ' ';
            ++characters;
            pendingSpace = false;
        }
        append(out, c);
        ++characters;
    }
    return {out, characters};
}

} // namespace

std::string formatState(const PlayerState& state) {
    std::string text = "v=" + std::to_string(state.version) + " state=";
    switch (state.activity) {
    case Activity::waiting:
        text += "waiting";
        break;
    case Activity::hosting:
        text += "hosting balls=" + std::to_string(state.balls);
        break;
    case Activity::playing:
        text += "playing with=" + percentEncoded(state.with);
        break;
    }
    return text;
}

std::variant<PlayerState, std::string> parseState(std::string_view text) {
    auto parsed = wordsOf(text);
    if (auto* error = std::get_if<std::string>(&parsed)) {
        return std::move(*error);
    }
    const Words& words = std::get<Words>(parsed);
    PlayerState state;
    const auto version = versionOf(words);
    if (!version) {
        return std::string("no version");
    }
    state.version = *version;
    const std::string activity = valueOr(words, "state");
    if (activity == "waiting") {
        state.activity = Activity::waiting;
    } else if (activity == "hosting") {
        state.activity = Activity::hosting;
        const auto balls = numberOf(valueOr(words, "balls"), 8);
        if (!balls || (*balls != 3 && *balls != 5 && *balls != 8)) {
            return std::string("a match length that is not 3, 5 or 8");
        }
        state.balls = static_cast<int>(*balls);
    } else if (activity == "playing") {
        state.activity = Activity::playing;
        const std::string with = valueOr(words, "with");
        if (with.empty()) {
            return std::string("playing with nobody");
        }
        state.with = cleanName(with);
        state.nameCleaned = state.with != with;
    } else {
        return std::string("no state the game knows");
    }
    return state;
}

namespace {
// The ways a candidate is reached other than directly, each listed apart.
constexpr std::pair<std::string_view, bool Candidate::*> candidateMarks[] = {
    {"forwarded", &Candidate::forwarded}, {"relayed", &Candidate::relayed}};
} // namespace

std::string formatIntroduction(const Introduction& introduction) {
    static constexpr std::string_view kinds[] = {"join", "accept", "decline", "challenge"};
    std::string text = "kind=" + std::string(kinds[static_cast<int>(introduction.kind)]) +
                       " v=" + std::to_string(introduction.version) +
                       " secret=" + introduction.secret;
    if (!introduction.candidates.empty()) {
        text += " at=";
        for (std::size_t i = 0; i < introduction.candidates.size(); ++i) {
            const Candidate& c = introduction.candidates[i];
            text += (i == 0 ? "" : ",") + c.address + ":" + std::to_string(c.port);
        }
    }
    // Apart from `at`, which versions that know no forwarding or relay read
    // as before.
    for (const auto& [name, marked] : candidateMarks) {
        std::string list;
        for (const Candidate& c : introduction.candidates) {
            if (c.*marked) {
                list += (list.empty() ? " " + std::string(name) + "=" : ",") + c.address + ":" +
                        std::to_string(c.port);
            }
        }
        text += list;
    }
    return text;
}

std::variant<Introduction, std::string> parseIntroduction(std::string_view text) {
    auto parsed = wordsOf(text);
    if (auto* error = std::get_if<std::string>(&parsed)) {
        return std::move(*error);
    }
    const Words& words = std::get<Words>(parsed);
    Introduction introduction;
    const std::string kind = valueOr(words, "kind");
    if (kind == "join") {
        introduction.kind = IntroductionKind::join;
    } else if (kind == "accept") {
        introduction.kind = IntroductionKind::accept;
    } else if (kind == "decline") {
        introduction.kind = IntroductionKind::decline;
    } else if (kind == "challenge") {
        introduction.kind = IntroductionKind::challenge;
    } else {
        return std::string("no kind the game knows");
    }
    const auto version = versionOf(words);
    if (!version) {
        return std::string("no version");
    }
    introduction.version = *version;
    introduction.secret = valueOr(words, "secret");
    if (introduction.secret.size() != secretHexDigits ||
        !std::all_of(introduction.secret.begin(), introduction.secret.end(),
                     [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); })) {
        return std::string("no secret of ") + std::to_string(secretHexDigits) + " hex digits";
    }
    const std::string at = valueOr(words, "at");
    for (std::size_t start = 0; !at.empty() && start <= at.size();) {
        const std::size_t end = std::min(at.find(',', start), at.size());
        if (introduction.candidates.size() == maxCandidates) {
            return "more than " + std::to_string(maxCandidates) + " addresses";
        }
        const auto candidate = candidateOf(std::string_view(at).substr(start, end - start));
        if (!candidate) {
            return std::string("an address that is not IPv4:port");
        }
        introduction.candidates.push_back(*candidate);
        start = end + 1;
    }
    // Only what `at` offers: a forwarded or relayed address alone is no candidate.
    for (const auto& [name, marked] : candidateMarks) {
        const std::string list = valueOr(words, std::string(name));
        for (std::size_t start = 0; !list.empty() && start <= list.size();) {
            const std::size_t end = std::min(list.find(',', start), list.size());
            const auto named = candidateOf(std::string_view(list).substr(start, end - start));
            for (Candidate& c : introduction.candidates) {
                c.*marked =
                    c.*marked || (named && c.address == named->address && c.port == named->port);
            }
            start = end + 1;
        }
    }
    if (introduction.kind != IntroductionKind::decline && introduction.candidates.empty()) {
        return std::string("no address");
    }
    return introduction;
}

std::string cleanName(std::string_view raw) {
    auto [text, characters] = cleaned(raw, false);
    if (characters > maxNameCharacters) {
        std::string_view rest = text;
        std::string cut;
        for (std::size_t i = 0; i < maxNameCharacters; ++i) {
            const auto [c, length] = nextCharacter(rest);
            rest.remove_prefix(length);
            append(cut, c);
        }
        text = cleaned(cut, false).first;
    }
    return text.empty() ? std::string("?") : text;
}

std::optional<std::string> cleanChat(std::string_view raw) {
    auto [text, characters] = cleaned(raw, true);
    if (characters == 0 || characters > maxChatCharacters) {
        return std::nullopt;
    }
    return text;
}

std::string newSecret() {
    static constexpr char digits[] = "0123456789abcdef";
    std::random_device random;
    std::string secret;
    while (secret.size() < secretHexDigits) {
        const unsigned bits = random();
        for (int i = 0; i < 8 && secret.size() < secretHexDigits; ++i) {
            secret += digits[(bits >> (4 * i)) & 15];
        }
    }
    return secret;
}

RateLimit::RateLimit(int burst, Clock::duration every, std::size_t maxSenders)
    : burst_(burst), every_(every), maxSenders_(maxSenders) {}

bool RateLimit::allow(const std::string& sender, Clock::time_point now) {
    auto found = senders_.find(sender);
    if (found == senders_.end()) {
        if (senders_.size() >= maxSenders_) {
            const auto oldest = std::min_element(
                senders_.begin(), senders_.end(),
                [](const auto& a, const auto& b) { return a.second.last < b.second.last; });
            senders_.erase(oldest);
        }
        found = senders_.emplace(sender, Bucket{static_cast<double>(burst_), now}).first;
    }
    Bucket& bucket = found->second;
    const double earned = std::chrono::duration<double>(now - bucket.last).count() /
                          std::chrono::duration<double>(every_).count();
    bucket.tokens = std::min<double>(burst_, bucket.tokens + std::max(0.0, earned));
    bucket.last = std::max(bucket.last, now);
    if (bucket.tokens < 1) {
        return false;
    }
    bucket.tokens -= 1;
    return true;
}

} // namespace gloob::lobby
