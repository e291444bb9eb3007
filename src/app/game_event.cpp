// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "game_event.h"

#include <algorithm>
#include <array>

namespace gloob {

namespace {

struct MenuWord {
    MenuId item;
    std::string_view word;
};

constexpr std::array<MenuWord, 9> menuWords{{
    {MenuId::mnu3, "3"},
    {MenuId::mnu5, "5"},
    {MenuId::mnu8, "8"},
    {MenuId::mnuMountain, "mountain"},
    {MenuId::mnuBeach, "beach"},
    {MenuId::mnuNone, "none"},
    {MenuId::mnuInstructions, "instructions"},
    {MenuId::mnuAbout, "about"},
    {MenuId::mnuExit, "exit"},
}};

} // namespace

std::optional<std::string_view> menuWord(MenuId item) {
    const auto* found = std::find_if(menuWords.begin(), menuWords.end(),
                                     [&](const MenuWord& m) { return m.item == item; });
    if (found == menuWords.end()) {
        return std::nullopt;
    }
    return found->word;
}

std::optional<MenuId> menuItemOfWord(std::string_view word) {
    const auto* found = std::find_if(menuWords.begin(), menuWords.end(),
                                     [&](const MenuWord& m) { return m.word == word; });
    if (found == menuWords.end()) {
        return std::nullopt;
    }
    return found->item;
}

bool endsTheProgram(const GameEvent& event) {
    return (event.kind == EventKind::menu && event.menuItem == MenuId::mnuExit) ||
           event.kind == EventKind::clickExit;
}

std::string eventName(const GameEvent& event) {
    switch (event.kind) {
    case EventKind::keyDown:
        return "keydown " + std::to_string(event.keyCode);
    case EventKind::keyUp:
        return "keyup " + std::to_string(event.keyCode);
    case EventKind::clickPlay:
        return "click play";
    case EventKind::clickExit:
        return "click exit";
    case EventKind::menu:
        return "menu " + std::string(menuWord(event.menuItem).value_or("?"));
    case EventKind::focusOut:
        return "focusout";
    case EventKind::bot: {
        if (!event.command.empty()) {
            return "program " + std::to_string(event.side) + " " + event.command;
        }
        std::string name = "bot " + std::to_string(event.side) + " ";
        name += strengthWord(event.strength);
        if (event.strength) {
            name += " " + std::to_string(event.seed);
        }
        return name;
    }
    case EventKind::serve:
        return "serve " + std::string(serveWord(event.serveRule));
    case EventKind::end:
        break;
    }
    return "end";
}

namespace {
constexpr std::array<std::pair<std::string_view, std::optional<BotStrength>>, 4> strengths{{
    {"off", std::nullopt},
    {"easy", BotStrength::easy},
    {"normal", BotStrength::normal},
    {"hard", BotStrength::hard},
}};
} // namespace

std::string_view strengthWord(std::optional<BotStrength> strength) {
    for (const auto& [word, value] : strengths) {
        if (value == strength) {
            return word;
        }
    }
    return "off";
}

std::optional<std::optional<BotStrength>> strengthOfWord(std::string_view word) {
    for (const auto& [name, value] : strengths) {
        if (name == word) {
            return value;
        }
    }
    return std::nullopt;
}

namespace {
constexpr std::array<std::pair<std::string_view, ServeRule>, 3> serveRules{{
    {"player1", ServeRule::player1},
    {"loser", ServeRule::loser},
    {"alternate", ServeRule::alternate},
}};
} // namespace

std::string_view serveWord(ServeRule rule) {
    for (const auto& [word, value] : serveRules) {
        if (value == rule) {
            return word;
        }
    }
    return "player1";
}

std::optional<ServeRule> serveRuleOfWord(std::string_view word) {
    for (const auto& [name, value] : serveRules) {
        if (name == word) {
            return value;
        }
    }
    return std::nullopt;
}

} // namespace gloob
