// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "sound_effects.h"

#include "wave.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <atomic>
#include <map>
#include <string>

namespace gloob {

namespace {

QtMessageHandler nextHandler = nullptr;

// Qt Multimedia speaks of the machine, in words a player cannot act on
// ("pa_context_connect() failed"); the game says it in one line of its own.
bool fromMultimedia(const QMessageLogContext& context, const QString& message) {
    static const std::array prefixes{QLatin1String("PulseAudioService"),
                                     QLatin1String("QAudioSink"),
                                     QLatin1String("Stream error"),
                                     QLatin1String("Stream drained"),
                                     QLatin1String("No audio device"),
                                     QLatin1String("Failed to get s"),
                                     QLatin1String("Failed to initialize QAudio")};
    // Some come quoted, as a string streamed to the log.
    const QStringView text =
        QStringView(message).startsWith(u'"') ? QStringView(message).mid(1) : QStringView(message);
    const QLatin1String category(context.category != nullptr ? context.category : "");
    return category.startsWith(QLatin1String("qt.multimedia")) ||
           std::any_of(prefixes.begin(), prefixes.end(),
                       [&](QLatin1String prefix) { return text.startsWith(prefix); });
}

void withoutMultimediaWarnings(QtMsgType type, const QMessageLogContext& context,
                               const QString& message) {
    if (type == QtFatalMsg || !fromMultimedia(context, message)) {
        nextHandler(type, context, message);
    }
}

void keepMultimediaQuiet() {
    static const bool installed = [] {
        nextHandler = qInstallMessageHandler(withoutMultimediaWarnings);
        return true;
    }();
    (void)installed;
}

std::optional<MonoSound> effectFile(std::string_view effect) {
    QFile file(QStringLiteral(":/assets/sounds/%1.wav")
                   .arg(QLatin1String(effect.data(), static_cast<qsizetype>(effect.size()))));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    return readMonoWave(
        std::as_bytes(std::span(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

} // namespace

SoundEffects::SoundEffects(const Report& report) {
    keepMultimediaQuiet();
    // The stream may fail on its own thread later: one line, whoever says it first.
    auto reported = std::make_shared<std::atomic<bool>>(false);
    const Report once = [report, reported](const QString& problem) {
        if (!reported->exchange(true)) {
            report(problem);
        }
    };
    int sampleRate = 0;
    std::map<std::string_view, Mixer::Effect> loaded;
    for (const Cue cue : allCues) {
        const std::string_view effect = effectOf(cue);
        if (!loaded.contains(effect)) {
            std::optional<MonoSound> sound = effectFile(effect);
            if (!sound || (sampleRate != 0 && sound->sampleRate != sampleRate)) {
                once(QStringLiteral("the effect '%1' cannot be read; playing without sound")
                         .arg(QLatin1String(effect.data(), static_cast<qsizetype>(effect.size()))));
                return;
            }
            sampleRate = sound->sampleRate;
            loaded[effect] = mixer_.add(std::move(sound->samples));
        }
        effectOfCue_[static_cast<std::size_t>(cue)] = loaded[effect];
    }
    output_ = std::make_unique<AudioOutput>(mixer_, sampleRate, once);
}

void SoundEffects::play(Cue cue) {
    if (available()) {
        mixer_.start(effectOfCue_[static_cast<std::size_t>(cue)]);
        output_->wake();
    }
}

} // namespace gloob
