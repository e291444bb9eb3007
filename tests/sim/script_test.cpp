// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "script/script.h"
#include "sim_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <streambuf>
#include <string>

namespace gloob::sim::testing {
namespace {

struct MalformedCase {
    const char* name;
    std::string script;
    std::int64_t line;
    std::string message;
};

class MalformedScript : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedScript, IsRejectedWithItsLineNumber) {
    const MalformedCase& c = GetParam();
    std::istringstream in(c.script);
    const auto parsed = parseScript(in);
    ASSERT_TRUE(std::holds_alternative<ScriptError>(parsed));
    const ScriptError& error = std::get<ScriptError>(parsed);
    EXPECT_EQ(error.line, c.line);
    EXPECT_EQ(error.message.rfind(c.message, 0), 0u)
        << "message: " << error.message << "\nexpected to start with: " << c.message;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MalformedScript,
    ::testing::Values(
        MalformedCase{"UnknownKeyword", "0 click play\n\n10 jump\n", 3, "unknown event 'jump'"},
        MalformedCase{"UppercaseKeyword", "0 KEYDOWN 37\n", 1, "unknown event 'KEYDOWN'"},
        MalformedCase{"CapitalisedKeyword", "0 End\n", 1, "unknown event 'End'"},
        MalformedCase{"UppercaseButton", "0 click Play\n", 1, "unknown button 'Play'"},
        MalformedCase{"UnknownButton", "0 click options\n", 1, "unknown button 'options'"},
        MalformedCase{"UppercaseMenuItem", "0 menu About\n", 1, "unknown menu item 'About'"},
        MalformedCase{"UnknownBallCount", "0 menu 4\n", 1, "unknown menu item '4'"},
        MalformedCase{"UnknownServeRule", "0 serve winner\n", 1,
                      "unknown serve rule 'winner' (player1, loser or alternate)"},
        MalformedCase{"ServeWithoutRule", "0 serve\n", 1, "missing serve rule after 'serve'"},
        MalformedCase{"SubmenuIsNoCommand", "0 menu backround\n", 1,
                      "unknown menu item 'backround'"},
        MalformedCase{"OnlyATime", "100\n", 1, "missing event"},
        MalformedCase{"MissingKeyCode", "0 keydown\n", 1, "missing key code after 'keydown'"},
        MalformedCase{"MissingKeyCodeBeforeComment", "0 keyup # 37\n", 1,
                      "missing key code after 'keyup'"},
        MalformedCase{"MissingButton", "0 click\n", 1, "missing button"},
        MalformedCase{"MissingMenuItem", "0 menu\n", 1, "missing menu item"},
        MalformedCase{"MissingTime", "keydown 37\n", 1, "bad time 'keydown'"},
        MalformedCase{"ExtraWordAfterKeyCode", "0 keydown 37 38\n", 1,
                      "unexpected '38' after '37'"},
        MalformedCase{"ExtraWordAfterButton", "0 click play now\n", 1,
                      "unexpected 'now' after 'play'"},
        MalformedCase{"ExtraWordAfterMenuItem", "0 menu 3 5\n", 1, "unexpected '5' after '3'"},
        MalformedCase{"ExtraWordAfterEnd", "0 end now\n", 1, "unexpected 'now' after 'end'"},
        MalformedCase{"ExtraWordAfterFocusout", "0 focusout 1\n", 1,
                      "unexpected '1' after 'focusout'"},
        MalformedCase{"KeyCodeTooLarge", "0 keydown 65536\n", 1, "bad key code '65536'"},
        MalformedCase{"NegativeKeyCode", "0 keyup -1\n", 1, "bad key code '-1'"},
        MalformedCase{"HexKeyCode", "0 keydown 0x25\n", 1, "bad key code '0x25'"},
        MalformedCase{"KeyName", "0 keydown left\n", 1, "bad key code 'left'"},
        MalformedCase{"NegativeTime", "-5 keydown 37\n", 1, "bad time '-5'"},
        MalformedCase{"SignedTime", "+5 keydown 37\n", 1, "bad time '+5'"},
        MalformedCase{"TimeWithLetters", "10ms keydown 37\n", 1, "bad time '10ms'"},
        MalformedCase{"TimeInScientificForm", "1e3 end\n", 1, "bad time '1e3'"},
        MalformedCase{"FractionalTime", "1.5 end\n", 1, "bad time '1.5'"},
        MalformedCase{"TimeBeyondTheCounter", "4294967296 end\n", 1,
                      "time '4294967296' is beyond the millisecond counter (at most 4294967295)"},
        MalformedCase{"TimeOfAnHourLongRunOfHeartbeats", "0 end\n4294967500 keydown 37\n", 2,
                      "time '4294967500' is beyond the millisecond counter"},
        MalformedCase{"TimeBeyondSixtyFourBits", "99999999999999999999999 end\n", 1,
                      "time '99999999999999999999999' is beyond the millisecond counter"},
        MalformedCase{"LineTooLong", std::string(5000, '1') + " end\n", 1,
                      "line too long (more than 4096 bytes)"},
        MalformedCase{"LineTooLongWithoutALineEnd", "0 end\n# note\n" + std::string(4097, ' '), 3,
                      "line too long"},
        MalformedCase{"TerminalControlsShownAsHex", "0 \x1b]2;gotcha\x07\x1b[2J\n", 1,
                      "unknown event '\\x1B]2;gotcha\\x07\\x1B[2J'"},
        MalformedCase{"NonAsciiShownAsHex", "0 caf\xc3\xa9\n", 1, "unknown event 'caf\\xC3\\xA9'"},
        MalformedCase{"BackslashShownAsHex", "0 keydown \\x41\n", 1, "bad key code '\\x5Cx41'"},
        MalformedCase{"NulBytesShownAsHex", std::string("0 \0\0 end\n", 9), 1,
                      "unknown event '\\x00\\x00'"},
        MalformedCase{"LongWordCut", "0 " + std::string(1000, 'w') + "\n", 1,
                      "unknown event '" + std::string(40, 'w') + "...'"},
        MalformedCase{"ProgramWithoutSide", "0 program\n", 1,
                      "missing side (1 or 2) after 'program'"},
        MalformedCase{"ProgramWithoutCommand", "0 program 2  # none\n", 1,
                      "missing command after '2'"},
        MalformedCase{"ProgramOnSideThree", "0 program 3 ./mine\n", 1, "bad side '3' (1 or 2)"},
        MalformedCase{"OldMacLineEnds", "0 keydown 37\r\r0 bogus\r", 3, "unknown event 'bogus'"},
        MalformedCase{"WindowsLineEnds", "0 keydown 37\r\n\r\n0 bogus\r\n", 3,
                      "unknown event 'bogus'"},
        MalformedCase{"MixedLineEnds", "0 end\n0 end\r0 end\r\n0 bogus", 4,
                      "unknown event 'bogus'"},
        MalformedCase{
            "FirstFaultAfterCommentsAndBlanks",
            "# a script\n\n   \n0 keydown 37   # left\n\t# note\n20 keyup 37 x\n0 bogus\n", 6,
            "unexpected 'x' after '37'"},
        MalformedCase{"FaultOnTheLastLineWithoutLineBreak", "0 end\n5 click", 2, "missing button"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ValidCase {
    const char* name;
    const char* line;
    std::int64_t milliseconds;
    EventKind kind;
    std::uint16_t keyCode;
    MenuId menuItem;
    const char* traceName;
};

class ValidLine : public ::testing::TestWithParam<ValidCase> {};

TEST_P(ValidLine, Parses) {
    const ValidCase& c = GetParam();
    const auto parsed = parseLine(c.line, 7);
    ASSERT_TRUE(std::holds_alternative<ScriptEvent>(parsed))
        << (std::holds_alternative<ScriptError>(parsed) ? std::get<ScriptError>(parsed).message
                                                        : "nothing");
    const ScriptEvent& event = std::get<ScriptEvent>(parsed);
    EXPECT_EQ(event.milliseconds, c.milliseconds);
    EXPECT_EQ(event.kind, c.kind);
    if (c.kind == EventKind::keyDown || c.kind == EventKind::keyUp) {
        EXPECT_EQ(event.keyCode, c.keyCode);
    }
    if (c.kind == EventKind::menu) {
        EXPECT_EQ(event.menuItem, c.menuItem);
    }
    EXPECT_EQ(event.name, c.traceName);
    EXPECT_EQ(event.line, 7);
}

constexpr MenuId noMenu = MenuId::mnuOptions;

INSTANTIATE_TEST_SUITE_P(
    Lines, ValidLine,
    ::testing::Values(
        ValidCase{"KeyDown", "0 keydown 37", 0, EventKind::keyDown, 37, noMenu, "keydown 37"},
        ValidCase{"KeyUpWithBlanksAndComment", "  15\tkeyup 65   # release A", 15, EventKind::keyUp,
                  65, noMenu, "keyup 65"},
        ValidCase{"LeadingZerosDropped", "0 keydown 007", 0, EventKind::keyDown, 7, noMenu,
                  "keydown 7"},
        ValidCase{"LowestKeyCode", "1 keydown 0", 1, EventKind::keyDown, 0, noMenu, "keydown 0"},
        ValidCase{"HighestKeyCode", "1 keyup 65535", 1, EventKind::keyUp, 65535, noMenu,
                  "keyup 65535"},
        ValidCase{"TimeWithLeadingZeros", "00100 click play", 100, EventKind::clickPlay, 0, noMenu,
                  "click play"},
        ValidCase{"ClickExit", "7 click exit", 7, EventKind::clickExit, 0, noMenu, "click exit"},
        ValidCase{"Menu3", "1 menu 3", 1, EventKind::menu, 0, MenuId::mnu3, "menu 3"},
        ValidCase{"Menu5", "1 menu 5", 1, EventKind::menu, 0, MenuId::mnu5, "menu 5"},
        ValidCase{"Menu8", "1 menu 8", 1, EventKind::menu, 0, MenuId::mnu8, "menu 8"},
        ValidCase{"MenuMountain", "1 menu mountain", 1, EventKind::menu, 0, MenuId::mnuMountain,
                  "menu mountain"},
        ValidCase{"MenuBeach", "1 menu beach", 1, EventKind::menu, 0, MenuId::mnuBeach,
                  "menu beach"},
        ValidCase{"MenuNone", "1 menu none", 1, EventKind::menu, 0, MenuId::mnuNone, "menu none"},
        ValidCase{"MenuInstructions", "1 menu instructions", 1, EventKind::menu, 0,
                  MenuId::mnuInstructions, "menu instructions"},
        ValidCase{"MenuAbout", "1 menu about", 1, EventKind::menu, 0, MenuId::mnuAbout,
                  "menu about"},
        ValidCase{"MenuExit", "1 menu exit", 1, EventKind::menu, 0, MenuId::mnuExit, "menu exit"},
        ValidCase{"CommentRightAfterTheWord", "2 focusout#lost it", 2, EventKind::focusOut, 0,
                  noMenu, "focusout"},
        ValidCase{"WindowsLineEnd", "3 end\r", 3, EventKind::end, 0, noMenu, "end"},
        ValidCase{"LatestTime", "4294967295 end", 4294967295, EventKind::end, 0, noMenu, "end"},
        ValidCase{"ServeByTheLoser", "5 serve loser", 5, EventKind::serve, 0, noMenu,
                  "serve loser"},
        ValidCase{"ProgramWithArguments", "9 program 2  python3\t./mine.py  --fast # mine", 9,
                  EventKind::bot, 0, noMenu, "program 2 python3 ./mine.py --fast"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScriptLine, BlankAndCommentLinesGiveNothing) {
    for (const char* line : {"", "   ", "\t", "\r", "# only a comment", "   # indented", "#"}) {
        EXPECT_TRUE(std::holds_alternative<std::monostate>(parseLine(line, 1)))
            << "line: '" << line << "'";
    }
}

TEST(Script, KeepsFileOrderAndLineNumbers) {
    std::istringstream in("# two players\n"
                          "\n"
                          "500 keydown 39\n"
                          "  # later\n"
                          "100 keydown 65 # A\n"
                          "100 end");
    const auto parsed = parseScript(in);
    ASSERT_TRUE(std::holds_alternative<std::vector<ScriptEvent>>(parsed));
    const auto& events = std::get<std::vector<ScriptEvent>>(parsed);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].name, "keydown 39");
    EXPECT_EQ(events[0].milliseconds, 500);
    EXPECT_EQ(events[0].line, 3);
    EXPECT_EQ(events[1].name, "keydown 65");
    EXPECT_EQ(events[1].line, 5);
    EXPECT_EQ(events[2].name, "end");
    EXPECT_EQ(events[2].line, 6);
}

TEST(Script, EveryKindOfLineEndGivesTheSameEvents) {
    for (const std::string end : {"\n", "\r", "\r\n"}) {
        std::istringstream in("500 keydown 39" + end + "# A" + end + end + "100 end" + end);
        const auto parsed = parseScript(in);
        ASSERT_TRUE(std::holds_alternative<std::vector<ScriptEvent>>(parsed));
        const auto& events = std::get<std::vector<ScriptEvent>>(parsed);
        ASSERT_EQ(events.size(), 2u);
        EXPECT_EQ(events[0].name, "keydown 39");
        EXPECT_EQ(events[0].line, 1);
        EXPECT_EQ(events[1].name, "end");
        EXPECT_EQ(events[1].line, 4);
    }
}

TEST(Script, LineOfTheLongestLengthIsRead) {
    std::istringstream in("1 end" + std::string(maxLineBytes - 5, ' ') + "\n");
    const auto parsed = parseScript(in);
    ASSERT_TRUE(std::holds_alternative<std::vector<ScriptEvent>>(parsed));
    EXPECT_EQ(std::get<std::vector<ScriptEvent>>(parsed).size(), 1u);
}

// Hands out the same byte without end, up to a limit, and counts what it gave.
class EndlessLine : public std::streambuf {
public:
    std::size_t handedOut = 0;

protected:
    int_type underflow() override {
        if (handedOut >= limit) {
            return traits_type::eof();
        }
        std::fill(std::begin(chunk_), std::end(chunk_), '7');
        setg(chunk_, chunk_, chunk_ + sizeof chunk_);
        handedOut += sizeof chunk_;
        return traits_type::to_int_type(chunk_[0]);
    }

private:
    static constexpr std::size_t limit = 64 << 20;
    char chunk_[256];
};

TEST(Script, EndlessLineIsRefusedWithoutReadingIt) {
    EndlessLine source;
    std::istream in(&source);
    const auto parsed = parseScript(in);
    ASSERT_TRUE(std::holds_alternative<ScriptError>(parsed));
    EXPECT_EQ(std::get<ScriptError>(parsed).line, 1);
    EXPECT_EQ(std::get<ScriptError>(parsed).message, "line too long (more than 4096 bytes)");
    EXPECT_LE(source.handedOut, maxLineBytes + 256);
}

TEST(ScriptLine, NumbersGoPastThirtyOneBits) {
    const auto parsed = parseLine("0 bogus", 3'000'000'000);
    ASSERT_TRUE(std::holds_alternative<ScriptError>(parsed));
    EXPECT_EQ(std::get<ScriptError>(parsed).line, 3'000'000'000);
}

TEST(Script, EmptyScriptHasNoEvents) {
    std::istringstream in("");
    const auto parsed = parseScript(in);
    ASSERT_TRUE(std::holds_alternative<std::vector<ScriptEvent>>(parsed));
    EXPECT_TRUE(std::get<std::vector<ScriptEvent>>(parsed).empty());
}

// The run as a whole: a malformed line writes one message, no trace at all,
// even when earlier lines were fine.
TEST(MalformedScriptRun, ReportsTheLineAndWritesNoTrace) {
    const SimRun run = runScript("0 click play\n\n10 jump\n20 end\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.trace, "");
    EXPECT_EQ(run.errors, "gloob-sim: line 3: unknown event 'jump'\n");
}

} // namespace
} // namespace gloob::sim::testing
