#pragma once
// Fuzzed names as text: every byte a character of its own (Latin-1 in
// UTF-8), so that any name converts, and back again.
#include <optional>
#include <string>
#include <string_view>

inline std::optional<std::string> latin1(std::string_view bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        if (c >= 0x80) out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(c >= 0x80 ? 0x80 | (c & 0x3F) : c);
    }
    return out;
}

inline std::optional<std::string> fromLatin1(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) out += static_cast<char>(c);
        else if (i + 1 < utf8.size()) out += static_cast<char>((c & 0x03) << 6 | (utf8[++i] & 0x3F));
    }
    return out;
}
