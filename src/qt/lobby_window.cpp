// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "lobby_window.h"

#include "lobby/lobby_paths.h"
#include "net/link.h"
#include "net/protocol.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdio>

namespace gloob {

namespace {

constexpr int pollMillis = 50;
// The way to the other machine is stepped often: a STUN answer or a probe's
// waits no longer than this.
constexpr int routeMillis = 10;
// Signing out waits this long at most for the room to hear it.
constexpr int goodbyeMillis = 300;
// Chat kept in the window: the oldest lines go past this.
constexpr int keptChatLines = 1000;

QString fromStd(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString occupantLine(const lobby::Occupant& occupant, std::uint16_t version) {
    const QString name = fromStd(occupant.name);
    if (!occupant.state) {
        return QObject::tr("%1 - chatting, no game").arg(name);
    }
    const lobby::PlayerState& state = *occupant.state;
    if (state.version != version) {
        return QObject::tr("%1 - another version of the game").arg(name);
    }
    switch (state.activity) {
    case lobby::Activity::hosting:
        return QObject::tr("%1 - hosting, %2 balls").arg(name).arg(state.balls);
    case lobby::Activity::playing:
        return QObject::tr("%1 - playing with %2").arg(name, fromStd(state.with));
    case lobby::Activity::waiting:
        break;
    }
    return QObject::tr("%1 - waiting").arg(name);
}

LobbyWindow::LobbyWindow(QWidget* owner, Hooks hooks)
    : QWidget(owner, Qt::Window), hooks_(std::move(hooks)) {
    setWindowTitle(QObject::tr("Online Lobby"));
    auto* grid = new QGridLayout(this);

    auto* signInRow = new QHBoxLayout;
    name_ = new QLineEdit(hooks_.settings().lobbyName, this);
    name_->setMaxLength(static_cast<int>(lobby::maxNameCharacters));
    name_->setPlaceholderText(QObject::tr("your name in the lobby"));
    server_ = new QLineEdit(hooks_.settings().lobbyServer, this);
    server_->setPlaceholderText(QStringLiteral("localhost"));
    signIn_ = new QPushButton(QObject::tr("&Sign In"), this);
    auto* nameLabel = new QLabel(QObject::tr("&Name:"), this);
    nameLabel->setBuddy(name_);
    auto* serverLabel = new QLabel(QObject::tr("Se&rver:"), this);
    serverLabel->setBuddy(server_);
    signInRow->addWidget(nameLabel);
    signInRow->addWidget(name_, 1);
    signInRow->addWidget(serverLabel);
    signInRow->addWidget(server_, 1);
    signInRow->addWidget(signIn_);
    grid->addLayout(signInRow, 0, 0, 1, 2);

    // Only a lobby that asks for an account needs one.
    auto* accountRow = new QHBoxLayout;
    account_ = new QLineEdit(hooks_.settings().lobbyAccount, this);
    account_->setPlaceholderText(QObject::tr("none: sign in without an account"));
    password_ = new QLineEdit(hooks_.settings().lobbyPassword, this);
    password_->setEchoMode(QLineEdit::Password);
    keepPassword_ = new QCheckBox(QObject::tr("Keep the password"), this);
    keepPassword_->setChecked(!hooks_.settings().lobbyPassword.isEmpty());
    auto* accountLabel = new QLabel(QObject::tr("&Account:"), this);
    accountLabel->setBuddy(account_);
    auto* passwordLabel = new QLabel(QObject::tr("Pass&word:"), this);
    passwordLabel->setBuddy(password_);
    accountRow->addWidget(accountLabel);
    accountRow->addWidget(account_, 1);
    accountRow->addWidget(passwordLabel);
    accountRow->addWidget(password_, 1);
    accountRow->addWidget(keepPassword_);
    grid->addLayout(accountRow, 1, 0, 1, 2);

    status_ = new QLabel(this);
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    grid->addWidget(status_, 2, 0, 1, 2);
    routeLine_ = new QLabel(this);
    routeLine_->setTextFormat(Qt::PlainText);
    routeLine_->hide();
    grid->addWidget(routeLine_, 7, 0, 1, 2);

    players_ = new QListWidget(this);
    auto* playersLabel = new QLabel(QObject::tr("&Players"), this);
    playersLabel->setBuddy(players_);
    grid->addWidget(playersLabel, 3, 0);
    grid->addWidget(players_, 4, 0);
    auto* buttons = new QHBoxLayout;
    host_ = new QPushButton(QObject::tr("&Host"), this);
    join_ = new QPushButton(QObject::tr("&Join"), this);
    buttons->addWidget(host_);
    challenge_ = new QPushButton(QObject::tr("Challen&ge"), this);
    challenge_->setToolTip(QObject::tr("Ask a waiting player to host a match for you"));
    buttons->addWidget(join_);
    buttons->addWidget(challenge_);
    grid->addLayout(buttons, 5, 0);
    askFirst_ = new QCheckBox(QObject::tr("As&k me before a player joins"), this);
    askFirst_->setChecked(hooks_.settings().lobbyAskFirst);
    grid->addWidget(askFirst_, 6, 0);

    // Plain text only: nothing a stranger writes becomes a link or markup.
    chatView_ = new QPlainTextEdit(this);
    chatView_->setReadOnly(true);
    chatView_->setMaximumBlockCount(keptChatLines);
    chatView_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* chatLabel = new QLabel(QObject::tr("&Chat"), this);
    grid->addWidget(chatLabel, 3, 1);
    grid->addWidget(chatView_, 4, 1);
    auto* chatRow = new QHBoxLayout;
    chat_ = new QLineEdit(this);
    chat_->setMaxLength(static_cast<int>(lobby::maxChatCharacters));
    chat_->setPlaceholderText(QObject::tr("say something to the room"));
    chatLabel->setBuddy(chat_);
    say_ = new QPushButton(QObject::tr("Sa&y"), this);
    chatRow->addWidget(chat_, 1);
    chatRow->addWidget(say_);
    grid->addLayout(chatRow, 5, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);

    QObject::connect(signIn_, &QPushButton::clicked, this,
                     [this] { session_ ? signOut() : signIn(); });
    QObject::connect(name_, &QLineEdit::returnPressed, this, [this] { signIn(); });
    QObject::connect(server_, &QLineEdit::returnPressed, this, [this] { signIn(); });
    QObject::connect(chat_, &QLineEdit::returnPressed, this, [this] { say(); });
    QObject::connect(say_, &QPushButton::clicked, this, [this] { say(); });
    QObject::connect(host_, &QPushButton::clicked, this, [this] { toggleHosting(); });
    QObject::connect(join_, &QPushButton::clicked, this, [this] { joinChosen(); });
    QObject::connect(challenge_, &QPushButton::clicked, this, [this] { challengeChosen(); });
    QObject::connect(askFirst_, &QCheckBox::toggled, this, [this](bool on) {
        GameSettings settings = hooks_.settings();
        settings.lobbyAskFirst = on;
        hooks_.settingsChosen(settings);
    });
    QObject::connect(players_, &QListWidget::itemDoubleClicked, this, [this] { joinChosen(); });
    QObject::connect(players_, &QListWidget::currentRowChanged, this, [this] { showState(); });
    // libstrophe is driven from here, a little at a time: the window and
    // the game never wait for the lobby.
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
    QObject::connect(&routeTimer_, &QTimer::timeout, this, [this] { stepRoute(); });
    resize(720, 420);
    showState();
}

LobbyWindow::~LobbyWindow() = default;

void LobbyWindow::open(const QString& server) {
    show();
    raise();
    activateWindow();
    if (!server.isEmpty() && !session_) {
        server_->setText(server);
        if (!name_->text().trimmed().isEmpty()) {
            signIn();
            return;
        }
    }
    (session_ ? chat_ : name_)->setFocus();
}

void LobbyWindow::signIn() {
    if (session_) {
        return;
    }
    const QString name = name_->text().trimmed();
    const QString server = server_->text().trimmed();
    const auto address = lobby::parseLobbyAddress(server.toStdString());
    if (name.isEmpty() || lobby::cleanName(name.toStdString()) != name.toStdString()) {
        tell(QObject::tr("choose a name, without control characters, to sign in"));
        name_->setFocus();
        return;
    }
    if (!address) {
        tell(QObject::tr("'%1' is no lobby server: a domain, localhost or an IPv4 address, "
                         "and ':' and a port unless it is %2")
                 .arg(server)
                 .arg(lobby::defaultLobbyPort));
        server_->setFocus();
        return;
    }
    const QString account = account_->text().trimmed();
    GameSettings settings = hooks_.settings();
    settings.lobbyName = name;
    settings.lobbyServer = server;
    settings.lobbyAccount = account;
    settings.lobbyPassword = keepPassword_->isChecked() ? password_->text() : QString();
    hooks_.settingsChosen(settings);
    serverShown_ = server;
    std::optional<lobby::Account> signInAs;
    if (!account.isEmpty()) {
        signInAs = lobby::Account{account.toStdString(), password_->text().toStdString()};
    }
    session_ = std::make_unique<lobby::LobbySession>(*address, name.toStdString(),
                                                     net::protocolVersion, signInAs);
    timer_.start(pollMillis);
    routeTimer_.start(routeMillis);
    chat_->setFocus();
    showRoster();
    showState();
}

void LobbyWindow::signOut() {
    if (!session_) {
        return;
    }
    closeQuestion();
    dropJoin();
    session_->leave(goodbyeMillis);
    session_.reset();
    timer_.stop();
    routeTimer_.stop();
    routeLine_->hide();
    tell(QObject::tr("signed out of the lobby"));
    showRoster();
    showState();
}

void LobbyWindow::closeEvent(QCloseEvent* event) {
    signOut();
    event->accept();
}

void LobbyWindow::poll() {
    if (!session_) {
        return;
    }
    // The match begun from here has ended: this player waits again.
    if (ownMatch_ && !hooks_.matchOn()) {
        ownMatch_ = false;
        session_->waiting();
    }
    const bool wasIn = session_->inRoom();
    session_->poll(lobby::LobbySession::Clock::now());
    for (const auto& event : session_->takeEvents()) {
        handle(event);
    }
    showState();
    // In the room, the keyboard is for chat (not the button that signs out).
    if (!wasIn && session_->inRoom()) {
        chat_->setFocus();
    }
}

void LobbyWindow::handle(const lobby::LobbySession::Event& event) {
    using Kind = lobby::LobbySession::Event::Kind;
    // A message box of the game window's, open meanwhile, may have let the
    // player sign out.
    if (!session_) {
        return;
    }
    switch (event.kind) {
    case Kind::line:
        tell(fromStd(event.text));
        break;
    case Kind::chat: {
        const QString line = QStringLiteral("<%1> %2").arg(fromStd(session_->shownName(event.from)),
                                                           fromStd(event.text));
        chatView_->appendPlainText(line);
        std::fprintf(stderr, "gloob: lobby: %s\n", qPrintable(line));
        break;
    }
    case Kind::roster: {
        showRoster();
        // For the log: who does what now.
        const auto found = session_->roster().find(event.from);
        if (found != session_->roster().end()) {
            std::fprintf(stderr, "gloob: lobby: %s\n",
                         qPrintable(occupantLine(found->second, net::protocolVersion)));
        }
        break;
    }
    case Kind::accepted: {
        session_->playing(session_->shownName(event.from));
        hostedWith_ = event.from;
        // A joiner that offers its match's socket is probed; one that offers
        // only where the lobby sees it connects by itself.
        lobby::LinkRoute* route = hostedRoute();
        if (route != nullptr && !lobby::fromLobby(event.candidates).empty()) {
            route->check(event.secret, event.candidates);
        }
        break;
    }
    case Kind::asking:
        ask(event);
        break;
    case Kind::withdrawn:
        closeQuestion();
        break;
    case Kind::meet: {
        if (joinRoute_ && !lobby::fromLobby(event.candidates).empty()) {
            joinWith_ = event.from;
            joinRoute_->check(event.secret, event.candidates);
            break;
        }
        dropJoin();
        const QString address =
            QStringLiteral("%1:%2").arg(fromStd(event.where.address)).arg(event.where.port);
        if (!hooks_.matchOn() && hooks_.join(address)) {
            ownMatch_ = true;
            session_->playing(session_->shownName(event.from));
        } else {
            tell(QObject::tr("the match with %1 could not begin")
                     .arg(fromStd(session_->shownName(event.from))));
        }
        break;
    }
    }
}

void LobbyWindow::say() {
    const QString text = chat_->text();
    if (text.trimmed().isEmpty() || !session_) {
        return;
    }
    if (session_->say(text.toStdString())) {
        chat_->clear();
    }
    for (const auto& event : session_->takeEvents()) {
        handle(event);
    }
}

void LobbyWindow::toggleHosting() {
    if (!session_) {
        return;
    }
    // Hosting, or playing the match begun here: this ends it.
    if (session_->state().activity != lobby::Activity::waiting) {
        ownMatch_ = false;
        hooks_.leave();
        session_->waiting();
    } else if (!hooks_.matchOn() && !joinLink_) {
        if (const auto port = hostWithRoute()) {
            ownMatch_ = true;
            session_->host(pointsToWin(hooks_.settings().matchLength), *port,
                           askFirst_->isChecked());
            if (const lobby::LinkRoute* route = hostedRoute()) {
                session_->offer(route->candidates());
            }
            tell((askFirst_->isChecked()
                      ? QObject::tr("hosting a match on UDP port %1; you are asked about each "
                                    "player who wants to join")
                      : QObject::tr("hosting a match on UDP port %1; the first player to join "
                                    "plays it"))
                     .arg(*port));
        }
    }
    showState();
}

void LobbyWindow::joinChosen() {
    startAsking(chosenNick(), false);
}

void LobbyWindow::challengeChosen() {
    startAsking(chosenNick(), true);
}

// The question stays open beside the window: the lobby and the game go on
// while the player thinks.
void LobbyWindow::ask(const lobby::LobbySession::Event& event) {
    closeQuestion();
    const bool challenge = event.text == "challenge";
    const QString name = fromStd(session_->shownName(event.from));
    question_ = new QMessageBox(
        QMessageBox::Question, QObject::tr("A Match?"),
        challenge ? QObject::tr("%1 challenges you to a match: you would host it, with your "
                                "match length. Play?")
                        .arg(name)
                  : QObject::tr("%1 asks to join your match. Let them in?").arg(name),
        QMessageBox::Yes | QMessageBox::No, this);
    question_->setTextFormat(Qt::PlainText);
    question_->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(question_, &QMessageBox::finished, this,
                     [this, nick = event.from, challenge, box = question_](int result) {
                         if (question_ == box) {
                             question_ = nullptr;
                             answer(nick, challenge, result == QMessageBox::Yes);
                         }
                     });
    question_->open();
}

void LobbyWindow::answer(const std::string& nick, bool challenge, bool yes) {
    if (!session_) {
        return;
    }
    const std::string name = session_->shownName(nick);
    if (!yes || (challenge && (hooks_.matchOn() || joinLink_))) {
        session_->decline(nick);
    } else if (!challenge) {
        if (session_->accept(nick)) {
            session_->playing(name);
        }
    } else if (const auto port = hostWithRoute()) {
        if (const lobby::LinkRoute* route = hostedRoute()) {
            session_->offer(route->candidates());
        }
        if (session_->accept(nick, *port)) {
            ownMatch_ = true;
            session_->playing(name);
        } else {
            hooks_.leave();
        }
    } else {
        session_->decline(nick);
    }
    for (const auto& event : session_->takeEvents()) {
        handle(event);
    }
    showState();
}

// A question that no longer waits for an answer goes without one.
void LobbyWindow::closeQuestion() {
    if (QMessageBox* box = question_) {
        question_ = nullptr;
        box->close();
    }
}

QString LobbyWindow::chosenNick() const {
    const QListWidgetItem* item = players_->currentItem();
    return item != nullptr ? item->data(Qt::UserRole).toString() : QString();
}

void LobbyWindow::showRoster() {
    const QString chosen = chosenNick();
    players_->clear();
    if (!session_) {
        return;
    }
    for (const auto& [nick, occupant] : session_->roster()) {
        auto* item = new QListWidgetItem(occupantLine(occupant, net::protocolVersion), players_);
        item->setData(Qt::UserRole, fromStd(nick));
        if (fromStd(nick) == chosen) {
            players_->setCurrentItem(item);
        }
    }
}

void LobbyWindow::showState() {
    const bool in = session_ && session_->inRoom();
    for (QWidget* field :
         std::initializer_list<QWidget*>{name_, server_, account_, password_, keepPassword_}) {
        field->setEnabled(!session_);
    }
    signIn_->setText(session_ ? QObject::tr("&Sign Out") : QObject::tr("&Sign In"));
    chat_->setEnabled(in);
    say_->setEnabled(in);
    const auto activity = session_ ? session_->state().activity : lobby::Activity::waiting;
    host_->setText(activity == lobby::Activity::hosting   ? QObject::tr("Stop &Hosting")
                   : activity == lobby::Activity::playing ? QObject::tr("&Leave Match")
                                                          : QObject::tr("&Host"));
    // A match goes on while the lobby is away, and can be left.
    host_->setEnabled(session_ && (activity != lobby::Activity::waiting ||
                                   (in && !hooks_.matchOn() && !joinLink_)));
    const bool free = in && !hooks_.matchOn() && !joinLink_ && !chosenNick().isEmpty();
    join_->setEnabled(free && session_->joinable(chosenNick().toStdString()));
    challenge_->setEnabled(free && session_->challengeable(chosenNick().toStdString()));

    QString text;
    if (!session_) {
        text = QObject::tr("Not signed in. Choose a name and a lobby server, then Sign In.");
    } else if (const auto retry = session_->retryAt()) {
        const auto wait =
            std::chrono::ceil<std::chrono::seconds>(*retry - lobby::LobbySession::Clock::now());
        text = QObject::tr("The lobby at %1 is gone; signing in again in %2 s. A match being "
                           "played goes on.")
                   .arg(serverShown_)
                   .arg(std::max<std::int64_t>(0, wait.count()));
    } else if (session_->refused()) {
        text = QObject::tr("The lobby at %1 did not let you in. Sign out, then sign in with "
                           "another account or password.")
                   .arg(serverShown_);
    } else if (!in) {
        text = QObject::tr("Signing in to %1...").arg(serverShown_);
    } else {
        const QString doing =
            activity == lobby::Activity::hosting
                ? QObject::tr("hosting, waiting for a player to join")
            : activity == lobby::Activity::playing
                ? QObject::tr("playing with %1").arg(fromStd(session_->state().with))
                : QObject::tr("waiting");
        text = QObject::tr("In the lobby at %1 as %2: %3.")
                   .arg(serverShown_, fromStd(session_->nick()), doing);
        if (!session_->encrypted()) {
            text += QObject::tr(" The connection is not encrypted.");
        }
    }
    if (status_->text() != text) {
        status_->setText(text);
    }
}

void LobbyWindow::tell(const QString& text) {
    chatView_->appendPlainText(QStringLiteral("* ") + text);
    std::fprintf(stderr, "gloob: lobby: %s\n", qPrintable(text));
}

} // namespace gloob
