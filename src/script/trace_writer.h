// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/engine.h"
#include "app/frm_gloob.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace gloob {

// A position as the trace shows it: an integer when whole, else the shortest
// decimal that reads back as the same single-precision value.
std::string traceNumber(float value);

// A JSON string literal, quotes included.
std::string jsonString(std::string_view text);

// The handler as traces and scripts name it: "tmrMain", "keydown 37".
std::string handlerName(const Handler& handler);

// Writes the trace: one JSON object a line.
class TraceWriter final : public EngineObserver {
public:
    // With flushEveryLine, a crash loses no line already written.
    explicit TraceWriter(std::ostream& out, bool flushEveryLine = false)
        : out_(out), flushEveryLine_(flushEveryLine) {}

    void handlerReturned(std::int64_t micros, const Handler& handler,
                         const FrmGloob& frm) override {
        state(micros, handlerName(handler), frm);
    }
    void messageBoxOpened(std::int64_t micros, std::string_view text) override {
        messageBox(micros, text);
    }
    void programEnded(std::int64_t micros) override { exit(micros); }

    // After a handler returns: the window's state as it stands.
    void state(std::int64_t micros, std::string_view event, const FrmGloob& frm);
    void messageBox(std::int64_t micros, std::string_view text);
    void exit(std::int64_t micros);

private:
    void write();

    std::ostream& out_;
    bool flushEveryLine_;
    std::string line_;
};

} // namespace gloob
