// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// Runs with LANGUAGE=de: the system's language is German.
#include "app/messages.h"
#include "qt/game_translations.h"
#include "qt/key_names.h"
#include "qt/main_window.h"
#include "qt/written_texts.h"
#include "scene/scene.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
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
    const char* title; // the written game's caption as shown
    const char* play;  // and its button
};
void PrintTo(const LanguageCase& c, std::ostream* out) {
    *out << c.name;
}

class Language : public ::testing::TestWithParam<LanguageCase> {};

// The window speaks the language, the written game's captions and buttons
// too; in English they stay exactly as written, and every language is named
// in itself.
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
    EXPECT_EQ(window.windowTitle().toStdString(), GetParam().title);
    EXPECT_EQ(window.playButton()->text().toStdString(), GetParam().play);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Language,
    ::testing::Values(
        LanguageCase{"SystemsGerman",
                     "",
                     "de",
                     {"Optionen > Anzahl der Bälle > 5", "Optionen > Beenden",
                      "Optionen > Aufschlag", "Optionen > Sprache > Systemsprache",
                      "Optionen > Sprache > Français", "Spiel > Neues Match",
                      "Hilfe > Tasten und Optionen"},
                     "Gloob Volleyball",
                     "Spielen!"},
        LanguageCase{"ChosenFrench",
                     "fr",
                     "fr",
                     {"Options > Arrière-plan > Plage", "Options > Service > À tour de rôle",
                      "Options > Langue > Deutsch", "Jeu > Nouveau match"},
                     "Gloob Volleyball",
                     "Jouer !"},
        LanguageCase{"ChosenRussian",
                     "ru",
                     "ru",
                     {"Настройки > Фон > Пляж", "Настройки > Язык > Русский",
                      "Настройки > Язык > Português (Brasil)", "Справка > Как играть",
                      "Игра > Новый матч"},
                     "Gloob Volleyball",
                     "Играть!"},
        // A country's own catalogue.
        LanguageCase{"ChosenBrazilian",
                     "pt_BR",
                     "pt_BR",
                     {"Opções > Cenário > Praia", "Jogo > Nova partida"},
                     "Gloob Volleyball",
                     "Jogar!"},
        LanguageCase{"EnglishBeforeGerman",
                     "en",
                     "",
                     {"Options > Serve", "Options > Language > System Default",
                      "Options > Backround > Beach", "Game > New Match", "Help  > Instructions"},
                     "Gloob Volleyballl",
                     "Play!"}),
    [](const auto& info) { return std::string(info.param.name); });

// A text the written game gains must reach the catalogues too.
TEST(Language, EveryWrittenTextIsTranslatable) {
    const Scene scene;
    std::vector<std::string_view> shown{
        scene.Caption,   scene.cmdPlay.Caption,  scene.cmdExit.Caption, scene.lblGameOver.Caption,
        messages::title, messages::instructions, messages::about};
    for (const MenuEntry& entry : menuTree) {
        const std::string& caption = scene.menu(entry.id).Caption;
        // Numbers read the same in every language.
        if (caption.find_first_not_of("0123456789") != std::string::npos) {
            shown.emplace_back(caption);
        }
    }
    const auto marked = writtenTexts();
    for (const std::string_view text : shown) {
        EXPECT_NE(std::find(marked.begin(), marked.end(), text), marked.end()) << text;
    }
}

TEST(Language, KeysAreNamedAsTheKeyboardCallsThem) {
    const auto marked = translatedKeyNames();
    for (PhysicalKey key = 0; key < 256; ++key) {
        const std::string name = keyName(key);
        const bool inWords = std::any_of(name.begin(), name.end(),
                                         [](unsigned char c) { return std::islower(c) != 0; });
        if (inWords && !name.starts_with("Key ")) {
            EXPECT_NE(std::find(marked.begin(), marked.end(), name), marked.end()) << name;
        }
    }
    GameTranslations translations;
    ASSERT_EQ(translations.install(gameLocale({})), QStringLiteral("de"));
    EXPECT_EQ(shownKeyName(65), QStringLiteral("Leertaste"));
    EXPECT_EQ(shownKeyName(38), QStringLiteral("A"));
    EXPECT_EQ(shownKeyName(300), QStringLiteral("Taste 300"));
}

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
