#include "cli/check.h"

#include "platform/encoding.h"

namespace rl::cli {

using platform::cp949ToUtf8;
using platform::isValidUtf8;

namespace {

std::string_view takeLine(std::string_view& text) {
    const std::size_t end = text.find('\n');
    const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
    const std::string_view line = text.substr(0, length);
    text.remove_prefix(length);
    return line;
}

std::string escaped(std::string_view bytes, bool keepHigh) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if ((b < 0x20 && c != '\t') || b == 0x7F || (b >= 0x80 && !keepHigh)) {
            out += {'\\', 'x', hex[b >> 4], hex[b & 15]};
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::optional<LineDifference> firstDifference(std::string_view expected, std::string_view found) {
    for (int number = 1; !expected.empty() || !found.empty(); ++number) {
        const bool expectedEnded = expected.empty(), foundEnded = found.empty();
        const std::string_view e = takeLine(expected), f = takeLine(found);
        if (expectedEnded != foundEnded || e != f) {
            LineDifference d{number, std::nullopt, std::nullopt};
            if (!expectedEnded) d.expected = e;
            if (!foundEnded) d.found = f;
            return d;
        }
    }
    return std::nullopt;
}

std::string showLine(std::optional<std::string_view> line, bool cp949) {
    if (!line) return "(end of file)";
    std::string_view body = *line;
    for (std::string_view end : {"\r\n", "\n"}) {
        if (body.size() >= end.size() && body.substr(body.size() - end.size()) == end) {
            body.remove_suffix(end.size());
            break;
        }
    }
    const std::optional<std::string> utf8 = cp949 ? cp949ToUtf8(body) : std::optional<std::string>(body);
    if (utf8 && isValidUtf8(*utf8)) return escaped(*utf8, true);
    return escaped(body, false);
}

}  // namespace rl::cli
