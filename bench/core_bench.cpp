// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// Micro-benchmarks of the game's hot paths: the colour query the probes use,
// a full-frame render, a heartbeat's partial redraw, one whole main tick,
// whole matches per second, and a game's snapshot taken and restored.
#include "app/engine.h"
#include "app/headless_front_end.h"
#include "app/heartbeat.h"
#include "test_support.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

using namespace gloob;

Pictures somePictures() {
    Pictures pictures{RgbImage(600, 348), RgbImage(400, 270)};
    for (std::size_t i = 0; i < pictures.mountain.pixels.size(); ++i) {
        pictures.mountain.pixels[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0x7F7F7Fu;
    }
    return pictures;
}

struct Window {
    testing::FakeHost host;
    testing::BlockTextRasteriser text;
    Pictures pictures = somePictures();
    FrmGloob frm{host, text, pictures};
    Window() { frm.Form_Load(); }
};

// With held, on a copy of the court that holds all but the ball and the
// players still, as the computer players' foresight does.
void BM_ColourQuery(benchmark::State& state) {
    Window w;
    w.frm.scene.imgMountain.Visible = state.range(0) != 0;
    Compositor compositor(w.frm.scene, w.text, w.pictures);
    if (state.range(1) != 0) {
        compositor.holdStillAllBut({&Scene::shpBall, &Scene::shpGloob1, &Scene::shpBase1,
                                    &Scene::shpGloob2, &Scene::shpBase2});
    }
    // Points spread over the court, most of them over open space that walks
    // the whole stack.
    std::vector<std::pair<float, float>> points;
    for (int i = 0; i < 1024; ++i) {
        points.emplace_back(static_cast<float>((i * 7919) % 11265),
                            static_cast<float>((i * 104729) % 7095));
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [x, y] = points[i++ & 1023];
        benchmark::DoNotOptimize(compositor.Point(x, y));
    }
}
BENCHMARK(BM_ColourQuery)->ArgsProduct({{0, 1}, {0, 1}})->ArgNames({"picture", "held"});

void BM_RenderFrame(benchmark::State& state) {
    Window w;
    w.frm.scene.imgMountain.Visible = state.range(0) != 0;
    RgbImage frame(clientWidthPixels, clientHeightPixels);
    for (auto _ : state) {
        w.frm.compositor().render(frame);
        benchmark::DoNotOptimize(frame.pixels.data());
    }
}
BENCHMARK(BM_RenderFrame)->Arg(0)->Arg(1)->ArgName("picture")->Unit(benchmark::kMicrosecond);

// A heartbeat's frame: the ball and both players moved, only their places redrawn.
void BM_UpdateFrame(benchmark::State& state) {
    Window w;
    Scene& scene = w.frm.scene;
    scene.imgMountain.Visible = state.range(0) != 0;
    ShownFrame shown;
    w.frm.compositor().update(shown);
    float step = 150;
    for (auto _ : state) {
        step = -step;
        scene.shpBall.Left += step;
        scene.shpBall.Top += step;
        scene.shpGloob1.Left = scene.shpBase1.Left += step;
        scene.shpGloob2.Left = scene.shpBase2.Left -= step;
        benchmark::DoNotOptimize(w.frm.compositor().update(shown));
    }
}
BENCHMARK(BM_UpdateFrame)->Arg(0)->Arg(1)->ArgName("picture")->Unit(benchmark::kMicrosecond);

// One main tick with every section: ball in open flight, both players walking.
void BM_MainTick(benchmark::State& state) {
    Window w;
    Scene& scene = w.frm.scene;
    MatchState& s = w.frm.state;
    for (auto _ : state) {
        scene.shpBall.Left = 3000;
        scene.shpBall.Top = 3000;
        scene.shpGloob1.Left = scene.shpBase1.Left = 8280;
        scene.shpGloob2.Left = scene.shpBase2.Left = 2160;
        s.ballSpeedX = 65;
        s.ballSpeedY = 70;
        s.player1SpeedX = s.player1BaseSpeedX = -150;
        s.player2SpeedX = s.player2BaseSpeedX = 150;
        w.frm.match().tmrMain_Timer();
        benchmark::DoNotOptimize(scene.shpBall.Top);
    }
}
BENCHMARK(BM_MainTick);

// Untouched matches played to game over on the virtual clock.
void BM_WholeMatches(benchmark::State& state) {
    std::int64_t matches = 0;
    for (auto _ : state) {
        Window w;
        w.frm.cmdPlay_Click();
        while (!w.frm.scene.cmdPlay.Visible) {
            w.host.virtualClock.advanceTo(heartbeatAfter(w.host.virtualClock.nowMicros()));
            w.frm.heartbeat();
            w.host.timersHandled.clear();
        }
        ++matches;
    }
    state.counters["matches_per_second"] =
        benchmark::Counter(static_cast<double>(matches), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholeMatches)->Unit(benchmark::kMillisecond);

// A game in the middle of a rally, as rollback would find it.
struct RunningGame {
    HeadlessFrontEnd front;
    testing::BlockTextRasteriser text;
    Pictures pictures = somePictures();
    Engine engine{front, text, pictures};
    RunningGame() {
        engine.start();
        engine.post(GameEvent::of(EventKind::clickPlay));
        engine.post(GameEvent::keyDown(37));
        for (int beat = 0; beat < 200; ++beat) {
            engine.runHeartbeat();
        }
    }
};

void BM_SnapshotTake(benchmark::State& state) {
    RunningGame game;
    for (auto _ : state) {
        GameSnapshot snapshot = game.engine.snapshot();
        benchmark::DoNotOptimize(snapshot);
    }
    state.counters["bytes"] = static_cast<double>(sizeof(GameSnapshot));
}
BENCHMARK(BM_SnapshotTake);

void BM_SnapshotRestore(benchmark::State& state) {
    RunningGame game;
    const GameSnapshot snapshot = game.engine.snapshot();
    for (auto _ : state) {
        game.engine.restore(snapshot);
        benchmark::DoNotOptimize(game.engine.window().scene);
    }
}
BENCHMARK(BM_SnapshotRestore);

void BM_SnapshotDigest(benchmark::State& state) {
    RunningGame game;
    const GameSnapshot snapshot = game.engine.snapshot();
    for (auto _ : state) {
        benchmark::DoNotOptimize(snapshot.digest());
    }
}
BENCHMARK(BM_SnapshotDigest);

} // namespace

BENCHMARK_MAIN();
