// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "controls_dialog.h"

#include "key_codes.h"
#include "key_names.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace gloob {

namespace {

QString chooseHint() {
    return QCoreApplication::translate("ControlsDialog",
                                       "Click a control, then press its new key.");
}

// "Player 2 Jump", in the player's language.
QString nameOf(PlayerControl control) {
    QString name;
    switch (control.action) {
    case PlayerAction::left:
        name = QCoreApplication::translate("ControlsDialog", "Player %1 Left");
        break;
    case PlayerAction::right:
        name = QCoreApplication::translate("ControlsDialog", "Player %1 Right");
        break;
    case PlayerAction::jump:
        name = QCoreApplication::translate("ControlsDialog", "Player %1 Jump");
        break;
    }
    return name.arg(control.player);
}

QString padButtonOf(PlayerAction action) {
    switch (action) {
    case PlayerAction::left:
        return QCoreApplication::translate("ControlsDialog", "D-pad or left stick left");
    case PlayerAction::right:
        return QCoreApplication::translate("ControlsDialog", "D-pad or left stick right");
    case PlayerAction::jump:
        break;
    }
    return QCoreApplication::translate("ControlsDialog", "South button (A, Cross)");
}

// Keys the window keeps for itself: pause and full screen.
std::optional<QString> reservedFor(int qtKey) {
    switch (qtKey) {
    case Qt::Key_P:
    case Qt::Key_Pause:
        return QCoreApplication::translate("ControlsDialog", "pauses the game");
    case Qt::Key_F11:
        return QCoreApplication::translate("ControlsDialog", "switches full screen");
    default:
        return std::nullopt;
    }
}

QString choosingHint(PlayerControl control) {
    return QCoreApplication::translate("ControlsDialog",
                                       "Press the new key for %1 (Esc keeps the old one).")
        .arg(nameOf(control));
}

} // namespace

ControlsDialog::ControlsDialog(const KeyBindings& keys, bool padsSwapped, QWidget* parent)
    : QDialog(parent), keys_(keys), refusal_([this](const QString& text) {
          QMessageBox::information(this, windowTitle(), text);
      }) {
    setWindowTitle(QCoreApplication::translate("ControlsDialog", "Controls"));
    table_ = new QTableWidget(static_cast<int>(allControls.size()), 3, this);
    table_->setHorizontalHeaderLabels({QCoreApplication::translate("ControlsDialog", "Control"),
                                       QCoreApplication::translate("ControlsDialog", "Key"),
                                       QCoreApplication::translate("ControlsDialog", "Pad")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->installEventFilter(this);
    connect(table_, &QTableWidget::cellClicked, this,
            [this](int row, int) { chooseKeyFor(allControls[static_cast<std::size_t>(row)]); });

    hint_ = new QLabel(chooseHint(), this);
    swapPads_ = new QCheckBox(
        QCoreApplication::translate("ControlsDialog", "The first game pad plays player 2"), this);
    swapPads_->setChecked(padsSwapped);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* defaults =
        buttons->addButton(QCoreApplication::translate("ControlsDialog", "Restore Defaults"),
                           QDialogButtonBox::ResetRole);
    connect(defaults, &QPushButton::clicked, this, [this] { restoreDefaults(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(hint_);
    layout->addWidget(swapPads_);
    layout->addWidget(buttons);
    showKeys();
    fitToContents();
}

// The table shows every row and column whole, and the hint has room for its
// longest text: the dialog never needs a scroll bar, and never moves a row
// from under the pointer by growing once a player has started choosing.
void ControlsDialog::fitToContents() {
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The Key column takes the longest key name there is, for the keys chosen later.
    QString widestKey;
    for (PhysicalKey key = 8; key < 256; ++key) {
        const QString name = shownKeyName(key);
        if (table_->fontMetrics().horizontalAdvance(name) >
            table_->fontMetrics().horizontalAdvance(widestKey)) {
            widestKey = name;
        }
    }
    table_->item(0, 1)->setText(widestKey);
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    showKeys();
    const int frame = 2 * table_->frameWidth();
    table_->setMinimumWidth(table_->horizontalHeader()->length() + frame);
    table_->setFixedHeight(table_->horizontalHeader()->sizeHint().height() +
                           table_->verticalHeader()->length() + frame);
    // As wide as the dialog: the Pad column takes what is left.
    table_->horizontalHeader()->setStretchLastSection(true);
    int widestHint = hint_->fontMetrics().horizontalAdvance(chooseHint());
    for (const PlayerControl control : allControls) {
        widestHint =
            std::max(widestHint, hint_->fontMetrics().horizontalAdvance(choosingHint(control)));
    }
    hint_->setMinimumWidth(widestHint);
    layout()->activate();
    setFixedSize(sizeHint());
}

bool ControlsDialog::padsSwapped() const {
    return swapPads_->isChecked();
}

void ControlsDialog::showKeys() {
    for (std::size_t row = 0; row < allControls.size(); ++row) {
        const PlayerControl control = allControls[row];
        const int r = static_cast<int>(row);
        table_->setItem(r, 0, new QTableWidgetItem(nameOf(control)));
        table_->setItem(r, 1, new QTableWidgetItem(shownKeyName(keys_.key(control))));
        table_->setItem(r, 2, new QTableWidgetItem(padButtonOf(control.action)));
    }
}

void ControlsDialog::chooseKeyFor(PlayerControl control) {
    choosing_ = control;
    hint_->setText(choosingHint(control));
    table_->setFocus();
}

void ControlsDialog::restoreDefaults() {
    keys_ = KeyBindings{};
    swapPads_->setChecked(false);
    choosing_.reset();
    hint_->setText(chooseHint());
    showKeys();
}

bool ControlsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && choosing_ && event->type() == QEvent::KeyPress) {
        takeKey(*static_cast<QKeyEvent*>(event));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ControlsDialog::takeKey(const QKeyEvent& key) {
    const PlayerControl control = *choosing_;
    choosing_.reset();
    hint_->setText(chooseHint());
    if (key.key() == Qt::Key_Escape) {
        return;
    }
    const PhysicalKey physical = physicalKeyOf(key);
    if (const auto reserved = reservedFor(key.key())) {
        refusal_(QCoreApplication::translate("ControlsDialog", "%1 %2; choose another key for %3.")
                     .arg(shownKeyName(physical), *reserved, nameOf(control)));
        return;
    }
    if (const auto holder = keys_.bind(control, physical)) {
        refusal_(QCoreApplication::translate("ControlsDialog",
                                             "%1 already plays %2; choose another key for %3.")
                     .arg(shownKeyName(physical), nameOf(*holder), nameOf(control)));
        return;
    }
    showKeys();
}

} // namespace gloob
