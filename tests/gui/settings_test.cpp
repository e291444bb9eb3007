// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "settings/game_settings.h"
#include "settings/mended_settings.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

namespace gloob {
namespace {

struct BrokenCase {
    const char* name;
    std::string file; // the settings file as it lies on disk
    GameSettings expected;
    int warnings;
};
void PrintTo(const BrokenCase& c, std::ostream* out) {
    *out << c.name;
}

GameSettings with(MenuId length, MenuId background, bool held) {
    GameSettings settings;
    settings.matchLength = length;
    settings.background = background;
    settings.heldKeys = held;
    return settings;
}

GameSettings withLobby(const char* name, const char* server) {
    GameSettings settings;
    settings.lobbyName = QString::fromUtf8(name);
    settings.lobbyServer = QString::fromUtf8(server);
    return settings;
}

GameSettings withStun(const char* server) {
    GameSettings settings;
    settings.lobbyStun = QString::fromUtf8(server);
    return settings;
}

GameSettings withSound(bool on, int volume) {
    GameSettings settings;
    settings.sound = on;
    settings.volume = volume;
    return settings;
}

GameSettings withServe(ServeRule rule) {
    GameSettings settings;
    settings.serve = rule;
    return settings;
}

GameSettings withLanguage(const char* code) {
    GameSettings settings;
    settings.language = QString::fromLatin1(code);
    return settings;
}

GameSettings withPlayer2Jump(PhysicalKey key) {
    GameSettings settings;
    settings.keys.bind({2, PlayerAction::jump}, key);
    return settings;
}

class BrokenSettings : public ::testing::TestWithParam<BrokenCase> {};

// Whatever lies in the file, the game starts: each value that makes no
// sense keeps its default and is reported; the others are kept.
TEST_P(BrokenSettings, NeverKeepTheGameFromStarting) {
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("gloob.conf")).toStdString();
    std::ofstream(path, std::ios::binary) << GetParam().file;
    QSettings store(QString::fromStdString(path), QSettings::IniFormat);
    int warnings = 0;
    const GameSettings read = loadSettings(store, [&](const QString&) { ++warnings; });
    EXPECT_EQ(read, GetParam().expected);
    EXPECT_EQ(warnings, GetParam().warnings);
}

// A damaged file is warned about at one start only: it is kept beside, and
// what was sound in it is written anew.
TEST_P(BrokenSettings, AreMendedOnceAndKeptBeside) {
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("gloob.conf")).toStdString();
    std::ofstream(path, std::ios::binary) << GetParam().file;
    int warnings = 0;
    {
        QSettings store(QString::fromStdString(path), QSettings::IniFormat);
        EXPECT_EQ(loadAndMendSettings(store, [&](const QString&) { ++warnings; }),
                  GetParam().expected);
    }
    const bool damaged = GetParam().warnings > 0;
    EXPECT_EQ(warnings, GetParam().warnings + (damaged ? 1 : 0));
    std::ifstream kept(path + ".bad", std::ios::binary);
    EXPECT_EQ(kept.is_open(), damaged);
    if (damaged) {
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), GetParam().file);
    }
    QSettings again(QString::fromStdString(path), QSettings::IniFormat);
    EXPECT_EQ(loadAndMendSettings(
                  again, [](const QString& warning) { ADD_FAILURE() << warning.toStdString(); }),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenSettings,
    ::testing::Values(
        BrokenCase{"Empty", "", GameSettings{}, 0},
        BrokenCase{"Good", "[options]\nmatchLength=8\nbackground=beach\nheldKeys=true\n",
                   with(MenuId::mnu8, MenuId::mnuBeach, true), 0},
        BrokenCase{"UnknownBackgroundAlone",
                   "[options]\nmatchLength=3\nbackground=moon\nheldKeys=true\n",
                   with(MenuId::mnu3, MenuId::mnuNone, true), 1},
        BrokenCase{"MatchLengthOutOfRange", "[options]\nmatchLength=4\n", GameSettings{}, 1},
        BrokenCase{"FlagThatIsNoFlag", "[options]\nheldKeys=maybe\n", GameSettings{}, 1},
        BrokenCase{"KeyBoundTwice", "[controls]\nplayer1\\left=38\n", GameSettings{}, 1},
        BrokenCase{"KeyThatIsNoNumber", "[controls]\nplayer2\\jump=W\n", GameSettings{}, 1},
        BrokenCase{"KeyMoved", "[controls]\nplayer2\\jump=44\n", withPlayer2Jump(44), 0},
        BrokenCase{"SoundOffAtHalfVolume", "[options]\nsound=false\nvolume=50\n",
                   withSound(false, 50), 0},
        BrokenCase{"VolumeTheMenuDoesNotOffer", "[options]\nsound=false\nvolume=60\n",
                   withSound(false, 100), 1},
        BrokenCase{"ServeByTheLoser", "[options]\nserve=loser\n", withServe(ServeRule::loser), 0},
        BrokenCase{"ServeRuleUnknown", "[options]\nserve=winner\n", GameSettings{}, 1},
        BrokenCase{"LanguageGerman", "[options]\nlanguage=de\n", withLanguage("de"), 0},
        BrokenCase{"LanguageOfTheSystem", "[options]\nlanguage=system\n", GameSettings{}, 0},
        BrokenCase{"LanguageWithoutCatalogue", "[options]\nlanguage=xx\n", GameSettings{}, 1},
        BrokenCase{"VolumeThatIsNoNumber", "[options]\nvolume=loud\n", GameSettings{}, 1},
        BrokenCase{"SoundThatIsNoFlag", "[options]\nsound=1\nvolume=25\n", withSound(true, 25), 1},
        BrokenCase{"LobbyNameAndServer", "[lobby]\nname=Ann\nserver=192.0.2.7:5223\n",
                   withLobby("Ann", "192.0.2.7:5223"), 0},
        BrokenCase{"LobbyStunServer", "[lobby]\nstun=198.51.100.9:3479\n",
                   withStun("198.51.100.9:3479"), 0},
        BrokenCase{"LobbyNameOverlong", "[lobby]\nname=" + std::string(300, 'A') + "\n",
                   GameSettings{}, 1},
        BrokenCase{"Binary", std::string("\0\x01\xff\xfe[[[\n=\n\x80", 11), GameSettings{}, 1},
        BrokenCase{"HugeValue", "[options]\nbackground=" + std::string(100000, 'x') + "\n",
                   GameSettings{}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Settings, ReadBackWhatWasSaved) {
    QTemporaryDir folder;
    QSettings store(folder.filePath(QStringLiteral("gloob.conf")), QSettings::IniFormat);
    GameSettings chosen = with(MenuId::mnu3, MenuId::mnuMountain, true);
    chosen.keys.bind({1, PlayerAction::jump}, 44);
    chosen.padsSwapped = true;
    chosen.sound = false;
    chosen.volume = 75;
    chosen.serve = ServeRule::alternate;
    chosen.lobbyName = QStringLiteral("Zoë");
    chosen.lobbyServer = QStringLiteral("lobby.example.org");
    chosen.lobbyAskFirst = true;
    chosen.lobbyAccount = QStringLiteral("ann");
    chosen.lobbyPassword = QStringLiteral("s3cret word");
    chosen.lobbyStun = QStringLiteral("stun.example.org");
    chosen.language = QStringLiteral("fr");
    saveSettings(store, chosen);
    QSettings again(folder.filePath(QStringLiteral("gloob.conf")), QSettings::IniFormat);
    EXPECT_EQ(loadSettings(again, [](const QString&) { ADD_FAILURE(); }), chosen);
    // Before the window, the language alone.
    EXPECT_EQ(chosenLanguage(again), QStringLiteral("fr"));
}

} // namespace
} // namespace gloob
