// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "online_director.h"

#include "host_addresses.h"
#include "player_choices.h"

#include <QAction>
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
        bool ok = false;
        const QString address = QInputDialog::getText(
            &window_, QCoreApplication::translate("OnlineDirector", "Join Online Match"),
            QCoreApplication::translate(
                "OnlineDirector",
                "You play player 2. The host's address (and :port unless it is %1):")
                .arg(net::defaultPort),
            QLineEdit::Normal, QString(), &ok);
        if (ok && !address.trimmed().isEmpty()) {
            join(address);
        }
    });
    leave_ =
        gameMenu.addAction(QCoreApplication::translate("OnlineDirector", "Leave Online Match"));
    QObject::connect(leave_, &QAction::triggered, &window_, [this] { leave(); });
    QObject::connect(&timer_, &QTimer::timeout, &window_, [this] { service(); });
    showState();
}

OnlineDirector::~OnlineDirector() = default;

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
    auto play = OnlinePlay::host(
        port, local_, [this] { hooks_.changed(); }, error);
    return start(std::move(play), error);
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
}

} // namespace gloob
