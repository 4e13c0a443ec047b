#include "platform/encoding.h"

namespace rl::platform {

namespace {

// The length of the well-formed character that starts at bytes[i], or 0.
std::size_t characterLength(std::string_view bytes, std::size_t i) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t length = 0;
    unsigned min = 0;
    unsigned code = 0;
    if (lead < 0x80) {
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, min = 0x80, code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, min = 0x800, code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, min = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (bytes.size() - i < length) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[i + k]);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = characterLength(bytes, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string utf8ToCp949Shown(std::string_view utf8) {
    if (auto whole = utf8ToCp949(utf8)) return *whole;
    std::string shown;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t length = characterLength(utf8, i);
        const auto character = length == 0 ? std::nullopt : utf8ToCp949(utf8.substr(i, length));
        shown += character ? *character : "?";
        i += length == 0 ? 1 : length;
    }
    return shown;
}

}  // namespace rl::platform
