#include "qt/display_check.h"
#include "qt/key_codes.h"
#include "qt/recordings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#include <map>
#include <string>

namespace gloob {
namespace {

struct KeyCase {
    const char* name;
    int qtKey;
    std::int16_t virtualKey;
    bool playerKey;
};
void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

class VirtualKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(VirtualKeys, MapQtKeysToTheGamesCodes) {
    const KeyCase& c = GetParam();
    EXPECT_EQ(virtualKeyOf(c.qtKey), c.virtualKey);
    EXPECT_EQ(isPlayerKey(virtualKeyOf(c.qtKey)), c.playerKey);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VirtualKeys,
    ::testing::Values(
        KeyCase{"Left", Qt::Key_Left, 37, true}, KeyCase{"Up", Qt::Key_Up, 38, true},
        KeyCase{"Right", Qt::Key_Right, 39, true}, KeyCase{"Down", Qt::Key_Down, 40, false},
        KeyCase{"A", Qt::Key_A, 65, true}, KeyCase{"D", Qt::Key_D, 68, true},
        KeyCase{"W", Qt::Key_W, 87, true}, KeyCase{"S", Qt::Key_S, 83, false},
        KeyCase{"Z", Qt::Key_Z, 90, false}, KeyCase{"Digit0", Qt::Key_0, 48, false},
        KeyCase{"Digit9", Qt::Key_9, 57, false}, KeyCase{"Space", Qt::Key_Space, 32, false},
        KeyCase{"Return", Qt::Key_Return, 13, false},
        KeyCase{"KeypadEnter", Qt::Key_Enter, 13, false},
        KeyCase{"Escape", Qt::Key_Escape, 27, false}, KeyCase{"Shift", Qt::Key_Shift, 16, false},
        KeyCase{"Control", Qt::Key_Control, 17, false}, KeyCase{"Alt", Qt::Key_Alt, 18, false},
        KeyCase{"F1", Qt::Key_F1, 0, false}, KeyCase{"Tab", Qt::Key_Tab, 0, false},
        KeyCase{"Accented", Qt::Key_Eacute, 0, false},
        KeyCase{"Unknown", Qt::Key_unknown, 0, false}),
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
