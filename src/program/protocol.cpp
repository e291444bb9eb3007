// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "protocol.h"

#include "match/keys.h"
#include "script/script.h"
#include "script/trace_writer.h"

#include <array>

namespace gloob::program {

namespace {

std::string body(const Shape& shape, std::int16_t speedX, std::int16_t jumping) {
    return "[" + traceNumber(shape.Left) + "," + traceNumber(shape.Top) + "," +
           std::to_string(speedX) + "," + std::to_string(jumping) + "]";
}

struct Control {
    std::string_view word;
    std::int16_t keys[2]; // player 1's, player 2's
};

constexpr std::array<Control, 3> controls{{
    {"left", {keys::left, keys::a}},
    {"right", {keys::right, keys::d}},
    {"jump", {keys::up, keys::w}},
}};

} // namespace

std::string sightLine(std::int64_t micros, int side, const Scene& scene, const MatchState& state) {
    const Shape& ball = scene.shpBall;
    const bool play = ball.Visible && !scene.lblGameOver.Visible;
    return "{\"t\":" + std::to_string(micros) + ",\"side\":" + std::to_string(side) +
           ",\"ball\":[" + traceNumber(ball.Left) + "," + traceNumber(ball.Top) + "," +
           std::to_string(state.ballSpeedX) + "," + std::to_string(state.ballSpeedY) +
           "],\"p1\":" + body(scene.shpGloob1, state.player1SpeedX, state.player1Jumping) +
           ",\"p2\":" + body(scene.shpGloob2, state.player2SpeedX, state.player2Jumping) +
           ",\"score\":[" + std::to_string(state.player1Score) + "," +
           std::to_string(state.player2Score) + "],\"play\":" + (play ? "1" : "0") + "}";
}

std::variant<std::vector<KeyEvent>, std::string> parseAnswer(std::string_view line, int side) {
    if (line.size() > maxAnswerBytes) {
        return "an answer longer than " + std::to_string(maxAnswerBytes) + " bytes";
    }
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    std::vector<KeyEvent> keys;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t') {
            ++end;
        }
        const std::string_view word = line.substr(i, end - i);
        i = end;
        const auto bad = [&] {
            return quotedWord(word) + ", which is no key (+left, -left, +right, -right, +jump or " +
                   "-jump)";
        };
        if (word[0] != '+' && word[0] != '-') {
            return bad();
        }
        const auto* control = std::find_if(controls.begin(), controls.end(), [&](const Control& c) {
            return c.word == word.substr(1);
        });
        if (control == controls.end()) {
            return bad();
        }
        keys.push_back({word[0] == '+', control->keys[side == 1 ? 0 : 1], 0});
    }
    return keys;
}

} // namespace gloob::program
