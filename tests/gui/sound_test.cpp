// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// The window's sound: the Options items, what they keep, and when the game is muted.
#include "qt/main_window.h"
#include "qt/sound_menu.h"
#include "sound/game_sounds.h"
#include "sound/wave.h"

#include <QAction>
#include <QFile>
#include <QTemporaryFile>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace gloob {
namespace {

std::unique_ptr<MainWindow> windowWithSound() {
    LaunchOptions options;
    options.useSound = true;
    auto window = std::make_unique<MainWindow>(options);
    window->setProgramEnd([] {});
    window->setMessageBox([](const QString&, const QString&) {});
    // Sound opens once the first frame is on the screen.
    window->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->sounds() != nullptr; }, 5000));
    return window;
}

// Reaching a sound server can take long: the court is shown first.
TEST(Sound, OpensOnlyAfterTheFirstFrame) {
    LaunchOptions options;
    options.useSound = true;
    MainWindow window(options);
    EXPECT_EQ(window.sounds(), nullptr);
    window.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.sounds() != nullptr; }, 5000));
}

// Every cue has its effect in the program, one the mixer can play.
TEST(Sound, EveryCueHasItsEffectBuiltIn) {
    for (const Cue cue : allCues) {
        const std::string_view effect = effectOf(cue);
        QFile file(QStringLiteral(":/assets/sounds/%1.wav")
                       .arg(QLatin1String(effect.data(), static_cast<qsizetype>(effect.size()))));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << cueName(cue);
        const QByteArray bytes = file.readAll();
        const auto sound = readMonoWave(
            std::as_bytes(std::span(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
        ASSERT_TRUE(sound) << cueName(cue);
        EXPECT_EQ(sound->sampleRate, 22050) << cueName(cue);
        EXPECT_GT(sound->samples.size(), 1000u) << cueName(cue);
    }
}

TEST(Sound, ChoicesAreMarkedAndKept) {
    const auto window = windowWithSound();
    const SoundMenu& menu = window->soundMenu();
    EXPECT_TRUE(menu.soundAction()->isChecked());
    EXPECT_TRUE(menu.volumeAction(100)->isChecked());

    menu.volumeAction(50)->trigger();
    EXPECT_EQ(window->settings().volume, 50);
    for (const int volume : soundVolumes) {
        EXPECT_EQ(menu.volumeAction(volume)->isChecked(), volume == 50) << volume;
    }
    menu.soundAction()->trigger();
    EXPECT_FALSE(window->settings().sound);
    EXPECT_FALSE(menu.soundAction()->isChecked());
    EXPECT_EQ(window->settings().volume, 50) << "the volume stays for when sound comes back";
}

struct MuteCase {
    const char* name;
    bool replay;
    int speed;
    bool paused;
    bool muted;
};
void PrintTo(const MuteCase& c, std::ostream* out) {
    *out << c.name;
}

class Muting : public ::testing::TestWithParam<MuteCase> {};

TEST_P(Muting, WhilePausedAndInFastReplays) {
    const MuteCase& c = GetParam();
    const auto window = windowWithSound();
    window->setReplaySpeed(c.speed);
    QTemporaryFile recording;
    ASSERT_TRUE(recording.open());
    recording.write("0 click play\n");
    recording.flush();
    if (c.replay) {
        ASSERT_TRUE(window->startReplay(recording.fileName()));
    }
    window->setPaused(c.paused);
    ASSERT_NE(window->sounds(), nullptr);
    EXPECT_EQ(window->sounds()->muted(), c.muted);
    // Back to play at the real pace, the sound comes back.
    window->setPaused(false);
    window->setReplaySpeed(1);
    EXPECT_FALSE(window->sounds()->muted());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Muting,
    ::testing::Values(MuteCase{"Playing", false, 1, false, false},
                      MuteCase{"PlayingPaused", false, 1, true, true},
                      MuteCase{"PlayingAfterChoosingAFastReplaySpeed", false, 4, false, false},
                      MuteCase{"ReplayAtThePlayersPace", true, 1, false, false},
                      MuteCase{"ReplayTwiceAsFast", true, 2, false, true},
                      MuteCase{"ReplayFourTimesAsFast", true, 4, false, true},
                      MuteCase{"ReplayPaused", true, 1, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob
