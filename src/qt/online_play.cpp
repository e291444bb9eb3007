// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "online_play.h"

#include "app/heartbeat.h"
#include "app/key_bindings.h"
#include "route_texts.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace gloob {

namespace {
// While it waits for the other machine, the window still answers: at most
// this long between looks at the network.
constexpr int idleMillis = 5;
// The director looks every 10 ms; the title changes at most every quarter second.
constexpr int looksBetweenTitles = 25;
} // namespace

std::unique_ptr<OnlinePlay> OnlinePlay::host(std::uint16_t port, const lobby::LanGame& announced,
                                             FrontEnd& local, Changed changed, QString& error,
                                             std::optional<int> inputDelay) {
    std::string why;
    auto link = net::Link::listen(port, why);
    if (!link) {
        error = QString::fromStdString(why);
        return nullptr;
    }
    link->answerStrangers(
        [answer = lobby::lanAnswer(announced)](
            std::span<const std::uint8_t> datagram) -> std::optional<std::vector<std::uint8_t>> {
            if (!lobby::isLanProbe(datagram)) {
                return std::nullopt;
            }
            return answer;
        });
    const QString where =
        QCoreApplication::translate("OnlinePlay", "UDP port %1").arg(link->port());
    auto play = std::unique_ptr<OnlinePlay>(
        new OnlinePlay(std::move(link), true, where, local, std::move(changed)));
    play->handshake_->setInputDelay(inputDelay);
    return play;
}

std::unique_ptr<OnlinePlay> OnlinePlay::join(const net::HostAddress& address, FrontEnd& local,
                                             Changed changed, QString& error) {
    std::string why;
    auto link = net::Link::connect(address.name, address.port, why);
    if (!link) {
        error = QString::fromStdString(why);
        return nullptr;
    }
    const QString where =
        QStringLiteral("%1:%2").arg(QString::fromStdString(address.name)).arg(address.port);
    return std::unique_ptr<OnlinePlay>(
        new OnlinePlay(std::move(link), false, where, local, std::move(changed)));
}

std::unique_ptr<OnlinePlay> OnlinePlay::joinOver(std::unique_ptr<net::Link> link,
                                                 const QString& where, const QString& path,
                                                 std::unique_ptr<traversal::RelayThread> relay,
                                                 FrontEnd& local, Changed changed) {
    auto play = std::unique_ptr<OnlinePlay>(
        new OnlinePlay(std::move(link), false, where, local, std::move(changed)));
    play->path_ = path;
    play->relay_ = std::move(relay);
    return play;
}

void OnlinePlay::findRoute(std::optional<lobby::ServiceAddress> stun,
                           lobby::LinkRoute::Limits limits) {
    if (link_ && !route_) {
        route_ = std::make_unique<lobby::LinkRoute>(*link_, std::move(stun), limits);
    }
}

OnlinePlay::OnlinePlay(std::unique_ptr<net::Link> link, bool hosting, QString where,
                       FrontEnd& local, Changed changed)
    : link_(std::move(link)), hosting_(hosting), where_(std::move(where)),
      changed_(std::move(changed)), local_(local),
      handshake_(std::make_unique<net::Handshake>(*link_, hosting, where_.toStdString())) {
    port_ = hosting ? link_->port() : 0;
}

bool OnlinePlay::advance() {
    if (session_) {
        session_->service();
        // How far the game here guesses ahead, as the title says it, now and then.
        const auto predicting = static_cast<int>(session_->predictingMicros() / heartbeatMicros);
        if (++looks_ % looksBetweenTitles == 0 && predicting != shownPredicting_) {
            shownPredicting_ = predicting;
            changed_();
        }
        return false;
    }
    if (!handshake_) {
        return false;
    }
    // The handshake services the link; the route hears its datagrams meanwhile.
    if (route_) {
        route_->step();
        if (const auto found = route_->found(); found && path_.isEmpty()) {
            path_ = pathTaken(found->path);
        }
    }
    switch (handshake_->advance(0)) {
    case net::Handshake::State::waiting:
        return false;
    case net::Handshake::State::failed:
        failure_ = QString::fromStdString(handshake_->failure());
        handshake_.reset();
        route_.reset();
        link_.reset();
        return false;
    case net::Handshake::State::agreed:
        break;
    }
    if (route_) {
        if (const auto peer = link_->peerAddress(); peer && path_.isEmpty()) {
            path_ = pathTaken(route_->pathFrom({peer->first, peer->second}));
        }
        mapping_ = route_->takeMapping();
        relay_ = route_->takeRelay();
        route_.reset();
    }
    net::OnlineSession::Surroundings surroundings;
    surroundings.idle = [] { QCoreApplication::processEvents(QEventLoop::AllEvents, idleMillis); };
    surroundings.status = [this](std::string_view text) {
        status_ = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        changed_();
    };
    startAfter_ = handshake_->agreement().startAfterMicros;
    session_ = std::make_unique<net::OnlineSession>(std::move(link_), handshake_->agreement(),
                                                    handshake_->takeLeftovers(), surroundings);
    session_->stopAtPeersExit();
    front_ = std::make_unique<net::OnlineFrontEnd>(local_, *session_);
    handshake_.reset();
    return true;
}

QString OnlinePlay::endMessage() const {
    if (!failure_.isEmpty()) {
        return failure_;
    }
    return session_ ? QString::fromStdString(session_->endMessage()) : QString();
}

QString OnlinePlay::describe() const {
    if (connecting()) {
        return hosting_ ? QCoreApplication::translate(
                              "OnlinePlay", "Hosting on %1: waiting for the other player...")
                              .arg(where_)
                        : QCoreApplication::translate("OnlinePlay", "Joining %1...").arg(where_);
    }
    if (!playing()) {
        return {};
    }
    const int delay = session_->inputDelay();
    QString text = QCoreApplication::translate(
                       "OnlinePlay", "Online: Player %1, input delay %2 (%3 ms), predicting %4")
                       .arg(localSide())
                       .arg(delay)
                       .arg(delay * heartbeatMicros / 1000)
                       .arg(shownPredicting_);
    if (!path_.isEmpty()) {
        text += QStringLiteral(", ") + path_;
    }
    if (!status_.isEmpty()) {
        text += QStringLiteral(" - ") + status_;
    }
    return text;
}

GameEvent OnlinePlay::asPlayer(const GameEvent& event, int side) {
    if (event.kind != EventKind::keyDown && event.kind != EventKind::keyUp) {
        return event;
    }
    const auto control = controlOfRuleKey(event.keyCode);
    if (!control) {
        return event;
    }
    GameEvent own = event;
    own.keyCode = ruleKeyCode({side, control->action});
    return own;
}

} // namespace gloob
