// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace gloob::program {

// A program of the player's own, started with its standard input and output
// joined to one end of a socket pair: the game writes lines to it and reads
// its lines back, and never waits on it longer than it chooses. A socket,
// unlike a pipe, can be written to without a SIGPIPE once the program is gone.
class ChildProcess {
public:
    using Clock = std::chrono::steady_clock;

    // Starts the program: the first word names it (looked up on PATH), the
    // rest are its arguments. Its standard error is the game's.
    explicit ChildProcess(const std::vector<std::string>& words);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Empty once started; else why it could not be.
    const std::string& startError() const { return startError_; }

    // Writes a whole line without waiting; false when the program does not
    // take it (gone, or not reading).
    bool writeLine(std::string_view line);

    enum class Read { line, late, ended, tooLong };
    // Waits until `deadline` for one line (without its end) into `line`.
    // Bytes after that line stay for the next call.
    Read readLine(Clock::time_point deadline, std::string& line, std::size_t maxBytes);
    // Whether anything more has come in that was not read yet.
    bool hasUnread();
    // Whether the program closed its output (it ended), as far as read.
    bool ended() const { return ended_; }

    // Stops the program at once and reaps it.
    void stop();

private:
    bool fill(Clock::time_point deadline);

    pid_t pid_ = -1;
    int fd_ = -1;
    std::string buffer_;
    bool ended_ = false;
    std::string startError_;
};

// The words of a command line, split at blanks (no shell, no quoting).
std::vector<std::string> wordsOfCommand(std::string_view command);

} // namespace gloob::program
