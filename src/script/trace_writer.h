#pragma once

#include "app/frm_gloob.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace gloob {

// A position as the trace shows it: an integer when whole, else the shortest
// decimal that reads back as the same single-precision value.
std::string traceNumber(float value);

// A JSON string literal, quotes included.
std::string jsonString(std::string_view text);

// Writes the trace: one JSON object a line.
class TraceWriter {
public:
    explicit TraceWriter(std::ostream& out) : out_(out) {}

    // After a handler returns: the window's state as it stands.
    void state(std::int64_t micros, std::string_view event, const FrmGloob& frm);
    void messageBox(std::int64_t micros, std::string_view text);
    void exit(std::int64_t micros);

private:
    std::ostream& out_;
    std::string line_;
};

} // namespace gloob
