// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "session_director.h"

#include "game_starter.h"
#include "heartbeat_driver.h"
#include "recordings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

#include <fstream>
#include <utility>

namespace gloob {

SessionDirector::SessionDirector(FrontEnd& window, const TextRasteriser& text,
                                 const Pictures& pictures, HeartbeatDriver& driver,
                                 LaunchOptions first, Hooks hooks)
    : window_(window), text_(text), pictures_(pictures), driver_(driver), first_(std::move(first)),
      hooks_(std::move(hooks)),
      // The first game exists before the widgets that show its scene; its
      // load handler runs once the window has its real size.
      session_(std::make_unique<GameSession>(window, text, pictures)) {}

void SessionDirector::startFirst() {
    LaunchOptions files = first_;
    // A recording watched from the command line is the game traced, and so
    // is the online match asked for; the first screen under them is neither
    // traced nor recorded.
    if (!first_.replayPath.empty() || first_.launchesOnline()) {
        files.tracePath.clear();
        files.recordPath.clear();
        files.keepRecordings = false;
    }
    start(files);
}

void SessionDirector::start(const LaunchOptions& files, bool live) {
    GameStarter* starter = live ? &hooks_.starter() : nullptr;
    auto session =
        std::make_unique<GameSession>(starter ? starter->frontEnd() : window_, text_, pictures_);
    if (!files.tracePath.empty() && !session->traceTo(files.tracePath)) {
        startupError_ = QStringLiteral("cannot write the trace to '%1'")
                            .arg(QString::fromStdString(files.tracePath));
    }
    if (!files.recordPath.empty()) {
        if (!session->recordTo(files.recordPath, false)) {
            startupError_ = QStringLiteral("cannot write the recording to '%1'")
                                .arg(QString::fromStdString(files.recordPath));
        }
    } else if (files.keepRecordings) {
        const QString path = newRecordingPath(replaysFolder(), QDateTime::currentDateTime());
        // Playing matters more than keeping the match: without a folder, play on.
        if (!path.isEmpty()) {
            session->recordTo(path.toStdString(), true);
        }
    }
    hooks_.prepare(*session);
    if (starter != nullptr) {
        starter->prepare(session->engine());
    }
    if (session_ != nullptr) {
        session_->close();
    }
    session_ = std::move(session);
    hooks_.shown(*session_);
    driver_.restart(1);
    startingLater_ = gamesStarted_ > 0;
    run([this] { session_->engine().start(); });
    startingLater_ = false;
    ++gamesStarted_;
    if (starter != nullptr) {
        if (const auto startAfter = starter->begin(session_->engine())) {
            driver_.restart(1, *startAfter);
        }
        if (std::exchange(playOnStart_, false)) {
            session_->engine().post(GameEvent::of(EventKind::clickPlay));
        }
    }
    hooks_.begun();
    hooks_.stepped();
}

// Stopped at a delivery point like any input, so that the recording says
// when and a replay stops where the game did.
void SessionDirector::stop() {
    Engine& engine = session_->engine();
    engine.post(GameEvent::of(EventKind::end));
    if (engine.insideHandler()) {
        // A pump is coming: paused, it would never come.
        hooks_.resume();
    } else {
        run([&engine] { engine.runHeartbeat(); });
    }
}

void SessionDirector::newMatch() {
    nextReplay_.reset();
    playOnStart_ = true;
    stop();
}

void SessionDirector::startNext() {
    if (nextReplay_) {
        LaunchOptions files;
        if (!first_.replayPath.empty() && !first_.tracePath.empty() && !replayTraced_) {
            files.tracePath = first_.tracePath;
            replayTraced_ = true;
        }
        start(files, false);
        session_->replay(std::move(*nextReplay_));
        nextReplay_.reset();
        driver_.setSpeed(replaySpeed_);
        driver_.skipTo(session_->replayStartMicros());
    } else {
        LaunchOptions files;
        // Every later game is kept in the replays folder when the first one was recorded.
        files.keepRecordings = first_.keepRecordings || !first_.recordPath.empty();
        if (first_.launchesOnline() && hooks_.starter().isOnlineMatch() && !onlineTraced_) {
            files.tracePath = first_.tracePath;
            files.recordPath = first_.recordPath;
            onlineTraced_ = true;
        }
        start(files);
    }
    hooks_.resume();
}

void SessionDirector::run(const std::function<void()>& step) {
    bool stopped = false;
    try {
        step();
    } catch (const RunEnded& end) {
        // After Exit nothing of the interrupted handlers may go on; a game
        // stopped gives way to the next one.
        stopped = end.reason == RunEnded::Reason::stopped;
    }
    if (hooks_.matchEnded()) {
        return;
    }
    if (stopped || session_->replayOver()) {
        startNext();
        return;
    }
    hooks_.stepped();
}

bool SessionDirector::startReplay(const QString& path) {
    std::ifstream file(path.toStdString(), std::ios::binary);
    std::variant<std::vector<ScriptEvent>, ScriptError> parsed =
        file ? parseScript(file) : ScriptError{0, "cannot be opened"};
    // gloob-sim plays an empty script; as a replay it would only show a still court.
    if (const auto* events = std::get_if<std::vector<ScriptEvent>>(&parsed);
        events != nullptr && events->empty()) {
        parsed = ScriptError{0, "it holds nothing to play"};
    }
    if (const auto* error = std::get_if<ScriptError>(&parsed)) {
        const QString where =
            error->line > 0
                ? QCoreApplication::translate("SessionDirector", ", line %1").arg(error->line)
                : QString();
        hooks_.message(
            QCoreApplication::translate("SessionDirector",
                                        "This recording cannot be played.\n\n%1%2: %3")
                .arg(QFileInfo(path).fileName(), where, QString::fromStdString(error->message)));
        return false;
    }
    nextReplay_ = std::get<std::vector<ScriptEvent>>(std::move(parsed));
    stop();
    return true;
}

void SessionDirector::stopReplay() {
    if (session_->isReplay()) {
        stop();
    }
}

void SessionDirector::setReplaySpeed(int speed) {
    replaySpeed_ = speed;
    // A game of the players' always runs at the real pace.
    if (session_->isReplay()) {
        driver_.setSpeed(speed);
    }
}

} // namespace gloob
