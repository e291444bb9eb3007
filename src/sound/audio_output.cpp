// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "audio_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

namespace gloob {

namespace {

// Tops the sink's buffer up with the mixer's next stretch: while anything
// sounds, four times per buffer, so that it never runs dry in the middle of an
// effect and never holds more than its length. With GLOOB_TIMING, how much of the stream was still
// to play ahead of an effect's first sample, for bench/measure_sound.sh: an effect that starts
// while another sounds waits behind it.
void feed(QAudioSink& sink, QIODevice& stream, Mixer& mixer, std::vector<std::int16_t>& block,
          bool logQueue) {
    const qsizetype free = sink.bytesFree();
    block.resize(static_cast<std::size_t>(free / 2));
    if (block.empty()) {
        return;
    }
    const std::size_t beginning = mixer.mix(block);
    stream.write(reinterpret_cast<const char*>(block.data()),
                 static_cast<qint64>(block.size() * 2));
    if (logQueue && beginning > 0) {
        const double ahead = static_cast<double>(sink.bufferSize() - free) / 2.0 * 1000.0 /
                             sink.format().sampleRate();
        std::fprintf(stderr, "gloob: sound stream: %.1f ms ahead of %zu effect(s)\n", ahead,
                     beginning);
    }
}

} // namespace

AudioOutput::AudioOutput(Mixer& mixer, int sampleRate, const Report& report) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        report(QStringLiteral("no audio output found; playing without sound"));
        return;
    }
    home_ = new QObject;
    home_->moveToThread(&thread_);
    thread_.setObjectName(QStringLiteral("sound"));
    thread_.start();
    QMetaObject::invokeMethod(
        home_,
        [&] {
            QAudioFormat format;
            format.setSampleRate(sampleRate);
            format.setChannelCount(1);
            format.setSampleFormat(QAudioFormat::Int16);
            auto* sink = new QAudioSink(device, format, home_);
            sink->setBufferSize(format.bytesForDuration(bufferMilliseconds * 1000));
            QIODevice* stream = sink->start();
            running_ = stream != nullptr && sink->error() == QAudio::NoError;
            if (!running_) {
                report(QStringLiteral("the audio output cannot be opened; playing without sound"));
                return;
            }
            auto* feeder = new QTimer(home_);
            feeder->setTimerType(Qt::PreciseTimer);
            feeder->setInterval(bufferMilliseconds / 4);
            feed_ = [sink, stream, feeder, &mixer, block = std::vector<std::int16_t>(),
                     logQueue = std::getenv("GLOOB_TIMING") != nullptr]() mutable {
                feed(*sink, *stream, mixer, block, logQueue);
                if (!mixer.sounding()) {
                    feeder->stop();
                } else if (!feeder->isActive()) {
                    feeder->start();
                }
            };
            QObject::connect(feeder, &QTimer::timeout, home_, [this] { feed_(); });
            // A server that goes away takes the sound with it, not the game.
            QObject::connect(sink, &QAudioSink::stateChanged, home_, [sink, feeder, report] {
                if (sink->state() == QAudio::StoppedState && sink->error() != QAudio::NoError) {
                    feeder->stop();
                    report(QStringLiteral("the audio output failed; playing on without sound"));
                }
            });
        },
        Qt::BlockingQueuedConnection);
}

void AudioOutput::wake() {
    if (running_) {
        QMetaObject::invokeMethod(
            home_, [this] { feed_(); }, Qt::QueuedConnection);
    }
}

AudioOutput::~AudioOutput() {
    if (home_ == nullptr) {
        return;
    }
    // The sink, its stream and the feeder go with their thread's object, on that thread.
    QMetaObject::invokeMethod(
        home_, [this] { delete home_; }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

} // namespace gloob
