// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "sound_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace gloob {

// Plain checkable items, as everywhere in the game's menus: check marks, not
// radio dots, and the one marked is the settings' business.
SoundMenu::SoundMenu(QMenu& menu, const GameSettings& settings, Chosen chosen)
    : chosen_(std::move(chosen)), shown_(settings) {
    sound_ = menu.addAction(QCoreApplication::translate("SoundMenu", "Sound"));
    sound_->setCheckable(true);
    QObject::connect(sound_, &QAction::triggered, sound_,
                     [this](bool on) { chosen_(on, shown_.volume); });
    QMenu* volumes = menu.addMenu(QCoreApplication::translate("SoundMenu", "Volume"));
    for (std::size_t i = 0; i < soundVolumes.size(); ++i) {
        const int volume = soundVolumes[i];
        volumes_[i] = volumes->addAction(QStringLiteral("%1 %").arg(volume));
        volumes_[i]->setCheckable(true);
        QObject::connect(volumes_[i], &QAction::triggered, volumes_[i],
                         [this, volume] { chosen_(shown_.sound, volume); });
    }
    show(settings);
}

void SoundMenu::show(const GameSettings& settings) {
    shown_ = settings;
    sound_->setChecked(settings.sound);
    for (std::size_t i = 0; i < soundVolumes.size(); ++i) {
        volumes_[i]->setChecked(soundVolumes[i] == settings.volume);
    }
}

QAction* SoundMenu::volumeAction(int percent) const {
    for (std::size_t i = 0; i < soundVolumes.size(); ++i) {
        if (soundVolumes[i] == percent) {
            return volumes_[i];
        }
    }
    return nullptr;
}

} // namespace gloob
