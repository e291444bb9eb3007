// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "online_director.h"

#include "host_addresses.h"
#include "join_dialog.h"
#include "lobby_window.h"
#include "player_choices.h"

#include "app/heartbeat.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QInputDialog>
#include <QMenu>

#include <cstdio>

namespace gloob {

OnlineDirector::OnlineDirector(QWidget& window, QMenu& gameMenu, FrontEnd& local, Hooks hooks)
    : window_(window), local_(local), hooks_(std::move(hooks)) {
    host_ =
        gameMenu.addAction(QCoreApplication::translate("OnlineDirector", "Host Online Match..."));
    QObject::connect(host_, &QAction::triggered, &window_, [this] {
        bool ok = false;
        const int port = QInputDialog::getInt(
            &window_, QCoreApplication::translate("OnlineDirector", "Host Online Match"),
            hostPrompt(thisMachinesAddresses()), net::defaultPort, 1, 65535, 1, &ok);
        if (ok) {
            host(static_cast<std::uint16_t>(port));
        }
    });
    join_ =
        gameMenu.addAction(QCoreApplication::translate("OnlineDirector", "Join Online Match..."));
    QObject::connect(join_, &QAction::triggered, &window_, [this] {
        JoinDialog dialog(&window_);
        if (dialog.exec() == QDialog::Accepted && !dialog.address().isEmpty()) {
            join(dialog.address());
        }
    });
    leave_ =
        gameMenu.addAction(QCoreApplication::translate("OnlineDirector", "Leave Online Match"));
    QObject::connect(leave_, &QAction::triggered, &window_, [this] { leave(); });
    lobbyAction_ = gameMenu.addAction(QObject::tr("Online Lobby..."));
    QObject::connect(lobbyAction_, &QAction::triggered, &window_, [this] { openLobby(); });
    addInputDelays(gameMenu);
    QObject::connect(&timer_, &QTimer::timeout, &window_, [this] { service(); });
    showState();
}

OnlineDirector::~OnlineDirector() = default;

// The host's choice: Automatic guesses at the other player's keys as far as
// the round trip needs; a fixed delay hands every input over that much later
// on both machines, and guesses only beyond it.
void OnlineDirector::addInputDelays(QMenu& gameMenu) {
    inputDelays_ = gameMenu.addMenu(QObject::tr("Input Delay"));
    auto* group = new QActionGroup(inputDelays_);
    const auto add = [&](const QString& text, std::optional<int> delay) {
        QAction* action = inputDelays_->addAction(text);
        action->setCheckable(true);
        action->setChecked(delay == inputDelay_);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, &window_,
                         [this, delay] { inputDelay_ = delay; });
    };
    add(QObject::tr("Automatic"), std::nullopt);
    for (int heartbeats = net::minInputDelay; heartbeats <= net::maxInputDelay; ++heartbeats) {
        const auto millis = static_cast<int>(heartbeats * heartbeatMicros / 1000);
        add(heartbeats == 1 ? QObject::tr("1 heartbeat (%1 ms)").arg(millis)
                            : QObject::tr("%1 heartbeats (%2 ms)").arg(heartbeats).arg(millis),
            heartbeats);
    }
}

bool OnlineDirector::inMatchGame() const {
    return play_ && play_->inMatch() && game_ == &hooks_.engine();
}

OnlineDirector::Freedoms OnlineDirector::freedoms() const {
    return {.setApart = !active(),
            .ownGame = !inMatchGame(),
            .ownChoices = !play_ || play_->localSide() == 1};
}

GameEvent OnlineDirector::asLocalPlayer(const GameEvent& event) const {
    return inMatchGame() ? OnlinePlay::asPlayer(event, play_->localSide()) : event;
}

GameStarter& OnlineDirector::starterOr(GameStarter& local) {
    return play_ && play_->inMatch() ? *this : local;
}

QString OnlineDirector::describe() const {
    return play_ ? play_->describe() : QString();
}

void OnlineDirector::prepare(Engine& engine) {
    play_->frontEnd().attach(engine);
    game_ = &engine;
}

// Both machines run the same rules; the host's choices are its player's
// first commands, and travel like any.
std::optional<std::int64_t> OnlineDirector::begin(Engine& engine) {
    for (int player : {1, 2}) {
        engine.setHeldKeys(player, true);
    }
    if (play_->localSide() == 1) {
        postChoices(engine, hooks_.settings());
    }
    return play_->startAfterMicros();
}

void OnlineDirector::launch(const LaunchOptions& options) {
    if (!options.lobbyAddress.empty()) {
        QTimer::singleShot(0, &window_, [this, address = options.lobbyAddress] {
            openLobby(QString::fromStdString(address));
        });
    }
    if (options.hostPort) {
        QTimer::singleShot(0, &window_, [this, port = *options.hostPort] { host(port); });
    } else if (!options.joinAddress.empty()) {
        QTimer::singleShot(0, &window_, [this, address = options.joinAddress] {
            join(QString::fromStdString(address));
        });
    }
}

bool OnlineDirector::host(std::uint16_t port) {
    QString error;
    auto play = openHost(port, error);
    return start(std::move(play), error);
}

