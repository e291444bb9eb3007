// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "game_settings.h"

#include "game_languages.h"

#include <QSettings>

#include <algorithm>
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
const QString padsSwappedKey = QStringLiteral("controls/padsSwapped");
const QString soundKey = QStringLiteral("options/sound");
const QString volumeKey = QStringLiteral("options/volume");
const QString serveKey = QStringLiteral("options/serve");
const QString lobbyNameKey = QStringLiteral("lobby/name");
const QString lobbyServerKey = QStringLiteral("lobby/server");
const QString lobbyAskFirstKey = QStringLiteral("lobby/askFirst");
const QString lobbyAccountKey = QStringLiteral("lobby/account");
const QString lobbyPasswordKey = QStringLiteral("lobby/password");
const QString lobbyStunKey = QStringLiteral("lobby/stun");
// Longer than any name or server the lobby takes: a damaged file's.
constexpr qsizetype maxLobbyText = 255;
const QString languageKey = QStringLiteral("options/language");
// The language of the system, as the settings file names it.
const QString systemLanguage = QStringLiteral("system");

// A value as a warning shows it: cut short, with every control character as
// \xNN, so that a damaged file can neither break the line nor steer the
// terminal.
QString shown(const QString& text) {
    QString out;
    for (const QChar c : text.left(40)) {
        if (c.category() == QChar::Other_Control) {
            out += QStringLiteral("\\x") +
                   QString::number(c.unicode(), 16).toUpper().rightJustified(2, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    return out;
}

QString playerKeyOf(int player) {
    return QStringLiteral("players/player%1").arg(player);
}

// "human", or the computer's strength.
void readPlayer(QSettings& store, int player, std::optional<BotStrength>& into,
                const SettingsWarning& warn) {
    const QString key = playerKeyOf(player);
    if (!store.contains(key)) {
        return;
    }
    const QString text = store.value(key).toString();
    if (text == QLatin1String("human")) {
        into.reset();
        return;
    }
    const auto strength = strengthOfWord(text.toStdString());
    if (strength && *strength) {
        into = *strength;
        return;
    }
    warn(QStringLiteral("ignoring %1 = '%2'").arg(key, shown(text)));
}

QString keyOf(PlayerControl control) {
    static constexpr std::array<const char*, 3> actions{"left", "right", "jump"};
    return QStringLiteral("controls/player%1/%2")
        .arg(control.player)
        .arg(QLatin1String(actions[static_cast<std::size_t>(control.action)]));
}

// The value as text, or nothing when it is not there at all.
std::optional<QString> textOf(QSettings& store, const QString& key) {
    if (!store.contains(key)) {
        return std::nullopt;
    }
    return store.value(key).toString();
}

// A value read with `parse`, which gives nothing for a value the game cannot
// use: that one is left as it was, with a warning.
template <typename T, typename Parse>
void readValue(QSettings& store, const QString& key, T& into, const SettingsWarning& warn,
               Parse parse) {
    const auto text = textOf(store, key);
    if (!text) {
        return;
    }
    if (std::optional<T> value = parse(*text)) {
        into = std::move(*value);
        return;
    }
    warn(QStringLiteral("ignoring %1 = '%2'").arg(key, shown(*text)));
}

template <std::size_t N>
void readChoice(QSettings& store, const QString& key, const std::array<Choice, N>& choices,
                MenuId& into, const SettingsWarning& warn) {
    readValue(store, key, into, warn, [&](const QString& text) -> std::optional<MenuId> {
        for (const Choice& choice : choices) {
            if (text == QLatin1String(choice.word)) {
                return choice.item;
            }
        }
        return std::nullopt;
    });
}

void readFlag(QSettings& store, const QString& key, bool& into, const SettingsWarning& warn) {
    readValue(store, key, into, warn, [](const QString& text) -> std::optional<bool> {
        if (text == QLatin1String("true") || text == QLatin1String("false")) {
            return text == QLatin1String("true");
        }
        return std::nullopt;
    });
}

// Only a loudness the menu offers: any other could never be chosen again.
void readVolume(QSettings& store, int& into, const SettingsWarning& warn) {
    readValue(store, volumeKey, into, warn, [](const QString& text) -> std::optional<int> {
        bool number = false;
        const int volume = text.toInt(&number);
        if (number &&
            std::find(soundVolumes.begin(), soundVolumes.end(), volume) != soundVolumes.end()) {
            return volume;
        }
        return std::nullopt;
    });
}

// Kept by the word scripts use for it: "player1", "loser" or "alternate".
void readServe(QSettings& store, ServeRule& into, const SettingsWarning& warn) {
    readValue(store, serveKey, into, warn,
              [](const QString& text) { return serveRuleOfWord(text.toStdString()); });
}

void readText(QSettings& store, const QString& key, QString& into, const SettingsWarning& warn) {
    readValue(store, key, into, warn, [](const QString& text) -> std::optional<QString> {
        if (text.size() <= maxLobbyText && !text.contains(QLatin1Char('\n'))) {
            return text;
        }
        return std::nullopt;
    });
}

bool isGameLanguage(const QString& code) {
    return std::any_of(gameLanguages.begin(), gameLanguages.end(), [&](const GameLanguage& l) {
        return code == QLatin1String(l.code.data(), static_cast<qsizetype>(l.code.size()));
    });
}

// Only a language the game has a catalogue for; the system's is kept as nothing.
void readLanguage(QSettings& store, QString& into, const SettingsWarning& warn) {
    readValue(store, languageKey, into, warn, [](const QString& text) -> std::optional<QString> {
        if (text == systemLanguage) {
            return QString();
        }
        if (isGameLanguage(text)) {
            return text;
        }
        return std::nullopt;
    });
}

QString flagText(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

// Keys are kept by their place on the keyboard. A key number out of range, or
// one key for two controls, leaves every control on its default key.
void readKeys(QSettings& store, KeyBindings& into, const SettingsWarning& warn) {
    std::array<PhysicalKey, 6> keys{};
    bool any = false;
    for (std::size_t i = 0; i < allControls.size(); ++i) {
        keys[i] = into.key(allControls[i]);
        const auto text = textOf(store, keyOf(allControls[i]));
        if (!text) {
            continue;
        }
        any = true;
        bool number = false;
        const uint key = text->toUInt(&number);
        if (!number || key == 0 || key > 0x1FFFFu) {
            warn(QStringLiteral("ignoring the keys: %1 = '%2'")
                     .arg(keyOf(allControls[i]), shown(*text)));
            return;
        }
        keys[i] = key;
    }
    if (!any) {
        return;
    }
    if (const auto read = KeyBindings::of(keys)) {
        into = *read;
    } else {
        warn(QStringLiteral("ignoring the keys: one key plays two controls"));
    }
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
    readKeys(store, settings.keys, warn);
    readFlag(store, padsSwappedKey, settings.padsSwapped, warn);
    for (int player : {1, 2}) {
        readPlayer(store, player, settings.computer[static_cast<std::size_t>(player - 1)], warn);
    }
    readFlag(store, soundKey, settings.sound, warn);
    readVolume(store, settings.volume, warn);
    readServe(store, settings.serve, warn);
    readText(store, lobbyNameKey, settings.lobbyName, warn);
    readText(store, lobbyServerKey, settings.lobbyServer, warn);
    readFlag(store, lobbyAskFirstKey, settings.lobbyAskFirst, warn);
    readText(store, lobbyAccountKey, settings.lobbyAccount, warn);
    readText(store, lobbyPasswordKey, settings.lobbyPassword, warn);
    readText(store, lobbyStunKey, settings.lobbyStun, warn);
    readLanguage(store, settings.language, warn);

    // What the game never writes is a damaged file or another program's.
    QStringList known{matchLengthKey,  backgroundKey,    heldKeysKey,    padsSwappedKey,
                      playerKeyOf(1),  playerKeyOf(2),   soundKey,       volumeKey,
                      serveKey,        lobbyNameKey,     lobbyServerKey, lobbyAskFirstKey,
                      lobbyAccountKey, lobbyPasswordKey, lobbyStunKey,   languageKey};
    for (const PlayerControl control : allControls) {
        known.append(keyOf(control));
    }
    qsizetype unknown = 0;
    for (const QString& key : store.allKeys()) {
        unknown += known.contains(key) ? 0 : 1;
    }
    if (unknown > 0) {
        warn(QStringLiteral("ignoring %1 unknown value(s) in %2")
                 .arg(unknown)
                 .arg(store.fileName()));
    }
    return settings;
}

void saveSettings(QSettings& store, const GameSettings& settings) {
    store.setValue(matchLengthKey, QLatin1String(wordOf(matchLengths, settings.matchLength)));
    store.setValue(backgroundKey, QLatin1String(wordOf(backgrounds, settings.background)));
    store.setValue(heldKeysKey, flagText(settings.heldKeys));
    for (const PlayerControl control : allControls) {
        store.setValue(keyOf(control), settings.keys.key(control));
    }
    store.setValue(padsSwappedKey, flagText(settings.padsSwapped));
    for (int player : {1, 2}) {
        const auto& computer = settings.computer[static_cast<std::size_t>(player - 1)];
        store.setValue(
            playerKeyOf(player),
            computer ? QString::fromUtf8(strengthWord(computer).data(),
                                         static_cast<qsizetype>(strengthWord(computer).size()))
                     : QStringLiteral("human"));
    }
    store.setValue(soundKey, flagText(settings.sound));
    store.setValue(volumeKey, settings.volume);
    const std::string_view serve = serveWord(settings.serve);
    store.setValue(serveKey, QString::fromUtf8(serve.data(), static_cast<qsizetype>(serve.size())));
    store.setValue(lobbyNameKey, settings.lobbyName);
    store.setValue(lobbyServerKey, settings.lobbyServer);
    store.setValue(lobbyAskFirstKey, flagText(settings.lobbyAskFirst));
    store.setValue(lobbyAccountKey, settings.lobbyAccount);
    // A password not asked to be kept leaves no trace in the file.
    if (settings.lobbyPassword.isEmpty()) {
        store.remove(lobbyPasswordKey);
    } else {
        store.setValue(lobbyPasswordKey, settings.lobbyPassword);
    }
    // Set by hand, for lobbies that name no STUN server; never written otherwise.
    if (settings.lobbyStun.isEmpty()) {
        store.remove(lobbyStunKey);
    } else {
        store.setValue(lobbyStunKey, settings.lobbyStun);
    }
    store.setValue(languageKey, settings.language.isEmpty() ? systemLanguage : settings.language);
    store.sync();
}

QString chosenLanguage(QSettings& store) {
    QString language;
    readLanguage(store, language, [](const QString&) {});
    return language;
}

} // namespace gloob
