// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "protocol.h"

#include "app/key_bindings.h"

#include <algorithm>
#include <type_traits>

namespace gloob::net {

namespace {

// Far beyond any match (the millisecond counter's whole range), and small
// enough that no stamp arithmetic can overflow.
constexpr std::uint64_t maxVirtualMicros = std::uint64_t{1} << 43;

// Wire codes of the events that travel.
enum class WireKind : std::uint8_t { keyDown = 1, keyUp, clickPlay, clickExit, menu, serve };

class Writer {
public:
    // Room for any message but a frame of many events, made once: grown
    // byte by byte, a frame was reallocated six times.
    explicit Writer(MessageType type) {
        bytes_.reserve(64);
        u8(static_cast<std::uint8_t>(type));
    }
    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void u16(std::uint16_t v) {
        u8(static_cast<std::uint8_t>(v >> 8));
        u8(static_cast<std::uint8_t>(v));
    }
    void u32(std::uint32_t v) {
        u16(static_cast<std::uint16_t>(v >> 16));
        u16(static_cast<std::uint16_t>(v));
    }
    void u64(std::uint64_t v) {
        u32(static_cast<std::uint32_t>(v >> 32));
        u32(static_cast<std::uint32_t>(v));
    }
    void text(const std::string& s) {
        const std::size_t length = std::min(s.size(), maxVersionBytes);
        u8(static_cast<std::uint8_t>(length));
        bytes_.insert(bytes_.end(), s.begin(), s.begin() + static_cast<std::ptrdiff_t>(length));
    }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

// Reads fields in order; any read past the end marks the whole message bad.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint8_t u8() {
        if (at_ >= bytes_.size()) {
            bad_ = true;
            return 0;
        }
        return bytes_[at_++];
    }
    std::uint16_t u16() {
        const auto high = u8();
        return static_cast<std::uint16_t>(high << 8 | u8());
    }
    std::uint32_t u32() {
        const std::uint32_t high = u16();
        return high << 16 | u16();
    }
    std::uint64_t u64() {
        const std::uint64_t high = u32();
        return high << 32 | u32();
    }
    std::optional<std::string> text() {
        const std::size_t length = u8();
        if (length > maxVersionBytes || bytes_.size() - std::min(at_, bytes_.size()) < length) {
            bad_ = true;
            return std::nullopt;
        }
        std::string s(bytes_.begin() + static_cast<std::ptrdiff_t>(at_),
                      bytes_.begin() + static_cast<std::ptrdiff_t>(at_ + length));
        at_ += length;
        // A version is printable ASCII: it is shown to the player.
        if (!std::all_of(s.begin(), s.end(), [](char c) { return c >= 0x20 && c < 0x7F; })) {
            bad_ = true;
        }
        return s;
    }
    // Whether every byte was read and none was missing.
    bool complete() const { return !bad_ && at_ == bytes_.size(); }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
    bool bad_ = false;
};

void writeEvent(Writer& w, const GameEvent& event) {
    switch (event.kind) {
    case EventKind::keyDown:
        w.u8(static_cast<std::uint8_t>(WireKind::keyDown));
        w.u16(event.keyCode);
        return;
    case EventKind::keyUp:
        w.u8(static_cast<std::uint8_t>(WireKind::keyUp));
        w.u16(event.keyCode);
        return;
    case EventKind::clickPlay:
        w.u8(static_cast<std::uint8_t>(WireKind::clickPlay));
        w.u16(0);
        return;
    case EventKind::clickExit:
        w.u8(static_cast<std::uint8_t>(WireKind::clickExit));
        w.u16(0);
        return;
    case EventKind::menu:
        w.u8(static_cast<std::uint8_t>(WireKind::menu));
        w.u16(static_cast<std::uint16_t>(event.menuItem));
        return;
    case EventKind::serve:
        w.u8(static_cast<std::uint8_t>(WireKind::serve));
        w.u16(static_cast<std::uint16_t>(event.serveRule));
        return;
    case EventKind::focusOut:
    case EventKind::end:
    case EventKind::bot:
        break;
    }
    // Never sent: the lockstep refuses them before they are stamped.
    w.u8(0);
    w.u16(0);
}

std::optional<GameEvent> readEvent(std::uint8_t kind, std::uint16_t code) {
    switch (static_cast<WireKind>(kind)) {
    case WireKind::keyDown:
        return GameEvent::keyDown(code);
    case WireKind::keyUp:
        return GameEvent::keyUp(code);
    case WireKind::clickPlay:
        return code == 0 ? std::optional(GameEvent::of(EventKind::clickPlay)) : std::nullopt;
    case WireKind::clickExit:
        return code == 0 ? std::optional(GameEvent::of(EventKind::clickExit)) : std::nullopt;
    case WireKind::menu:
        // Only items that run a command; the rest merely open submenus.
        if (code < menuItemCount && menuWord(static_cast<MenuId>(code))) {
            return GameEvent::menu(static_cast<MenuId>(code));
        }
        return std::nullopt;
    case WireKind::serve:
        if (code <= static_cast<std::uint16_t>(ServeRule::alternate)) {
            return GameEvent::serve(static_cast<ServeRule>(code));
        }
        return std::nullopt;
    }
    return std::nullopt;
}

std::vector<std::uint8_t> encodeFrame(const InputFrame& frame) {
    Writer w(MessageType::input);
    w.u32(frame.session);
    w.u32(frame.ack);
    w.u64(static_cast<std::uint64_t>(frame.frontier));
    const std::size_t count = std::min(frame.events.size(), maxFrameEvents);
    w.u32(count > 0 ? frame.events.front().sequence : 0);
    w.u8(static_cast<std::uint8_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
        const StampedEvent& e = frame.events[i];
        w.u32(static_cast<std::uint32_t>(frame.frontier - e.stamp));
        writeEvent(w, e.event);
    }
    w.u16(static_cast<std::uint16_t>(frame.aheadMillis));
    return w.take();
}

std::optional<Message> decodeFrame(Reader& r) {
    InputFrame frame;
    frame.session = r.u32();
    frame.ack = r.u32();
    const std::uint64_t frontier = r.u64();
    const std::uint32_t first = r.u32();
    const std::size_t count = r.u8();
    if (frontier > maxVirtualMicros || count > maxFrameEvents ||
        (count > 0 && (first == 0 || first > UINT32_MAX - count))) {
        return std::nullopt;
    }
    frame.frontier = static_cast<std::int64_t>(frontier);
    std::uint32_t lastBehind = UINT32_MAX;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t behind = r.u32();
        const std::uint8_t kind = r.u8();
        const std::uint16_t code = r.u16();
        const auto event = readEvent(kind, code);
        // Stamps lie at or before the frontier and never go back.
        if (!event || behind > frontier || behind > lastBehind) {
            return std::nullopt;
        }
        lastBehind = behind;
        frame.events.push_back({static_cast<std::uint32_t>(first + i),
                                frame.frontier - static_cast<std::int64_t>(behind), *event});
    }
    frame.aheadMillis = static_cast<std::int16_t>(r.u16());
    return frame;
}

} // namespace

