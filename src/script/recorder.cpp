// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "recorder.h"

#include "script.h"

#include <ctime>

namespace gloob {

std::string recordingDate() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &utc);
    return std::string(text, length);
}

Recorder::Recorder(std::ostream& out, std::string_view gameVersion, std::string_view date)
    : out_(out) {
    out_ << "# Gloob Volleyball " << gameVersion << ", recorded " << date << '\n'
         << scriptFormatComment << scriptFormat << '\n';
    out_.flush();
}

void Recorder::handedOver(std::int64_t micros, const GameEvent& event) {
    startedAMatch_ = startedAMatch_ || event.kind == EventKind::clickPlay;
    write(micros, event);
}

void Recorder::runStopped(std::int64_t micros) {
    write(micros, GameEvent::of(EventKind::end));
}

void Recorder::write(std::int64_t micros, const GameEvent& event) {
    line_ = std::to_string(micros / 1000);
    line_ += ' ';
    line_ += eventName(event);
    line_ += '\n';
    out_ << line_;
    out_.flush();
}

} // namespace gloob
