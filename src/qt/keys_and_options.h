// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/key_bindings.h"
#include "match/serve.h"

#include <QString>

namespace gloob {

// Help > Keys and Options: the keys each player plays with now, the pads,
// the window's own keys, the match length and who serves, as rich text.
QString keysAndOptionsText(const KeyBindings& keys, bool padsSwapped, const QString& points,
                           ServeRule serve);

} // namespace gloob
