// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/engine.h"
#include "online_run.h"
#include "scene/raster.h"
#include "script/script.h"

#include <istream>
#include <memory>
#include <ostream>
#include <span>
#include <string_view>
#include <vector>

class QGuiApplication;

namespace gloob::sim {

// Exit statuses of gloob-sim.
constexpr int exitOk = 0;
constexpr int exitFailure = 1;
constexpr int exitUsage = 2;

// Plays a script and writes its trace. A malformed script writes only a
// message to `errors` and returns exitUsage. Makes an offscreen
// QGuiApplication for the run when the process has none.
int runSimulator(std::istream& script, std::ostream& trace, std::ostream& errors,
                 const ExtraOptions& extra = {});

// Plays parsed events (in file order), writing the trace; more observers,
// such as a recorder, may watch the game too. What happens to the players'
// own programs is told on `messages` (standard error when none).
void simulate(const std::vector<ScriptEvent>& events, std::ostream& trace,
              const std::vector<EngineObserver*>& observers = {}, std::ostream* messages = nullptr,
              std::chrono::milliseconds programAnswerTime = program::answerTime);

// An offscreen QGuiApplication for a run, when the process has none yet.
std::unique_ptr<QGuiApplication> guiApplicationForRun();

// The background pictures, decoded once from the ones built into the program.
// Needs a QGuiApplication.
const Pictures& simulatorPictures();

// gloob-sim's command line: `gloob-sim [SCRIPT|-]`, or `--help`.
int runCommandLine(std::span<const std::string_view> arguments, std::istream& in, std::ostream& out,
                   std::ostream& errors);

// What --help prints.
std::string_view usage();

} // namespace gloob::sim
