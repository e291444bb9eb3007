// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <cstdint>
#include <ostream>
#include <streambuf>
#include <string>

namespace gloob {

// A file that must show only the game both machines agreed on (a trace, a
// recording). It writes straight through until online play holds it: from
// then on what is written waits, so that a game played again from an earlier
// point can take back what it wrote, until it is released.
class HeldBackOutput final : public std::ostream {
public:
    explicit HeldBackOutput(std::ostream& target) : std::ostream(&buffer_), buffer_(target) {}
    HeldBackOutput(const HeldBackOutput&) = delete;
    HeldBackOutput& operator=(const HeldBackOutput&) = delete;

    // Everything written from now on waits for release.
    void hold() { buffer_.holding = true; }
    // Where the output stands now, to take back or release up to later.
    std::uint64_t mark() const { return buffer_.written; }
    // Takes back what was written after the mark.
    void dropFrom(std::uint64_t mark);
    // Writes out what waited up to the mark.
    void releaseTo(std::uint64_t mark);
    // Writes out all that waited and writes straight through again.
    void releaseAll();

private:
    struct Buffer final : std::streambuf {
        explicit Buffer(std::ostream& t) : target(t) {}
        int_type overflow(int_type c) override;
        std::streamsize xsputn(const char* data, std::streamsize count) override;
        int sync() override;

        std::ostream& target;
        bool holding = false;
        std::string waiting;        // written after `released`
        std::uint64_t released = 0; // marks count from the first byte held
        std::uint64_t written = 0;
    };
    Buffer buffer_;
};

} // namespace gloob
