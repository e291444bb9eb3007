// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "held_back_output.h"

#include <algorithm>

namespace gloob {

HeldBackOutput::Buffer::int_type HeldBackOutput::Buffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) {
        return traits_type::not_eof(c);
    }
    const char ch = traits_type::to_char_type(c);
    return xsputn(&ch, 1) == 1 ? c : traits_type::eof();
}

std::streamsize HeldBackOutput::Buffer::xsputn(const char* data, std::streamsize count) {
    if (!holding) {
        target.write(data, count);
        return target ? count : 0;
    }
    waiting.append(data, static_cast<std::size_t>(count));
    written += static_cast<std::uint64_t>(count);
    return count;
}

int HeldBackOutput::Buffer::sync() {
    if (!holding) {
        target.flush();
    }
    return target ? 0 : -1;
}

void HeldBackOutput::dropFrom(std::uint64_t mark) {
    Buffer& b = buffer_;
    if (mark < b.released || mark >= b.written) {
        return;
    }
    b.waiting.resize(static_cast<std::size_t>(mark - b.released));
    b.written = mark;
}

void HeldBackOutput::releaseTo(std::uint64_t mark) {
    Buffer& b = buffer_;
    mark = std::min(mark, b.written);
    if (mark <= b.released) {
        return;
    }
    const auto count = static_cast<std::size_t>(mark - b.released);
    b.target.write(b.waiting.data(), static_cast<std::streamsize>(count));
    b.target.flush();
    b.waiting.erase(0, count);
    b.released = mark;
}

void HeldBackOutput::releaseAll() {
    releaseTo(buffer_.written);
    buffer_.holding = false;
}

} // namespace gloob
