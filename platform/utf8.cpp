#include "platform/encoding.h"

namespace rl::platform {

namespace {

// The lead bytes of the longer forms: the bits that mark them, their length,
// and the smallest code each may carry (anything less is an overlong form).
struct LeadByte {
    unsigned mask, marker;
    std::size_t length;
    unsigned smallest;
};
constexpr LeadByte kLeadBytes[] = {{0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}};

// The length of the well-formed character that starts at bytes[i], or 0.
std::size_t characterLength(std::string_view bytes, std::size_t i) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) return 1;
    for (const LeadByte& form : kLeadBytes) {
        if ((lead & form.mask) != form.marker) continue;
        if (bytes.size() - i < form.length) return 0;
        unsigned code = lead & ~form.mask;
        for (std::size_t k = 1; k < form.length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return 0;
            code = (code << 6) | (next & 0x3F);
        }
        const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
        return code < form.smallest || code > 0x10FFFF || surrogate ? 0 : form.length;
    }
    return 0;
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
