// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// Texts for the catalogue check's own test, read by lupdate only.
QT_TRANSLATE_NOOP("Faults", "Player %1")
QT_TRANSLATE_NOOP("Faults", "%1 at %2")
QCoreApplication::translate("Faults", "%n balls", nullptr, count)
