#include <windows.h>

#include "platform/encoding.h"
#include "platform/wide.h"

namespace rl::platform {

namespace {

constexpr UINT kCodePage949 = 949;

std::optional<std::wstring> toWide(UINT codePage, std::string_view in, DWORD flags = MB_ERR_INVALID_CHARS) {
    if (in.empty()) return std::wstring();
    const int inLength = static_cast<int>(in.size());
    const int length = MultiByteToWideChar(codePage, flags, in.data(), inLength, nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    if (MultiByteToWideChar(codePage, flags, in.data(), inLength, wide.data(), length) != length) {
        return std::nullopt;
    }
    return wide;
}

std::optional<std::string> fromWide(UINT codePage, const std::wstring& wide) {
    if (wide.empty()) return std::string();
    // Code page 949 must refuse what it cannot hold instead of putting in a
    // look-alike or a question mark; UTF-8 holds everything.
    const bool strict = codePage != CP_UTF8;
    const DWORD flags = strict ? WC_NO_BEST_FIT_CHARS : 0;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = strict ? &usedDefault : nullptr;
    const int inLength = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(codePage, flags, wide.data(), inLength, nullptr, 0, nullptr, usedDefaultOut);
    if (length <= 0 || usedDefault) return std::nullopt;
    std::string out(static_cast<std::size_t>(length), '\0');
    if (WideCharToMultiByte(codePage, flags, wide.data(), inLength, out.data(), length, nullptr, usedDefaultOut) !=
            length ||
        usedDefault) {
        return std::nullopt;
    }
    return out;
}

std::optional<std::string> convert(UINT from, UINT to, std::string_view in) {
    const auto wide = toWide(from, in);
    if (!wide) return std::nullopt;
    return fromWide(to, *wide);
}

}  // namespace

std::optional<std::string> utf8ToCp949(std::string_view utf8) {
    if (!isValidUtf8(utf8)) return std::nullopt;
    return convert(CP_UTF8, kCodePage949, utf8);
}

std::optional<std::string> cp949ToUtf8(std::string_view cp949) { return convert(kCodePage949, CP_UTF8, cp949); }

std::optional<std::wstring> utf8ToWide(std::string_view utf8) { return toWide(CP_UTF8, utf8); }

std::optional<std::string> wideToUtf8(const std::wstring& wide) { return fromWide(CP_UTF8, wide); }

// The system made these names, so a byte it would not take stands for itself.
std::wstring ansiToWide(std::string_view ansi) { return toWide(CP_ACP, ansi, 0).value_or(std::wstring()); }

}  // namespace rl::platform
