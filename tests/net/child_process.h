// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace gloob::net::testing {

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& text);

// A program the test runs, with its standard output and error in files and
// `environment` ("NAME=value") added to the test's own; killed if still
// running when the test lets go of it.
class ChildProcess {
public:
    ChildProcess(const std::string& program, const std::vector<std::string>& args,
                 const std::filesystem::path& out, const std::filesystem::path& err,
                 const std::vector<std::string>& environment = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return pid_ > 0; }
    // The exit status once it has ended (128 + the signal that ended it),
    // or nothing while it runs.
    std::optional<int> poll();
    // Its exit status, or -1 when it still runs after `limit`.
    int wait(std::chrono::seconds limit);
    void signal(int number);

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

} // namespace gloob::net::testing
