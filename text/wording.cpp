#include "text/wording.h"

namespace rl {

std::string filledIn(std::string_view pattern, const std::vector<std::string>& values) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t end = pattern[i] == '{' ? pattern.find('}', i) : std::string_view::npos;
        if (end == std::string_view::npos) {
            out += pattern[i];
            continue;
        }
        const std::string_view slot = pattern.substr(i + 1, end - i - 1);
        std::size_t n = 0, digits = 0;
        for (; digits < slot.size() && slot[digits] >= '0' && slot[digits] <= '9'; ++digits) n = n * 10 + (slot[digits] - '0');
        const std::string value = n < values.size() ? values[n] : "?";
        out += value;
        if (const std::size_t bar = slot.find('|', digits + 1); slot.size() > digits && bar != std::string_view::npos) {
            out += ' ';
            out += value == "1" ? slot.substr(digits + 1, bar - digits - 1) : slot.substr(bar + 1);
        }
        i = end;
    }
    return out;
}

}  // namespace rl
