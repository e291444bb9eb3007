// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "lobby/lan.h"

#include <QDialog>
#include <QString>
#include <QTimer>

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
    explicit JoinDialog(QWidget* parent);
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

    QLineEdit* address_ = nullptr;
    QListWidget* games_ = nullptr;
    QLabel* note_ = nullptr;
    QPushButton* again_ = nullptr;
    std::future<Found> search_;
    QTimer timer_;
};

} // namespace gloob
