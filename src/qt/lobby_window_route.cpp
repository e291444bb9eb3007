// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// The way to the other player's machine, for a match agreed in the lobby:
// the joiner's route is opened before asking, the host's with hosting, and
// both are stepped until a path is found or the wait is over.
#include "lobby_window.h"

#include "route_texts.h"

#include "net/link.h"

#include <QLabel>
#include <QMessageBox>

#include <cstdio>

namespace gloob {

// The match's socket is opened first, so that what the host is told is
// where that very socket is seen; the request goes once that is known.
void LobbyWindow::startAsking(const QString& nick, bool challenge) {
    const std::string asked = nick.toStdString();
    if (!session_ || nick.isEmpty() || hooks_.matchOn() || joinLink_ ||
        !(challenge ? session_->challengeable(asked) : session_->joinable(asked))) {
        showState();
        return;
    }
    std::string error;
    joinLink_ = net::Link::open(error);
    if (!joinLink_) {
        tell(QObject::tr("the match cannot begin: %1").arg(QString::fromStdString(error)));
        return;
    }
    // Only the host's port needs forwarding.
    lobby::LinkRoute::Limits limits = limits_;
    limits.upnp = std::chrono::milliseconds(0);
    joinRoute_ = std::make_unique<lobby::LinkRoute>(*joinLink_, stunServer(), limits);
    if (const auto relay = session_->relay()) {
        joinRoute_->useRelay(*relay);
    }
    toAsk_ = {asked, challenge};
    showState();
}

std::optional<lobby::ServiceAddress> LobbyWindow::stunServer() {
    const QString chosen = hooks_.settings().lobbyStun.trimmed();
    if (chosen.isEmpty()) {
        return session_ ? session_->stunServer() : std::nullopt;
    }
    lobby::ServiceAddress server{chosen.toStdString(), traversal::stunPort};
    const auto colon = chosen.lastIndexOf(QLatin1Char(':'));
    if (colon >= 0) {
        bool ok = false;
        const int port = chosen.mid(colon + 1).toInt(&ok);
        if (!ok || colon == 0 || port < 1 || port > 65535) {
            tell(QObject::tr("the STUN server '%1' in the settings is no ADDRESS[:PORT]; none "
                             "is asked")
                     .arg(chosen));
            return std::nullopt;
        }
        server = {chosen.left(colon).toStdString(), static_cast<std::uint16_t>(port)};
    }
    return server;
}

std::optional<std::uint16_t> LobbyWindow::hostWithRoute() {
    const auto port = hooks_.host(stunServer(), limits_);
    const auto relay = session_->relay();
    if (lobby::LinkRoute* route = hostedRoute(); port && route && relay) {
        route->useRelay(*relay);
    }
    return port;
}

lobby::LinkRoute* LobbyWindow::hostedRoute() const {
    return hooks_.hostedRoute ? hooks_.hostedRoute() : nullptr;
}

void LobbyWindow::stepRoute() {
    if (!session_) {
        return;
    }
    QString trying;
    if (joinRoute_) {
        stepJoinRoute();
        if (joinRoute_ && joinRoute_->state() == lobby::LinkRoute::State::checking) {
            trying = tryingLines(joinRoute_->theirs());
        }
    } else if (lobby::LinkRoute* hosted = hostedRoute()) {
        stepHostedRoute(*hosted);
        // The hosting may have ended with it.
        hosted = hostedRoute();
        if (hosted != nullptr && hosted->state() == lobby::LinkRoute::State::checking) {
            trying = tryingLines(hosted->theirs());
        }
    }
    if (routeLine_->text() != trying) {
        routeLine_->setText(trying);
        routeLine_->setVisible(!trying.isEmpty());
    }
}

void LobbyWindow::stepJoinRoute() {
    using State = lobby::LinkRoute::State;
    // Nobody else services the socket until the match has it.
    joinLink_->putBack(joinLink_->service(0));
    joinRoute_->step();
    tellLines(*joinRoute_);
    switch (joinRoute_->state()) {
    case State::gathering:
        break;
    case State::gathered:
        if (toAsk_) {
            const auto [nick, challenge] = *toAsk_;
            toAsk_.reset();
            const auto now = lobby::LobbySession::Clock::now();
            const bool asked = challenge ? session_->challenge(nick, now, joinRoute_->candidates())
                                         : session_->join(nick, now, joinRoute_->candidates());
            for (const auto& event : session_->takeEvents()) {
                handle(event);
            }
            if (!asked) {
                dropJoin();
            }
        } else if (!session_->asking()) {
            // Declined, unanswered, or the host left.
            dropJoin();
        }
        showState();
        break;
    case State::checking:
        break;
    case State::found:
        connectFound();
        break;
    case State::gaveWay:
    case State::failed:
        reachedNothing(*joinRoute_, joinWith_);
        session_->waiting();
        dropJoin();
        showState();
        break;
    }
}

void LobbyWindow::stepHostedRoute(lobby::LinkRoute& route) {
    tellLines(route);
    // What the next joiner is told, as more is learnt.
    if (session_->state().activity == lobby::Activity::hosting) {
        session_->offer(route.candidates());
    }
    if (route.state() == lobby::LinkRoute::State::failed) {
        reachedNothing(route, hostedWith_);
        ownMatch_ = false;
        hooks_.leave();
        session_->waiting();
        showState();
    }
}

void LobbyWindow::connectFound() {
    const traversal::Candidate found = *joinRoute_->found();
    const QString name = QString::fromStdString(session_->shownName(joinWith_));
    const QString where = QString::fromStdString(traversal::toString(found.where));
    const QString path = pathTaken(found.path);
    auto relay = joinRoute_->takeRelay();
    joinRoute_.reset();
    std::string error;
    if (joinLink_->connectTo(traversal::toString(found.where, false), found.where.port, error) &&
        hooks_.joinOver(std::move(joinLink_), where, path, std::move(relay))) {
        tell(QObject::tr("%1 reached at %2, %3").arg(name, where, path));
        ownMatch_ = true;
        session_->playing(session_->shownName(joinWith_));
    } else {
        tell(QObject::tr("the match with %1 could not begin").arg(name));
        session_->waiting();
    }
    dropJoin();
    showState();
}

void LobbyWindow::dropJoin() {
    joinRoute_.reset();
    joinLink_.reset();
    toAsk_.reset();
    joinWith_.clear();
}

void LobbyWindow::tellLines(lobby::LinkRoute& route) {
    for (const std::string& line : route.takeLines()) {
        std::fprintf(stderr, "gloob: lobby: %s\n", line.c_str());
    }
}

// One box, which stays beside the window: the lobby goes on meanwhile.
void LobbyWindow::reachedNothing(const lobby::LinkRoute& route, const std::string& nick) {
    const QString name = QString::fromStdString(session_->shownName(nick));
    const auto seconds = std::chrono::ceil<std::chrono::seconds>(limits_.path).count();
    const QString text = nothingReached(name, route.theirs(), static_cast<int>(seconds));
    tell(text.section(QLatin1Char('\n'), 0, 0));
    if (failure_ != nullptr) {
        failure_->close();
    }
    failure_ = new QMessageBox(QMessageBox::Warning, QObject::tr("No Way Through"), text,
                               QMessageBox::Ok, this);
    failure_->setTextFormat(Qt::PlainText);
    failure_->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(failure_, &QMessageBox::finished, this, [this, box = failure_] {
        if (failure_ == box) {
            failure_ = nullptr;
        }
    });
    failure_->open();
}

} // namespace gloob
