// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "mixer.h"

#include <QString>
#include <QThread>

#include <functional>

class QObject;

namespace gloob {

// One stream to the default audio output, open for as long as the game runs
// and fed from the mixer on a thread of its own, with no stream to open and no
// wait for the game's thread. Between effects it is left to run dry, which
// costs nothing; a start tops it up at once.
class AudioOutput {
public:
    using Report = std::function<void(const QString&)>;
    // How far ahead of the speaker the stream is filled.
    static constexpr int bufferMilliseconds = 20;

    // Reports when there is no output, or the stream fails, now or later.
    AudioOutput(Mixer& mixer, int sampleRate, const Report& report);
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    bool running() const { return running_; }
    // After the mixer was given an effect: feeds the stream now.
    void wake();

private:
    QThread thread_;
    // Lives on the stream's thread, and with it the sink and the stream.
    QObject* home_ = nullptr;
    std::function<void()> feed_;
    bool running_ = false;
};

} // namespace gloob
