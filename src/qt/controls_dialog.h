// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/key_bindings.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QKeyEvent;
class QLabel;
class QTableWidget;

namespace gloob {

// Options > Controls...: each player's Left, Right and Jump with the key and
// the pad button that play it. Click a row and press a key to move that
// control onto it; a key that already plays another control is refused.
class ControlsDialog final : public QDialog {
public:
    // Tells the player why a key was refused; tests replace the message box.
    using Refusal = std::function<void(const QString& text)>;

    ControlsDialog(const KeyBindings& keys, bool padsSwapped, QWidget* parent = nullptr);

    const KeyBindings& keys() const { return keys_; }
    bool padsSwapped() const;
    void setRefusal(Refusal refusal) { refusal_ = std::move(refusal); }

    // The next key pressed goes to this control.
    void chooseKeyFor(PlayerControl control);
    void restoreDefaults();
    QTableWidget* table() const { return table_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitToContents();
    void takeKey(const QKeyEvent& key);
    void showKeys();

    KeyBindings keys_;
    std::optional<PlayerControl> choosing_;
    QTableWidget* table_ = nullptr;
    QLabel* hint_ = nullptr;
    QCheckBox* swapPads_ = nullptr;
    Refusal refusal_;
};

} // namespace gloob
