// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "join_dialog.h"

#include "net/handshake.h"
#include "net/protocol.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <chrono>

namespace gloob {

namespace {
// How long the hosts on the network have to answer a probe.
constexpr auto answerWait = std::chrono::milliseconds(1000);
} // namespace

QString foundGameLine(const lobby::FoundGame& found, std::uint16_t version) {
    const QString where =
        QStringLiteral("%1:%2").arg(QString::fromStdString(found.address)).arg(found.port);
    const QString name =
        QString::fromUtf8(found.game.name.data(), static_cast<qsizetype>(found.game.name.size()));
    if (found.game.protocol != version) {
        return QObject::tr("%1 at %2, another version of the game").arg(name, where);
    }
    return QObject::tr("%1 at %2, %3 balls").arg(name, where).arg(found.game.balls);
}

JoinDialog::JoinDialog(QWidget* parent, Search searchGames)
    : QDialog(parent), searchGames_(std::move(searchGames)) {
    if (!searchGames_) {
        searchGames_ = [](std::string& error) {
            return lobby::findLanGames(net::protocolVersion, net::defaultPort, answerWait, error);
        };
    }
    setWindowTitle(QObject::tr("Join Online Match"));
    auto* layout = new QVBoxLayout(this);
    auto* gamesLabel = new QLabel(QObject::tr("&Games on this network:"), this);
    games_ = new QListWidget(this);
    gamesLabel->setBuddy(games_);
    note_ = new QLabel(this);
    note_->setTextFormat(Qt::PlainText);
    again_ = new QPushButton(QObject::tr("&Look Again"), this);
    auto* addressLabel = new QLabel(
        QObject::tr("You play player 2. The host's &address (and :port unless it is %1):")
            .arg(net::defaultPort),
        this);
    address_ = new QLineEdit(this);
    addressLabel->setBuddy(address_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(gamesLabel);
    layout->addWidget(games_);
    layout->addWidget(note_);
    layout->addWidget(again_, 0, Qt::AlignLeft);
    layout->addWidget(addressLabel);
    layout->addWidget(address_);
    layout->addWidget(buttons);

    QObject::connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    QObject::connect(again_, &QPushButton::clicked, this, [this] { this->search(); });
    QObject::connect(games_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item != nullptr && (item->flags() & Qt::ItemIsEnabled)) {
            address_->setText(item->data(Qt::UserRole).toString());
        }
    });
    QObject::connect(games_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (item->flags() & Qt::ItemIsEnabled) {
            address_->setText(item->data(Qt::UserRole).toString());
            accept();
        }
    });
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { collect(); });
    address_->setFocus();
    this->search();
}

// A search still under way is waited for: it ends within a second.
JoinDialog::~JoinDialog() = default;

QString JoinDialog::address() const {
    return address_->text().trimmed();
}

// The probe waits for answers: away from the window's thread.
void JoinDialog::search() {
    if (search_.valid()) {
        return;
    }
    again_->setEnabled(false);
    note_->setText(QObject::tr("Looking for games on this network..."));
    search_ = std::async(std::launch::async, [games = searchGames_] {
        Found found;
        found.games = games(found.error);
        return found;
    });
    timer_.start(50);
}

void JoinDialog::collect() {
    if (!search_.valid() ||
        search_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        return;
    }
    timer_.stop();
    const Found found = search_.get();
    games_->clear();
    for (const lobby::FoundGame& game : found.games) {
        auto* item = new QListWidgetItem(foundGameLine(game, net::protocolVersion), games_);
        item->setData(
            Qt::UserRole,
            QStringLiteral("%1:%2").arg(QString::fromStdString(game.address)).arg(game.port));
        if (game.game.protocol != net::protocolVersion) {
            item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
        }
    }
    note_->setText(
        !found.error.empty()
            ? QObject::tr("Cannot look for games here: %1").arg(QString::fromStdString(found.error))
        : found.games.empty() ? QObject::tr("No game is hosted on this network (on UDP port %1).")
                                    .arg(net::defaultPort)
                              : QString());
    again_->setEnabled(true);
}

} // namespace gloob
