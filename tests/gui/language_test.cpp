// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// Runs with LANGUAGE=de: the system's language is German.
#include "qt/game_translations.h"
#include "qt/main_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace gloob {
namespace {

void walkMenu(const QList<QAction*>& actions, const std::string& prefix,
              std::vector<std::string>& paths) {
    for (const QAction* action : actions) {
        const std::string path = prefix + action->text().toStdString();
        paths.push_back(path);
        if (action->menu() != nullptr) {
            walkMenu(action->menu()->actions(), path + " > ", paths);
        }
    }
}

struct LanguageCase {
    const char* name;
    const char* chosen; // Options > Language, empty for the system's
    const char* loaded; // the catalogue's language, empty for English
    std::vector<std::string> shownPaths;
};
void PrintTo(const LanguageCase& c, std::ostream* out) {
    *out << c.name;
}

class Language : public ::testing::TestWithParam<LanguageCase> {};

// The window speaks the language, Qt's own buttons too; the written game's
// captions stay as written, and every language is named in itself.
TEST_P(Language, ShowsTheWindowInIt) {
    GameTranslations translations;
    EXPECT_EQ(translations.install(gameLocale(QString::fromUtf8(GetParam().chosen))),
              QString::fromUtf8(GetParam().loaded));
    const MainWindow window;
    std::vector<std::string> paths;
    walkMenu(window.menuBar()->actions(), "", paths);
    for (const std::string& path : GetParam().shownPaths) {
        EXPECT_NE(std::find(paths.begin(), paths.end(), path), paths.end()) << path;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Language,
    ::testing::Values(
        LanguageCase{"SystemsGerman",
                     "",
                     "de",
                     {"Options > Number of Balls > 5", "Options > Exit", "Options > Aufschlag",
                      "Options > Sprache > Systemsprache", "Options > Sprache > Français",
                      "Spiel > Neues Match", "Help  > Tasten und Optionen"}},
        LanguageCase{"ChosenFrench",
                     "fr",
                     "fr",
                     {"Options > Backround > Beach", "Options > Service > À tour de rôle",
                      "Options > Langue > Deutsch", "Jeu > Nouveau match"}},
        LanguageCase{
            "EnglishBeforeGerman",
            "en",
            "",
            {"Options > Serve", "Options > Language > System Default", "Game > New Match"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Language, QtsOwnDialogsFollow) {
    GameTranslations translations;
    ASSERT_EQ(translations.install(gameLocale({})), QStringLiteral("de"));
    EXPECT_EQ(QCoreApplication::translate("QProgressDialog", "Cancel"),
              QStringLiteral("Abbrechen"));
}

TEST(Language, GoesWithTheTranslations) {
    {
        GameTranslations translations;
        translations.install(gameLocale({}));
    }
    EXPECT_EQ(QCoreApplication::translate("ServeMenu", "Serve"), QStringLiteral("Serve"));
    EXPECT_EQ(QCoreApplication::translate("QProgressDialog", "Cancel"), QStringLiteral("Cancel"));
}

} // namespace
} // namespace gloob