// A host answers machines looking for games on its network with the name
// it goes by in the lobby.
std::unique_ptr<OnlinePlay> OnlineDirector::openHost(std::uint16_t port, QString& error) {
    const GameSettings& settings = hooks_.settings();
    const QString name =
        settings.lobbyName.isEmpty() ? QObject::tr("A Gloob player") : settings.lobbyName;
    return OnlinePlay::host(
        port,
        lobby::LanGame{net::protocolVersion, pointsToWin(settings.matchLength), name.toStdString()},
        local_, [this] { hooks_.changed(); }, error, inputDelay_);
}

// The lobby's match: on the game's port when it is free, so that the local
// network finds it too, else on one the system picks.
std::optional<std::uint16_t> OnlineDirector::hostForLobby(std::optional<lobby::ServiceAddress> stun,
                                                          lobby::LinkRoute::Limits limits) {
    QString error;
    auto play = openHost(net::defaultPort, error);
    if (!play) {
        play = openHost(0, error);
    }
    if (!start(std::move(play), error)) {
        return std::nullopt;
    }
    play_->findRoute(std::move(stun), limits);
    return play_->port();
}

bool OnlineDirector::joinOver(std::unique_ptr<net::Link> link, const QString& where,
                              const QString& path, std::unique_ptr<traversal::RelayThread> relay) {
    return start(OnlinePlay::joinOver(std::move(link), where, path, std::move(relay), local_,
                                      [this] { hooks_.changed(); }),
                 {});
}

void OnlineDirector::openLobby(const QString& server) {
    if (!lobby_) {
        lobby_ = std::make_unique<LobbyWindow>(
            &window_,
            LobbyWindow::Hooks{
                .settings = hooks_.settings,
                .settingsChosen = hooks_.settingsChosen,
                .host =
                    [this](std::optional<lobby::ServiceAddress> stun,
                           lobby::LinkRoute::Limits limits) {
                        return hostForLobby(std::move(stun), limits);
                    },
                .join = [this](const QString& address) { return join(address); },
                .joinOver =
                    [this](std::unique_ptr<net::Link> link, const QString& where,
                           const QString& path, std::unique_ptr<traversal::RelayThread> relay) {
                        return joinOver(std::move(link), where, path, std::move(relay));
                    },
                .hostedRoute = [this]() -> lobby::LinkRoute* {
                    return play_ ? play_->route() : nullptr;
                },
                .leave = [this] { leave(); },
                .matchOn = [this] { return active(); }});
    }
    lobby_->open(server);
}

bool OnlineDirector::join(const QString& address) {
    const auto parsed = net::parseHostAddress(address.trimmed().toStdString());
    if (!parsed) {
        hooks_.message(QCoreApplication::translate("OnlineDirector",
                                                   "'%1' is no address to join: a host name or "
                                                   "IPv4 address, then ':' and the port unless it "
                                                   "is %2.")
                           .arg(address)
                           .arg(net::defaultPort));
        return false;
    }
    QString error;
    auto play = OnlinePlay::join(
        *parsed, local_, [this] { hooks_.changed(); }, error);
    return start(std::move(play), error);
}

bool OnlineDirector::start(std::unique_ptr<OnlinePlay> play, const QString& error) {
    if (!play || play_) {
        hooks_.message(
            QCoreApplication::translate("OnlineDirector", "The online match cannot begin: %1.")
                .arg(error));
        return false;
    }
    play_ = std::move(play);
    // The game here waits while the other machine is found.
    hooks_.hold(true);
    timer_.start(10);
    showState();
    hooks_.changed();
    return true;
}

// Between delivery points: the introductions, then the match's link.
void OnlineDirector::service() {
    if (!play_) {
        timer_.stop();
        return;
    }
    if (play_->advance()) {
        // Agreed: the match begins on both machines with a new game.
        hooks_.hold(false);
        hooks_.stopGame();
        return;
    }
    if (play_->over() && canEndNow()) {
        end();
    }
}

// An online game's running handler is unwound at its next delivery point
// first; any other game may be left at once.
bool OnlineDirector::canEndNow() const {
    return !hooks_.engine().insideHandler() || game_ != &hooks_.engine();
}

void OnlineDirector::leave() {
    if (!play_) {
        return;
    }
    // The match's game stops at its next delivery point, as the recording
    // says; the match ends with it.
    if (inMatchGame() && play_->playing()) {
        hooks_.stopGame();
        return;
    }
    if (play_->inMatch()) {
        play_->session().leave();
    }
    if (canEndNow()) {
        end();
    }
}

bool OnlineDirector::endIfOver() {
    if (play_ && play_->over() && game_ == &hooks_.engine()) {
        end();
        return true;
    }
    return false;
}

// Back to a game of this machine's own, saying why the match ended.
void OnlineDirector::end() {
    const QString why = play_ ? play_->endMessage() : QString();
    const bool wasPlaying = game_ != nullptr && game_ == &hooks_.engine();
    if (wasPlaying && play_) {
        play_->frontEnd().detach();
    }
    play_.reset();
    game_ = nullptr;
    timer_.stop();
    showState();
    if (!why.isEmpty()) {
        std::fprintf(stderr, "gloob: online: %s\n", qPrintable(why));
    }
    if (wasPlaying) {
        hooks_.startNextGame();
    } else {
        hooks_.hold(false);
    }
    if (!why.isEmpty()) {
        QTimer::singleShot(0, &window_, [this, why] { hooks_.message(why); });
    }
}

void OnlineDirector::showState() {
    host_->setEnabled(!play_);
    join_->setEnabled(!play_);
    leave_->setEnabled(play_ != nullptr);
    inputDelays_->setEnabled(!play_);
}

} // namespace gloob
