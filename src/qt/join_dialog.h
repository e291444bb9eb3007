// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "lobby/lan.h"

#include <QDialog>
#include <QString>
#include <QTimer>

#include <functional>
#include <future>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace gloob {

// How a game found on the local network is listed.
QString foundGameLine(const lobby::FoundGame& found, std::uint16_t version);

// Asks for the address of the match to join, and lists the games hosted on
// this machine's networks as they answer: choosing one fills in its address.
class JoinDialog final : public QDialog {
public:
    // Looks for games on the network; what went wrong in `error`.
    using Search = std::function<std::vector<lobby::FoundGame>(std::string& error)>;
    // By default the hosts on this machine's networks are asked, for a second.
    explicit JoinDialog(QWidget* parent, Search searchGames = {});
    ~JoinDialog() override;

    QString address() const;
    QListWidget* games() const { return games_; }
    // Looks for games again; the list fills once the answers are in.
    void search();
    bool searching() const { return search_.valid(); }

private:
    struct Found {
        std::vector<lobby::FoundGame> games;
        std::string error;
    };
    void collect();

    Search searchGames_;
    QLineEdit* address_ = nullptr;
    QListWidget* games_ = nullptr;
    QLabel* note_ = nullptr;
    QPushButton* again_ = nullptr;
    std::future<Found> search_;
    QTimer timer_;
};

} // namespace gloob
