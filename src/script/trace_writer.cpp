// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "trace_writer.h"

#include <charconv>
#include <cmath>
#include <initializer_list>

namespace gloob {

std::string handlerName(const Handler& handler) {
    if (!handler.timer) {
        return eventName(handler.input);
    }
    static constexpr std::array<std::string_view, timerCount> timerNames{"tmrMain", "tmrBall",
                                                                         "tmrJump1", "tmrJump2"};
    return std::string(timerNames[static_cast<std::size_t>(*handler.timer)]);
}

std::string traceNumber(float value) {
    if (!std::isfinite(value)) {
        return "null"; // JSON has no infinities; play never makes one
    }
    // Below 2^53 every whole float converts to an exact 64-bit integer.
    if (value == std::trunc(value) && std::fabs(value) < 9007199254740992.0f) {
        return std::to_string(static_cast<std::int64_t>(value));
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string jsonString(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                static constexpr char hex[] = "0123456789abcdef";
                out += "\\u00";
                out += hex[(static_cast<unsigned char>(c) >> 4) & 0xF];
                out += hex[static_cast<unsigned char>(c) & 0xF];
            } else {
                out += c; // UTF-8 passes through as it is
            }
        }
    }
    out += '"';
    return out;
}

namespace {

// Builds one array of the trace from already formatted items.
void array(std::string& line, std::string_view key, std::initializer_list<std::string> items) {
    line += ",\"";
    line += key;
    line += "\":[";
    bool first = true;
    for (const std::string& item : items) {
        if (!first) {
            line += ',';
        }
        line += item;
        first = false;
    }
    line += ']';
}

std::string n(std::int64_t value) {
    return std::to_string(value);
}

std::string flag(bool value) {
    return value ? "1" : "0";
}

void begin(std::string& line, std::int64_t micros, std::string_view event) {
    line = "{\"t\":";
    line += std::to_string(micros);
    line += ",\"ev\":";
    line += jsonString(event);
}

} // namespace

void TraceWriter::state(std::int64_t micros, std::string_view event, const FrmGloob& frm) {
    const Scene& s = frm.scene;
    const MatchState& m = frm.state;
    begin(line_, micros, event);
    array(line_, "ball",
          {traceNumber(s.shpBall.Left), traceNumber(s.shpBall.Top), n(m.ballSpeedX),
           n(m.ballSpeedY), flag(s.shpBall.Visible)});
    array(line_, "p1",
          {traceNumber(s.shpGloob1.Left), traceNumber(s.shpGloob1.Top),
           traceNumber(s.shpBase1.Left), traceNumber(s.shpBase1.Top), n(m.player1SpeedX),
           n(m.player1BaseSpeedX), n(m.player1Jumping), n(m.player1JumpSpeed)});
    array(line_, "p2",
          {traceNumber(s.shpGloob2.Left), traceNumber(s.shpGloob2.Top),
           traceNumber(s.shpBase2.Left), traceNumber(s.shpBase2.Top), n(m.player2SpeedX),
           n(m.player2BaseSpeedX), n(m.player2Jumping), n(m.player2JumpSpeed)});
    array(line_, "arc", {n(m.ballArcRunning), n(m.ballArcLimit)});
    array(line_, "score", {n(m.player1Score), n(m.player2Score), n(m.ballsPerGame)});
    array(line_, "lbl",
          {jsonString(s.lblPlayer1Score.Caption), jsonString(s.lblPlayer2Score.Caption),
           flag(s.lblGameOver.Visible)});
    array(line_, "ui",
          {flag(s.cmdPlay.Visible), flag(s.cmdExit.Visible), flag(s.imgMountain.Visible),
           flag(s.imgBeach.Visible), n(s.tmrMain.Interval)});
    array(line_, "menu",
          {flag(s.mnu3.Checked), flag(s.mnu5.Checked), flag(s.mnu8.Checked),
           flag(s.mnuMountain.Checked), flag(s.mnuBeach.Checked), flag(s.mnuNone.Checked)});
    line_ += "}\n";
    write();
}

void TraceWriter::messageBox(std::int64_t micros, std::string_view text) {
    begin(line_, micros, "msgbox");
    line_ += ",\"text\":";
    line_ += jsonString(text);
    line_ += "}\n";
    write();
}

void TraceWriter::exit(std::int64_t micros) {
    begin(line_, micros, "exit");
    line_ += "}\n";
    write();
}

void TraceWriter::write() {
    out_ << line_;
    if (flushEveryLine_) {
        out_.flush();
    }
}

} // namespace gloob
