// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// A script or a recording, whole, as gloob-sim reads it and starts to play it.
#include "fuzz_check.h"
#include "test_support.h"

#include "app/engine.h"
#include "app/headless_front_end.h"
#include "match/keys.h"
#include "script/script.h"
#include "script/script_source.h"
#include "script/trace_writer.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <streambuf>

using namespace gloob;

namespace {

// Playing a script runs its first seconds only: enough for Play!'s wait and
// the first serve, with every event that falls there.
constexpr std::int64_t playedMicros = 3'000'000;

// The trace goes nowhere; only its writing is exercised.
class Discard final : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// The trace's lines of what the script did, and of message boxes and the
// end. The timers' lines, a line a tick, carry nothing from outside and took
// most of a run's time.
class InputTrace final : public EngineObserver {
public:
    explicit InputTrace(std::ostream& out) : writer_(out) {}
    void handlerReturned(std::int64_t micros, const Handler& handler,
                         const FrmGloob& frm) override {
        if (!handler.timer) {
            writer_.handlerReturned(micros, handler, frm);
        }
    }
    void messageBoxOpened(std::int64_t micros, std::string_view text) override {
        writer_.messageBoxOpened(micros, text);
    }
    void programEnded(std::int64_t micros) override { writer_.programEnded(micros); }

private:
    TraceWriter writer_;
};

// A side under a computer player presses and lets go of its keys at random
// from its seed. The computer players' planning reads nothing from outside
// but strength and seed, and took nine tenths of a run once the fuzzer
// wrote `bot` lines.
class RandomKeys final : public Autopilot {
public:
    RandomKeys(int side, std::uint32_t seed)
        : keys_(side == 2 ? std::array{keys::a, keys::w, keys::d}
                          : std::array{keys::left, keys::up, keys::right}),
          random_(seed) {}
    std::vector<KeyEvent> decide(const Scene&, const MatchState&) override {
        random_ = random_ * 1664525u + 1013904223u;
        const std::uint32_t pick = random_ >> 16;
        if (pick % 4 != 0) {
            return {};
        }
        return {{(pick & 4) != 0, keys_[(pick >> 3) % 3], 0}};
    }

private:
    std::array<std::int16_t, 3> keys_;
    std::uint32_t random_;
};

void play(const std::vector<ScriptEvent>& events) {
    Discard nowhere;
    std::ostream trace(&nowhere);
    InputTrace writer(trace);
    ScriptSource script(events);
    HeadlessFrontEnd front(script.inputSource());
    const gloob::testing::BlockTextRasteriser text;
    const Pictures pictures;
    Engine engine(front, text, pictures);
    engine.setAutopilotMaker([](int side, BotStrength, std::uint32_t seed) {
        return std::make_unique<RandomKeys>(side, seed);
    });
    engine.addObserver(writer);
    try {
        engine.start();
        do {
            engine.runHeartbeat();
        } while (engine.nowMicros() < std::min(script.stopMicros(), playedMicros));
    } catch (const RunEnded&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    auto parsed = parseScript(in);
    if (const auto* error = std::get_if<ScriptError>(&parsed)) {
        // One line naming a line of the script: no line break, nothing unprintable.
        FUZZ_CHECK(error->line >= 1 && !error->message.empty() && error->message.size() < 400);
        for (const char c : error->message) {
            FUZZ_CHECK(c >= 0x20 && c < 0x7F);
        }
        return 0;
    }
    const auto& events = std::get<std::vector<ScriptEvent>>(parsed);
    std::int64_t lastLine = 0;
    for (const ScriptEvent& event : events) {
        FUZZ_CHECK(event.line > lastLine);
        lastLine = event.line;
        FUZZ_CHECK(event.milliseconds >= 0 &&
                   static_cast<std::uint64_t>(event.milliseconds) <= maxScriptMilliseconds);
        // A recording writes the event by its name: read back, it is the same.
        const auto again = parseLine(std::to_string(event.milliseconds) + " " + event.name, 1);
        const auto* same = std::get_if<ScriptEvent>(&again);
        FUZZ_CHECK(same != nullptr && same->name == event.name &&
                   static_cast<const GameEvent&>(*same) == static_cast<const GameEvent&>(event));
    }
    play(events);
    return 0;
}
