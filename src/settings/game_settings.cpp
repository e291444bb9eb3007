#include "game_settings.h"

#include <QSettings>

#include <array>
#include <optional>

namespace gloob {

namespace {

struct Choice {
    MenuId item;
    const char* word;
};

constexpr std::array<Choice, 3> matchLengths{{
    {MenuId::mnu3, "3"},
    {MenuId::mnu5, "5"},
    {MenuId::mnu8, "8"},
}};
constexpr std::array<Choice, 3> backgrounds{{
    {MenuId::mnuMountain, "mountain"},
    {MenuId::mnuBeach, "beach"},
    {MenuId::mnuNone, "none"},
}};

const QString matchLengthKey = QStringLiteral("options/matchLength");
const QString backgroundKey = QStringLiteral("options/background");
const QString heldKeysKey = QStringLiteral("options/heldKeys");

// The value as text, or nothing when it is not there at all.
std::optional<QString> textOf(QSettings& store, const QString& key) {
    if (!store.contains(key)) {
        return std::nullopt;
    }
    return store.value(key).toString();
}

template <std::size_t N>
void readChoice(QSettings& store, const QString& key, const std::array<Choice, N>& choices,
                MenuId& into, const SettingsWarning& warn) {
    const auto text = textOf(store, key);
    if (!text) {
        return;
    }
    for (const Choice& choice : choices) {
        if (*text == QLatin1String(choice.word)) {
            into = choice.item;
            return;
        }
    }
    warn(QStringLiteral("ignoring %1 = '%2'").arg(key, text->left(40)));
}

void readFlag(QSettings& store, const QString& key, bool& into, const SettingsWarning& warn) {
    const auto text = textOf(store, key);
    if (!text) {
        return;
    }
    if (*text == QLatin1String("true") || *text == QLatin1String("false")) {
        into = *text == QLatin1String("true");
        return;
    }
    warn(QStringLiteral("ignoring %1 = '%2'").arg(key, text->left(40)));
}

template <std::size_t N> const char* wordOf(const std::array<Choice, N>& choices, MenuId item) {
    for (const Choice& choice : choices) {
        if (choice.item == item) {
            return choice.word;
        }
    }
    return choices[0].word;
}

} // namespace

GameSettings loadSettings(QSettings& store, const SettingsWarning& warn) {
    GameSettings settings;
    if (store.status() != QSettings::NoError) {
        warn(QStringLiteral("cannot read %1; starting with the defaults").arg(store.fileName()));
        return settings;
    }
    readChoice(store, matchLengthKey, matchLengths, settings.matchLength, warn);
    readChoice(store, backgroundKey, backgrounds, settings.background, warn);
    readFlag(store, heldKeysKey, settings.heldKeys, warn);
    return settings;
}

void saveSettings(QSettings& store, const GameSettings& settings) {
    store.setValue(matchLengthKey, QLatin1String(wordOf(matchLengths, settings.matchLength)));
    store.setValue(backgroundKey, QLatin1String(wordOf(backgrounds, settings.background)));
    store.setValue(heldKeysKey,
                   settings.heldKeys ? QStringLiteral("true") : QStringLiteral("false"));
    store.sync();
}

} // namespace gloob
