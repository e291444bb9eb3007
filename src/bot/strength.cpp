#include "strength.h"

namespace gloob::bot {

StrengthProfile profileOf(BotStrength strength) {
    switch (strength) {
    case BotStrength::easy:
        return {24, 1000, 0.2};
    case BotStrength::normal:
        return {8, 500, 0.5};
    case BotStrength::hard:
        break;
    }
    return {3, 250, 0.9};
}

std::string_view nameOf(BotStrength strength) {
    switch (strength) {
    case BotStrength::easy:
        return "easy";
    case BotStrength::normal:
        return "normal";
    case BotStrength::hard:
        break;
    }
    return "hard";
}

} // namespace gloob::bot
