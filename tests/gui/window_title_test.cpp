// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "qt/window_title.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace gloob {
namespace {

struct TitleCase {
    const char* name;
    WindowState state;
    std::string title;
};
void PrintTo(const TitleCase& c, std::ostream* os) {
    *os << c.name;
}

class Titles : public ::testing::TestWithParam<TitleCase> {};

TEST_P(Titles, SayWhatTheWindowShowsBeyondTheGame) {
    EXPECT_EQ(windowTitle("Gloob Volleyballl", GetParam().state).toStdString(), GetParam().title);
}

constexpr std::int64_t second = 1'000'000;

WindowState replay(std::int64_t at, std::int64_t length, int speed = 1, bool paused = false) {
    WindowState state;
    state.replay = true;
    state.replayMicros = at;
    state.replayLengthMicros = length;
    state.speed = speed;
    state.paused = paused;
    return state;
}

WindowState paused(bool online, const char* onlineText = "") {
    WindowState state;
    state.paused = true;
    state.online = online;
    state.onlineText = QString::fromUtf8(onlineText);
    return state;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Titles,
    ::testing::Values(TitleCase{"TheGameAlone", {}, "Gloob Volleyballl"},
                      TitleCase{"Paused", paused(false), "Gloob Volleyballl - Paused"},
                      TitleCase{"ReplayClockInMinutesAndSeconds", replay(65 * second, 605 * second),
                                "Gloob Volleyballl - Replay 1:05 / 10:05"},
                      TitleCase{"ReplayClockStopsAtTheEnd", replay(90 * second, 75 * second),
                                "Gloob Volleyballl - Replay 1:15 / 1:15"},
                      TitleCase{"BeforeTheFirstPlayTheClockShowsNothingGone",
                                replay(-3 * second, 9 * second),
                                "Gloob Volleyballl - Replay 0:00 / 0:09"},
                      TitleCase{"FastPausedReplay", replay(0, 9 * second, 4, true),
                                "Gloob Volleyballl - Replay 0:00 / 0:09 4x - Paused"},
                      // Waiting for the other machine stops the clock, but no player paused.
                      TitleCase{"OnlineWaitIsNoPause", paused(true, "Joining 192.0.2.7:27960..."),
                                "Gloob Volleyballl - Joining 192.0.2.7:27960..."}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob
