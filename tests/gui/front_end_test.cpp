// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "qt/display_check.h"
#include "qt/key_codes.h"
#include "qt/recordings.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#include <map>
#include <string>

namespace gloob {
namespace {

struct KeyCase {
    const char* name;
    quint32 nativeScanCode; // 0 for an event made by a program
    int qtKey;
    std::uint16_t gameKey; // with the default controls
    bool keptFromButtons;
};
void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

class GameKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(GameKeys, ComeFromWhereTheKeySitsNotWhatItTypes) {
    const KeyCase& c = GetParam();
    const QKeyEvent event(QEvent::KeyPress, c.qtKey, Qt::NoModifier, c.nativeScanCode, 0, 0);
    const std::uint16_t code = KeyBindings{}.gameKeyCode(physicalKeyOf(event));
    EXPECT_EQ(code, c.gameKey);
    EXPECT_EQ(keepFromButtons(c.qtKey, code), c.keptFromButtons);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GameKeys,
    ::testing::Values(
        KeyCase{"ArrowLeft", 113, Qt::Key_Left, 37, true},
        KeyCase{"ArrowUp", 111, Qt::Key_Up, 38, true},
        KeyCase{"ArrowRight", 114, Qt::Key_Right, 39, true},
        KeyCase{"ArrowDownPlaysNothingButStaysOffTheButtons", 116, Qt::Key_Down, 40, true},
        // A French keyboard prints Q, Z and A where a US one has A, W and Q.
        KeyCase{"FrenchQSitsWhereAIs", 38, Qt::Key_Q, 65, true},
        KeyCase{"FrenchZSitsWhereWIs", 25, Qt::Key_Z, 87, true},
        KeyCase{"FrenchASitsWhereQIs", 24, Qt::Key_A, 81, false},
        KeyCase{"RussianVeSitsWhereDIs", 40, 0x0412 /* Cyrillic VE */, 68, true},
        KeyCase{"S", 39, Qt::Key_S, 83, false}, KeyCase{"Space", 65, Qt::Key_Space, 32, false},
        KeyCase{"Return", 36, Qt::Key_Return, 13, false}, KeyCase{"F1", 67, Qt::Key_F1, 112, false},
        KeyCase{"Tab", 23, Qt::Key_Tab, 9, false},
        // Keys a US keyboard lacks keep codes of their own.
        KeyCase{"KeyBeyondTheUsKeyboard", 200, Qt::Key_unknown, 456, false},
        KeyCase{"AnotherOne", 201, Qt::Key_unknown, 457, false},
        // Made by a program, without a key number: placed as on a US keyboard.
        KeyCase{"ProgramsA", 0, Qt::Key_A, 65, true},
        KeyCase{"ProgramsLeft", 0, Qt::Key_Left, 37, true},
        KeyCase{"ProgramsF2", 0, Qt::Key_F2, 113, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShiftState, CombinesModifiersAsTheKeyHandlersExpect) {
    EXPECT_EQ(shiftStateOf(Qt::NoModifier), 0);
    EXPECT_EQ(shiftStateOf(Qt::ShiftModifier), 1);
    EXPECT_EQ(shiftStateOf(Qt::ControlModifier), 2);
    EXPECT_EQ(shiftStateOf(Qt::AltModifier), 4);
    EXPECT_EQ(shiftStateOf(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(shiftStateOf(Qt::KeypadModifier | Qt::MetaModifier), 0);
}

struct DisplayCase {
    const char* name;
    std::map<std::string, std::string> environment;
    bool display;
};
void PrintTo(const DisplayCase& c, std::ostream* os) {
    *os << c.name;
}

class DisplayCheck : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayCheck, NeedsAPlatformOrADisplay) {
    const DisplayCase& c = GetParam();
    const auto variable = [&](const char* name) -> const char* {
        const auto found = c.environment.find(name);
        return found == c.environment.end() ? nullptr : found->second.c_str();
    };
    EXPECT_EQ(hasGraphicalDisplay(variable), c.display);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DisplayCheck,
    ::testing::Values(
        DisplayCase{"NothingSet", {}, false}, DisplayCase{"XDisplay", {{"DISPLAY", ":0"}}, true},
        DisplayCase{"Wayland", {{"WAYLAND_DISPLAY", "wayland-0"}}, true},
        DisplayCase{"ExplicitPlatform", {{"QT_QPA_PLATFORM", "offscreen"}}, true},
        DisplayCase{"EmptyValuesCountAsUnset",
                    {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}},
                    false},
        DisplayCase{"UnrelatedVariables", {{"HOME", "/root"}, {"TERM", "xterm"}}, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The replays folder keeps the newest recordings: the oldest go first.
TEST(Recordings, KeepTheNewestAndNeverOverwrite) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QDir dir(folder.path());
    for (int day = 1; day <= 22; ++day) {
        QFile file(
            dir.filePath(QStringLiteral("2026-11-%1_10-00-00.replay").arg(day, 2, 10, QChar('0'))));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QFile other(dir.filePath(QStringLiteral("notes.txt")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();

    const QDateTime now(QDate(2026, 12, 8), QTime(5, 45, 0));
    const QString path = newRecordingPath(folder.path(), now, 20);
    EXPECT_EQ(QFileInfo(path).fileName().toStdString(), "2026-12-08_05-45-00.replay");
    const QStringList left = dir.entryList({QStringLiteral("*.replay")}, QDir::Files, QDir::Name);
    ASSERT_EQ(left.size(), 19) << "room for the new one";
    EXPECT_EQ(left.first().toStdString(), "2026-11-04_10-00-00.replay");
    EXPECT_TRUE(dir.exists(QStringLiteral("notes.txt"))) << "only recordings are removed";

    QFile made(path);
    ASSERT_TRUE(made.open(QIODevice::WriteOnly));
    made.close();
    EXPECT_EQ(QFileInfo(newRecordingPath(folder.path(), now, 20)).fileName().toStdString(),
              "2026-12-08_05-45-00_2.replay");
}

} // namespace
} // namespace gloob