std::vector<std::uint8_t> encode(const Message& message) {
    return std::visit(
        [](const auto& m) -> std::vector<std::uint8_t> {
            using M = std::decay_t<decltype(m)>;
            if constexpr (std::is_same_v<M, Hello>) {
                Writer w(MessageType::hello);
                for (const std::uint8_t b : helloMagic) {
                    w.u8(b);
                }
                w.u16(m.protocol);
                w.text(m.gameVersion);
                return w.take();
            } else if constexpr (std::is_same_v<M, Refuse>) {
                Writer w(MessageType::refuse);
                w.u8(static_cast<std::uint8_t>(m.reason));
                w.u16(m.protocol);
                w.text(m.gameVersion);
                return w.take();
            } else if constexpr (std::is_same_v<M, Welcome>) {
                Writer w(MessageType::welcome);
                w.u32(m.session);
                return w.take();
            } else if constexpr (std::is_same_v<M, Ping> || std::is_same_v<M, Pong>) {
                Writer w(std::is_same_v<M, Ping> ? MessageType::ping : MessageType::pong);
                w.u32(m.session);
                w.u32(m.number);
                return w.take();
            } else if constexpr (std::is_same_v<M, Start>) {
                Writer w(MessageType::start);
                w.u32(m.session);
                w.u8(m.inputDelay);
                return w.take();
            } else if constexpr (std::is_same_v<M, InputFrame>) {
                return encodeFrame(m);
            } else if constexpr (std::is_same_v<M, BoxClosed>) {
                Writer w(MessageType::boxClosed);
                w.u32(m.session);
                w.u32(m.box);
                return w.take();
            } else if constexpr (std::is_same_v<M, StateHash>) {
                Writer w(MessageType::hash);
                w.u32(m.session);
                w.u32(m.step);
                w.u64(m.digest);
                return w.take();
            } else {
                static_assert(std::is_same_v<M, Bye>);
                Writer w(MessageType::bye);
                w.u32(m.session);
                w.u8(static_cast<std::uint8_t>(m.reason));
                w.u64(static_cast<std::uint64_t>(m.lastPoint));
                return w.take();
            }
        },
        message);
}

