// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "qtgui/qt_text_rasteriser.h"
#include "script/trace_writer.h"
#include "sim_test_support.h"

#include <gtest/gtest.h>

#include <sstream>

namespace gloob::sim::testing {
namespace {

struct NumberCase {
    float value;
    const char* text;
};

void PrintTo(const NumberCase& c, std::ostream* out) {
    *out << c.text;
}

class TraceNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(TraceNumber, IsAnIntegerWhenWholeElseTheShortestDecimal) {
    EXPECT_EQ(traceNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, TraceNumber,
    ::testing::Values(NumberCase{9240.0f, "9240"}, NumberCase{0.0f, "0"}, NumberCase{-0.0f, "0"},
                      NumberCase{-65.0f, "-65"},
                      // Whole values past 2^24 stay integers, never exponents.
                      NumberCase{16777216.0f, "16777216"}, NumberCase{1e10f, "10000000000"},
                      NumberCase{0.5f, "0.5"}, NumberCase{-187.5f, "-187.5"},
                      NumberCase{9427.5f, "9427.5"},
                      // 0.1f is 0.100000001490116...: the shortest text that reads back.
                      NumberCase{0.1f, "0.1"}, NumberCase{1234.56f, "1234.56"},
                      NumberCase{8191.999f, "8191.999"}));

struct StringCase {
    const char* name;
    std::string text;
    const char* json;
};

class JsonString : public ::testing::TestWithParam<StringCase> {};

TEST_P(JsonString, Escapes) {
    EXPECT_EQ(jsonString(GetParam().text), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, JsonString,
    ::testing::Values(
        StringCase{"Plain", "Play!", R"("Play!")"}, StringCase{"Blank", " 0", R"(" 0")"},
        StringCase{"Empty", "", R"("")"}, StringCase{"Quote", "say \"hi\"", R"("say \"hi\"")"},
        StringCase{"Backslash", "a\\b", R"("a\\b")"},
        StringCase{"LineBreak", "one\ntwo", R"("one\ntwo")"},
        StringCase{"Tab", "a\tb", R"("a\tb")"}, StringCase{"CarriageReturn", "a\rb", R"("a\rb")"},
        StringCase{"OtherControls", std::string("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\x7f\""},
        StringCase{"Nul", std::string("a\0b", 3), R"("a\u0000b")"},
        StringCase{"Utf8PassesThrough", "caf\xc3\xa9", "\"caf\xc3\xa9\""}),
    [](const auto& info) { return std::string(info.param.name); });

// A window in a state no real game reaches, so that every field differs from
// its neighbours and a swapped field shows.
class TraceLine : public ::testing::Test {
protected:
    struct NoFrontEnd final : FrontEnd {
        void collectInput(Engine&) override {}
        void paceTo(std::int64_t) override {}
        void showMessage(std::string_view) override {}
        TwipRect availableScreen() override { return {}; }
        TwipRect windowOuterFrame() override { return {}; }
        void moveWindow(float, float) override {}
        void endProgram() override {}
    };

    std::ostringstream out;
    TraceWriter writer{out};
    NoFrontEnd front;
    QtTextRasteriser text;
    Pictures pictures;
    Engine engine{front, text, pictures};
    FrmGloob& frm = engine.window();
};

TEST_F(TraceLine, StateHasEveryFieldInItsPlace) {
    Scene& s = frm.scene;
    MatchState& m = frm.state;
    s.shpBall.Left = 100.5f;
    s.shpBall.Top = 200;
    m.ballSpeedX = -65;
    m.ballSpeedY = 71;
    s.shpBall.Visible = false;
    s.shpGloob1.Left = 1;
    s.shpGloob1.Top = 2;
    s.shpBase1.Left = 3;
    s.shpBase1.Top = 4;
    m.player1SpeedX = 5;
    m.player1BaseSpeedX = 6;
    m.player1Jumping = -1;
    m.player1JumpSpeed = -150;
    s.shpGloob2.Left = 11;
    s.shpGloob2.Top = 12;
    s.shpBase2.Left = 13;
    s.shpBase2.Top = 14.25f;
    m.player2SpeedX = 15;
    m.player2BaseSpeedX = 16;
    m.player2Jumping = 0;
    m.player2JumpSpeed = 17;
    m.ballArcRunning = -1;
    m.ballArcLimit = 5145;
    m.player1Score = 2;
    m.player2Score = 4;
    m.ballsPerGame = 8;
    s.lblPlayer1Score.Caption = " 2";
    s.lblPlayer2Score.Caption = "4\"";
    s.lblGameOver.Visible = true;
    s.cmdPlay.Visible = true;
    s.cmdExit.Visible = false;
    s.imgMountain.Visible = false;
    s.imgBeach.Visible = true;
    s.tmrMain.Interval = 1;
    s.mnu3.Checked = false;
    s.mnu5.Checked = false;
    s.mnu8.Checked = true;
    s.mnuMountain.Checked = false;
    s.mnuBeach.Checked = true;
    s.mnuNone.Checked = false;

    writer.state(2031250, "keydown 37", frm);

    EXPECT_EQ(out.str(), R"({"t":2031250,"ev":"keydown 37",)"
                         R"("ball":[100.5,200,-65,71,0],)"
                         R"("p1":[1,2,3,4,5,6,-1,-150],)"
                         R"("p2":[11,12,13,14.25,15,16,0,17],)"
                         R"("arc":[-1,5145],)"
                         R"("score":[2,4,8],)"
                         R"("lbl":[" 2","4\"",1],)"
                         R"("ui":[1,0,0,1,1],)"
                         R"("menu":[0,0,1,0,1,0]})"
                         "\n");
}

TEST_F(TraceLine, KeysComeInTheirOrder) {
    writer.state(15625, "tmrMain", frm);
    const Json line = parseJson(out.str().substr(0, out.str().size() - 1));
    EXPECT_EQ(keysOf(line), (std::vector<std::string>{"t", "ev", "ball", "p1", "p2", "arc", "score",
                                                      "lbl", "ui", "menu"}));
}

TEST_F(TraceLine, MessageBoxHasOnlyTimeEventAndText) {
    writer.messageBox(15625, "Gloob Volleyball\nA \"game\"");
    EXPECT_EQ(out.str(), R"({"t":15625,"ev":"msgbox","text":"Gloob Volleyball\nA \"game\""})"
                         "\n");
}

TEST_F(TraceLine, ExitHasOnlyTimeAndEvent) {
    writer.exit(31250);
    EXPECT_EQ(out.str(), "{\"t\":31250,\"ev\":\"exit\"}\n");
}

} // namespace
} // namespace gloob::sim::testing
