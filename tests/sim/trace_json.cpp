#include "trace_json.h"

#include <charconv>
#include <stdexcept>

namespace gloob::sim::testing {

namespace {

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    Json document() {
        Json value = this->value();
        if (pos_ != text_.size()) {
            fail("trailing characters");
        }
        return value;
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error("JSON: " + what + " at offset " + std::to_string(pos_) + " in " +
                                 std::string(text_));
    }
    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    void expect(char c) {
        if (peek() != c) {
            fail(std::string("expected '") + c + "'");
        }
        ++pos_;
    }

    // The trace writes no blanks between tokens, so none are accepted.
    Json value() {
        switch (peek()) {
        case '{':
            return object();
        case '[':
            return array();
        case '"': {
            Json v;
            v.type = Json::Type::string;
            v.text = string();
            return v;
        }
        case 'n':
            if (text_.substr(pos_, 4) == "null") {
                pos_ += 4;
                return Json{};
            }
            fail("bad literal");
        default:
            return number();
        }
    }

    Json object() {
        Json v;
        v.type = Json::Type::object;
        expect('{');
        if (peek() == '}') {
            ++pos_;
            return v;
        }
        for (;;) {
            std::string key = string();
            expect(':');
            v.members.emplace_back(std::move(key), value());
            if (peek() == ',') {
                ++pos_;
                continue;
            }
            expect('}');
            return v;
        }
    }

    Json array() {
        Json v;
        v.type = Json::Type::array;
        expect('[');
        if (peek() == ']') {
            ++pos_;
            return v;
        }
        for (;;) {
            v.items.push_back(value());
            if (peek() == ',') {
                ++pos_;
                continue;
            }
            expect(']');
            return v;
        }
    }

    std::string string() {
        expect('"');
        std::string out;
        for (;;) {
            if (pos_ >= text_.size()) {
                fail("unterminated string");
            }
            const char c = text_[pos_++];
            if (c == '"') {
                return out;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                fail("raw control character in a string");
            }
            if (c != '\\') {
                out += c;
                continue;
            }
            const char e = peek();
            ++pos_;
            switch (e) {
            case '"':
            case '\\':
            case '/':
                out += e;
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'u': {
                unsigned code = 0;
                const auto hex = text_.substr(pos_, 4);
                const auto [end, ec] =
                    std::from_chars(hex.data(), hex.data() + hex.size(), code, 16);
                if (hex.size() != 4 || ec != std::errc{} || end != hex.data() + 4 || code > 0x7F) {
                    fail("unsupported \\u escape");
                }
                pos_ += 4;
                out += static_cast<char>(code);
                break;
            }
            default:
                fail("bad escape");
            }
        }
    }

    // JSON's number grammar: -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
    Json number() {
        const std::size_t start = pos_;
        const auto digits = [&] {
            const std::size_t from = pos_;
            while (peek() >= '0' && peek() <= '9') {
                ++pos_;
            }
            return pos_ - from;
        };
        if (peek() == '-') {
            ++pos_;
        }
        if (peek() == '0') {
            ++pos_;
        } else if (digits() == 0) {
            fail("bad value");
        }
        if (peek() == '.') {
            ++pos_;
            if (digits() == 0) {
                fail("bad fraction");
            }
        }
        if (peek() == 'e' || peek() == 'E') {
            ++pos_;
            if (peek() == '+' || peek() == '-') {
                ++pos_;
            }
            if (digits() == 0) {
                fail("bad exponent");
            }
        }
        Json v;
        v.type = Json::Type::number;
        v.raw = std::string(text_.substr(start, pos_ - start));
        v.number = std::stod(v.raw);
        return v;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

const Json& Json::operator[](std::string_view key) const {
    for (const auto& [name, value] : members) {
        if (name == key) {
            return value;
        }
    }
    throw std::out_of_range("no key " + std::string(key));
}

const Json& Json::operator[](std::size_t index) const {
    return items.at(index);
}

bool Json::has(std::string_view key) const {
    for (const auto& member : members) {
        if (member.first == key) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> Json::keys() const {
    std::vector<std::string> names;
    for (const auto& member : members) {
        names.push_back(member.first);
    }
    return names;
}

std::int64_t Json::integer() const {
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(raw.data(), raw.data() + raw.size(), value);
    if (type != Type::number || ec != std::errc{} || end != raw.data() + raw.size()) {
        throw std::runtime_error("not an integer: '" + raw + "'");
    }
    return value;
}

Json parseJson(std::string_view text) {
    return Reader(text).document();
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        if (end == std::string_view::npos) {
            lines.emplace_back(text); // a last line without its line break
            break;
        }
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<Json> parseTrace(std::string_view trace) {
    if (!trace.empty() && trace.back() != '\n') {
        throw std::runtime_error("trace does not end with a line break");
    }
    std::vector<Json> lines;
    for (const std::string& line : splitLines(trace)) {
        lines.push_back(parseJson(line));
    }
    return lines;
}

} // namespace gloob::sim::testing
