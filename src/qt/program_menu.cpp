// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "program_menu.h"

#include "app/engine.h"
#include "app/messages.h"
#include "program/program_player.h"
#include "written_texts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>

#include <iostream>

namespace gloob {

ProgramMenu::ProgramMenu(QMenu& players, QWidget& window, std::function<void()> chosen)
    : window_(window), chosen_(std::move(chosen)) {
    QAction* action = players.addAction(QCoreApplication::translate("ProgramMenu", "Program..."));
    QObject::connect(action, &QAction::triggered, action, [this] {
        QDialog dialog(&window_);
        dialog.setWindowTitle(QCoreApplication::translate("ProgramMenu", "Your Own Program"));
        auto* side = new QComboBox(&dialog);
        side->addItems({QCoreApplication::translate("ProgramMenu", "Player 1"),
                        QCoreApplication::translate("ProgramMenu", "Player 2")});
        auto* command = new QLineEdit(&dialog);
        command->setPlaceholderText(QStringLiteral("python3 examples/gloob_player.py"));
        command->setMinimumWidth(360);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        auto* form = new QFormLayout(&dialog);
        form->addRow(QCoreApplication::translate("ProgramMenu", "Plays:"), side);
        form->addRow(QCoreApplication::translate("ProgramMenu", "Command:"), command);
        form->addRow(buttons);
        QObject::connect(side, &QComboBox::currentIndexChanged, command, [this, command](int i) {
            command->setText(QString::fromStdString(commands_[static_cast<std::size_t>(i)]));
        });
        if (dialog.exec() != QDialog::Accepted || command->text().trimmed().isEmpty()) {
            return;
        }
        commands_[static_cast<std::size_t>(side->currentIndex())] =
            command->text().trimmed().toStdString();
        chosen_();
    });
}

void ProgramMenu::seat(Engine& engine) const {
    for (int side : {1, 2}) {
        if (!commandOf(side).empty()) {
            engine.post(GameEvent::program(side, commandOf(side)));
        }
    }
}

ProgramMaker ProgramMenu::maker(Engine& engine) {
    return [this, &engine](int side, const std::string& command) {
        return std::make_unique<program::ProgramPlayer>(
            side, command, [&engine] { return engine.nowMicros(); },
            [this](const std::string& message) {
                std::cerr << "gloob: " << message << '\n';
                auto* box =
                    new QMessageBox(QMessageBox::Warning, shownText(messages::title),
                                    QString::fromStdString(message), QMessageBox::Ok, &window_);
                box->setAttribute(Qt::WA_DeleteOnClose);
                box->setModal(false);
                box->show();
            });
    };
}

} // namespace gloob
