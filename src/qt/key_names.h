// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/key_bindings.h"

#include <QString>

#include <span>

namespace gloob {

// A key as the player's keyboard calls it ("Leertaste", "Пробел"); letters,
// digits and F1..F12 read the same everywhere. Settings keep the key's number.
QString shownKeyName(PhysicalKey key);

// The key names a catalogue translates, where lupdate finds them.
std::span<const char* const> translatedKeyNames();

} // namespace gloob
