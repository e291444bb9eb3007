// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "traversal/candidates.h"

#include <QString>

#include <vector>

namespace gloob {

// What the player is told of the way to the other machine: the path being
// tried, the one the match took, and what to do when none worked.
QString pathTrying(traversal::Path path);
QString pathTaken(traversal::Path path);
// Each way tried once, best first.
QString tryingLines(const std::vector<traversal::Candidate>& tried);
QString nothingReached(const QString& other, const std::vector<traversal::Candidate>& tried,
                       int seconds);

} // namespace gloob
