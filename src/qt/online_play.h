// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "lobby/lan.h"
#include "lobby/link_route.h"
#include "net/handshake.h"
#include "net/online_front_end.h"
#include "net/online_session.h"

#include <QString>

#include <functional>
#include <memory>

namespace gloob {

// The window's online match: first the introductions with the other
// machine, then the session that plays the match in lockstep with it.
class OnlinePlay {
public:
    // Asked to redraw the title whenever what it says changes.
    using Changed = std::function<void()>;

    // Both nothing, with `error` said, when the link cannot be opened.
    // The match's game runs through `local`, the window's own front end. A
    // host answers machines on its network looking for games with `announced`,
    // and hands input over `inputDelay` heartbeats after it was taken, or
    // after the delay the round trip calls for when none is given.
    static std::unique_ptr<OnlinePlay> host(std::uint16_t port, const lobby::LanGame& announced,
                                            FrontEnd& local, Changed changed, QString& error,
                                            std::optional<int> inputDelay = std::nullopt);
    static std::unique_ptr<OnlinePlay> join(const net::HostAddress& address, FrontEnd& local,
                                            Changed changed, QString& error);
    // Joins over a link the lobby's checks found a way for, already
    // connecting to `where`; the title says `path`. The relay, if the way
    // goes through one, lasts as long as the match.
    static std::unique_ptr<OnlinePlay> joinOver(std::unique_ptr<net::Link> link,
                                                const QString& where, const QString& path,
                                                std::unique_ptr<traversal::RelayThread> relay,
                                                FrontEnd& local, Changed changed);

    // A host's way to a lobby's joiner: this machine's candidates gathered
    // from the match's socket, then the joiner's probed (route()->check).
    // The router's forwarding, and the relay the joiner came through, if
    // any, last as long as this match.
    void findRoute(std::optional<lobby::ServiceAddress> stun, lobby::LinkRoute::Limits limits);
    // Nothing once the match was agreed on, or without a lobby.
    lobby::LinkRoute* route() const { return route_.get(); }

    // Goes on with the introductions, or keeps the match's link alive.
    // Returns true when the match has just been agreed on.
    bool advance();
    bool connecting() const { return session_ == nullptr && failure_.isEmpty(); }
    bool playing() const { return session_ != nullptr && session_->active(); }
    // Whether the match was agreed on (it may have ended since).
    bool inMatch() const { return session_ != nullptr; }
    // The host begins this much later than now, so that both begin together.
    std::int64_t startAfterMicros() const { return startAfter_; }
    // The introductions failed, or the match has ended.
    bool over() const { return !connecting() && !playing(); }
    QString endMessage() const;

    net::OnlineSession& session() { return *session_; }
    // The front end of the match's game, once agreed on.
    net::OnlineFrontEnd& frontEnd() { return *front_; }
    int localSide() const { return hosting_ ? 1 : 2; }
    // The UDP port a host listens on.
    std::uint16_t port() const { return port_; }
    // What the title says: the waiting, or who plays with which delay.
    QString describe() const;

    // A pad plays this machine's player, whichever player it was set for.
    static GameEvent asPlayer(const GameEvent& event, int side);

private:
    OnlinePlay(std::unique_ptr<net::Link> link, bool hosting, QString where, FrontEnd& local,
               Changed changed);

    // First: it outlives the link, whose goodbye goes through it.
    std::unique_ptr<traversal::RelayThread> relay_;
    std::unique_ptr<net::Link> link_;
    bool hosting_;
    std::uint16_t port_ = 0;
    QString where_;
    Changed changed_;
    FrontEnd& local_;
    std::unique_ptr<net::Handshake> handshake_;
    std::unique_ptr<net::OnlineSession> session_;
    std::unique_ptr<net::OnlineFrontEnd> front_;
    QString failure_;
    QString status_;
    std::int64_t startAfter_ = 0;
    QString path_; // the way the other machine was reached, when known
    int looks_ = 0;
    int shownPredicting_ = 0; // heartbeats guessed ahead of the other player's input
    std::unique_ptr<traversal::UpnpMapping> mapping_;
    // Last: it goes before the link it uses.
    std::unique_ptr<lobby::LinkRoute> route_;
};

} // namespace gloob