std::optional<Message> decode(std::span<const std::uint8_t> bytes) {
    if (bytes.empty() || bytes.size() > maxMessageBytes) {
        return std::nullopt;
    }
    Reader r(bytes);
    std::optional<Message> message;
    switch (static_cast<MessageType>(r.u8())) {
    case MessageType::hello: {
        Hello hello;
        for (const std::uint8_t expected : helloMagic) {
            if (r.u8() != expected) {
                return std::nullopt;
            }
        }
        hello.protocol = r.u16();
        if (auto version = r.text()) {
            hello.gameVersion = std::move(*version);
            message = hello;
        }
        break;
    }
    case MessageType::refuse: {
        Refuse refuse;
        const std::uint8_t reason = r.u8();
        if (reason != static_cast<std::uint8_t>(RefuseReason::otherVersion) &&
            reason != static_cast<std::uint8_t>(RefuseReason::busy)) {
            return std::nullopt;
        }
        refuse.reason = static_cast<RefuseReason>(reason);
        refuse.protocol = r.u16();
        if (auto version = r.text()) {
            refuse.gameVersion = std::move(*version);
            message = refuse;
        }
        break;
    }
    case MessageType::welcome:
        message = Welcome{r.u32()};
        break;
    case MessageType::ping: {
        const std::uint32_t session = r.u32();
        message = Ping{session, r.u32()};
        break;
    }
    case MessageType::pong: {
        const std::uint32_t session = r.u32();
        message = Pong{session, r.u32()};
        break;
    }
    case MessageType::start: {
        const std::uint32_t session = r.u32();
        const std::uint8_t delay = r.u8();
        if (delay < minInputDelay || delay > maxInputDelay) {
            return std::nullopt;
        }
        message = Start{session, delay};
        break;
    }
    case MessageType::input:
        message = decodeFrame(r);
        break;
    case MessageType::boxClosed: {
        const std::uint32_t session = r.u32();
        const std::uint32_t box = r.u32();
        if (box == 0) {
            return std::nullopt;
        }
        message = BoxClosed{session, box};
        break;
    }
    case MessageType::hash: {
        StateHash hash;
        hash.session = r.u32();
        hash.step = r.u32();
        hash.digest = r.u64();
        message = hash;
        break;
    }
    case MessageType::bye: {
        Bye bye;
        bye.session = r.u32();
        const std::uint8_t reason = r.u8();
        const std::uint64_t lastPoint = r.u64();
        if (reason < static_cast<std::uint8_t>(ByeReason::left) ||
            reason > static_cast<std::uint8_t>(ByeReason::fault) || lastPoint > maxVirtualMicros) {
            return std::nullopt;
        }
        bye.reason = static_cast<ByeReason>(reason);
        bye.lastPoint = static_cast<std::int64_t>(lastPoint);
        message = bye;
        break;
    }
    default:
        return std::nullopt;
    }
    if (!message || !r.complete()) {
        return std::nullopt;
    }
    return message;
}

bool playerMaySend(int side, const GameEvent& event) {
    switch (event.kind) {
    case EventKind::keyDown:
    case EventKind::keyUp: {
        const auto control = controlOfRuleKey(event.keyCode);
        return control && control->player == side;
    }
    case EventKind::clickPlay:
    case EventKind::clickExit:
        return true;
    case EventKind::menu:
        switch (event.menuItem) {
        case MenuId::mnuExit:
        case MenuId::mnuInstructions:
        case MenuId::mnuAbout:
            return true;
        case MenuId::mnu3:
        case MenuId::mnu5:
        case MenuId::mnu8:
        case MenuId::mnuMountain:
        case MenuId::mnuBeach:
        case MenuId::mnuNone:
            return side == 1;
        default:
            return false;
        }
    case EventKind::serve:
        return side == 1;
    case EventKind::focusOut:
    case EventKind::end:
    case EventKind::bot:
        break;
    }
    return false;
}

} // namespace gloob::net
