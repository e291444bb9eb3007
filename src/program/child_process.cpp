// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "child_process.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace gloob::program {

std::vector<std::string> wordsOfCommand(std::string_view command) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < command.size()) {
        while (i < command.size() && (command[i] == ' ' || command[i] == '\t')) {
            ++i;
        }
        const std::size_t start = i;
        while (i < command.size() && command[i] != ' ' && command[i] != '\t') {
            ++i;
        }
        if (i > start) {
            words.emplace_back(command.substr(start, i - start));
        }
    }
    return words;
}

ChildProcess::ChildProcess(const std::vector<std::string>& words) {
    if (words.empty()) {
        startError_ = "no command";
        return;
    }
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        startError_ = std::strerror(errno);
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // dup2 clears close-on-exec on the copies, so only they reach the program.
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
    std::vector<char*> argv;
    for (const std::string& word : words) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);
    const int error = posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[1]);
    if (error != 0) {
        close(ends[0]);
        pid_ = -1;
        startError_ = std::strerror(error);
        return;
    }
    fd_ = ends[0];
    fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) | O_NONBLOCK);
}

ChildProcess::~ChildProcess() {
    stop();
}

void ChildProcess::stop() {
    if (fd_ >= 0) {
        close(fd_);
        fd_ = -1;
    }
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
    }
}

bool ChildProcess::writeLine(std::string_view line) {
    if (fd_ < 0) {
        return false;
    }
    std::string text(line);
    text += '\n';
    std::size_t sent = 0;
    while (sent < text.size()) {
        const ssize_t n = send(fd_, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false; // gone, or so far behind that its input is full
        }
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

// Reads what has come in, waiting for something until the deadline; false
// when nothing came by then.
bool ChildProcess::fill(Clock::time_point deadline) {
    for (;;) {
        char chunk[4096];
        const ssize_t n = read(fd_, chunk, sizeof chunk);
        if (n > 0) {
            buffer_.append(chunk, static_cast<std::size_t>(n));
            return true;
        }
        if (n == 0) {
            ended_ = true;
            return true;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            ended_ = true;
            return true;
        }
        const auto left = deadline - Clock::now();
        if (left <= Clock::duration::zero()) {
            return false;
        }
        const auto nanos = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
        const timespec wait{static_cast<time_t>(nanos / 1'000'000'000),
                            static_cast<long>(nanos % 1'000'000'000)};
        pollfd watched{fd_, POLLIN, 0};
        ppoll(&watched, 1, &wait, nullptr);
    }
}

ChildProcess::Read ChildProcess::readLine(Clock::time_point deadline, std::string& line,
                                          std::size_t maxBytes) {
    for (;;) {
        if (const auto end = buffer_.find('\n'); end != std::string::npos) {
            if (end > maxBytes) {
                return Read::tooLong;
            }
            line.assign(buffer_, 0, end);
            buffer_.erase(0, end + 1);
            return Read::line;
        }
        if (buffer_.size() > maxBytes) {
            return Read::tooLong;
        }
        if (ended_ || fd_ < 0) {
            return Read::ended;
        }
        if (!fill(deadline)) {
            return Read::late;
        }
    }
}

bool ChildProcess::hasUnread() {
    if (!buffer_.empty()) {
        return true;
    }
    if (fd_ < 0 || ended_) {
        return false;
    }
    fill(Clock::now());
    return !buffer_.empty();
}

} // namespace gloob::program
