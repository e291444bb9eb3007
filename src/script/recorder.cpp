#include "recorder.h"

#include "script.h"

namespace gloob {

Recorder::Recorder(std::ostream& out, std::string_view gameVersion, std::string_view date)
    : out_(out) {
    out_ << "# Gloob Volleyball " << gameVersion << ", recorded " << date << '\n'
         << scriptFormatComment << scriptFormat << '\n';
    out_.flush();
}

void Recorder::handedOver(std::int64_t micros, const GameEvent& event) {
    startedAMatch_ = startedAMatch_ || event.kind == EventKind::clickPlay;
    line_ = std::to_string(micros / 1000);
    line_ += ' ';
    line_ += eventName(event);
    line_ += '\n';
    out_ << line_;
    out_.flush();
}

} // namespace gloob
