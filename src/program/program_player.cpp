// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "program_player.h"

#include "protocol.h"
#include "script/script.h"

#include <algorithm>
#include <variant>

namespace gloob::program {

ProgramPlayer::ProgramPlayer(int side, const std::string& command, Now now, Report report,
                             std::chrono::milliseconds answerLimit)
    : side_(side == 2 ? 2 : 1), command_(command), now_(std::move(now)), report_(std::move(report)),
      answerLimit_(answerLimit), process_(std::make_unique<ChildProcess>(wordsOfCommand(command))),
      startedAt_(ChildProcess::Clock::now()) {
    if (!process_->startError().empty()) {
        std::vector<KeyEvent> none;
        drop("it cannot be started: " + process_->startError(), none);
    }
}

std::vector<KeyEvent> ProgramPlayer::decide(const Scene& scene, const MatchState& state) {
    std::vector<KeyEvent> keys;
    if (dropped()) {
        return keys;
    }
    if (process_->hasUnread()) {
        drop("it wrote more than one line for a heartbeat", keys);
        return keys;
    }
    if (process_->ended()) {
        drop("it ended", keys);
        return keys;
    }
    if (!process_->writeLine(sightLine(now_(), side_, scene, state))) {
        drop("it no longer reads what the game writes", keys);
        return keys;
    }
    auto deadline = ChildProcess::Clock::now() + answerLimit_;
    if (!answered_) {
        deadline = std::max(deadline, startedAt_ + startTime);
    }
    std::string line;
    switch (process_->readLine(deadline, line, maxAnswerBytes)) {
    case ChildProcess::Read::late:
        drop(answered_
                 ? "it answered late (after " + std::to_string(answerLimit_.count()) + " ms)"
                 : "it gave no first answer within " + std::to_string(startTime.count()) + " ms",
             keys);
        return keys;
    case ChildProcess::Read::ended:
        drop("it ended", keys);
        return keys;
    case ChildProcess::Read::tooLong:
        drop("it wrote a line longer than " + std::to_string(maxAnswerBytes) + " bytes", keys);
        return keys;
    case ChildProcess::Read::line:
        break;
    }
    answered_ = true;
    auto answer = parseAnswer(line, side_);
    if (const auto* error = std::get_if<std::string>(&answer)) {
        drop("it wrote " + *error, keys);
        return keys;
    }
    for (const KeyEvent& key : std::get<std::vector<KeyEvent>>(answer)) {
        if (key.down) {
            held_.insert(key.keyCode);
        } else {
            held_.erase(key.keyCode);
        }
        keys.push_back(key);
    }
    return keys;
}

void ProgramPlayer::drop(const std::string& why, std::vector<KeyEvent>& keys) {
    process_.reset();
    for (const std::int16_t key : held_) {
        keys.push_back({false, key, 0});
    }
    held_.clear();
    if (report_) {
        report_("player " + std::to_string(side_) + "'s program " + quotedWord(command_, 80) +
                " is dropped for the rest of the match: " + why + "; the side stands still");
    }
}

} // namespace gloob::program
