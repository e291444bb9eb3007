// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "app/heartbeat.h"
#include "net/online_session.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace gloob::net {
namespace {

using namespace std::chrono_literals;

// Two sessions on loopback, introduced by real handshakes.
struct SessionPair {
    std::unique_ptr<OnlineSession> host;
    std::unique_ptr<OnlineSession> join;
    std::function<void()> joinIdle = [] {};

    SessionPair() {
        std::string error;
        auto hostLink = Link::listen(0, error);
        auto joinLink = Link::connect("127.0.0.1", hostLink->port(), error);
        Handshake h(*hostLink, true);
        Handshake j(*joinLink, false);
        const auto limit = std::chrono::steady_clock::now() + 10s;
        while ((h.state() == Handshake::State::waiting || j.state() == Handshake::State::waiting) &&
               std::chrono::steady_clock::now() < limit) {
            h.advance(1);
            j.advance(1);
        }
        EXPECT_EQ(h.state(), Handshake::State::agreed);
        host = std::make_unique<OnlineSession>(std::move(hostLink), h.agreement(),
                                               h.takeLeftovers(), OnlineSession::Surroundings{});
        OnlineSession::Surroundings joinSurroundings;
        joinSurroundings.idle = [this] { joinIdle(); };
        join = std::make_unique<OnlineSession>(std::move(joinLink), j.agreement(),
                                               j.takeLeftovers(), joinSurroundings);
    }

    // Both look at the network until either match has ended, at most `limit`.
    void serviceUntilEnded(std::chrono::milliseconds limit) {
        const auto until = std::chrono::steady_clock::now() + limit;
        while (host->active() && join->active() && std::chrono::steady_clock::now() < until) {
            host->service(1);
            join->service(1);
        }
        for (int i = 0; i < 50; ++i) { // the goodbye, if any, reaches the other
            host->service(1);
            join->service(1);
        }
    }
};

struct HashCase {
    const char* name;
    std::function<void(FrmGloob&)> change; // made on the joining machine's game only
    bool outOfStep;
};

class StateHashes : public ::testing::TestWithParam<HashCase> {};

TEST_P(StateHashes, EndTheMatchOnBothMachinesWhenTheGamesDiffer) {
    SessionPair pair;
    gloob::testing::TestWindow hostGame;
    gloob::testing::TestWindow joinGame;
    GetParam().change(joinGame.frm);
    for (std::int64_t step = 1; step <= hashEverySteps; ++step) {
        for (auto [session, game] :
             {std::pair{pair.host.get(), &hostGame}, std::pair{pair.join.get(), &joinGame}}) {
            session->stepConfirmed(static_cast<std::uint32_t>(step), [&, game = game] {
                GameSnapshot snapshot;
                snapshot.micros = step * heartbeatMicros;
                snapshot.scene = game->frm.scene;
                snapshot.state = game->frm.state;
                return snapshot.digest();
            });
        }
    }
    pair.serviceUntilEnded(500ms);
    const SessionEnd expected = GetParam().outOfStep ? SessionEnd::outOfStep : SessionEnd::none;
    EXPECT_EQ(pair.host->ended(), expected);
    EXPECT_EQ(pair.join->ended(), expected);
    if (GetParam().outOfStep) {
        EXPECT_NE(pair.host->endMessage().find("no longer show the same game"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, StateHashes,
    ::testing::Values(
        HashCase{"TheSameGame", [](FrmGloob&) {}, false},
        HashCase{"TheBallOnePixelAside", [](FrmGloob& f) { f.scene.shpBall.Left += 15; }, true},
        HashCase{"AnotherScore", [](FrmGloob& f) { f.state.player2Score = 1; }, true},
        HashCase{"AnotherBackground", [](FrmGloob& f) { f.scene.mnuBeach.Checked = true; }, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HelpBoxes, ThePlayerWhoAskedReadsAndTheOtherWaitsUntilTheBoxIsClosed) {
    SessionPair pair;
    const GameEvent about{.kind = EventKind::menu, .menuItem = MenuId::mnuAbout, .origin = 1};
    pair.host->handedOver(0, about);
    pair.join->handedOver(0, about);
    EXPECT_TRUE(pair.host->boxOpening()) << "player 1 asked: the host shows the box";
    EXPECT_FALSE(pair.join->boxOpening());
    int looks = 0;
    pair.joinIdle = [&] {
        pair.host->service(0);
        if (++looks == 20) {
            pair.host->localBoxClosed();
        }
    };
    pair.join->waitForPeersBox();
    EXPECT_GE(looks, 20) << "the joiner waited for the box to close";
    EXPECT_TRUE(pair.join->active());
}

TEST(HelpBoxes, AHostLostWhileItsBoxIsOpenStopsTheWaitingRun) {
    SessionPair pair;
    const GameEvent about{.kind = EventKind::menu, .menuItem = MenuId::mnuAbout, .origin = 1};
    pair.join->handedOver(0, about);
    pair.join->boxOpening();
    pair.host.reset(); // says goodbye on its way out
    EXPECT_EQ(testing::runEndOf([&] { pair.join->waitForPeersBox(); }), RunEnded::Reason::stopped);
    EXPECT_EQ(pair.join->endMessage(), "The other player left the game.");
}

} // namespace
} // namespace gloob::net
