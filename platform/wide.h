#pragma once
// Windows only: the UTF-16 of the wide API, to and from UTF-8 and the
// system's ANSI code page.
#include <optional>
#include <string>
#include <string_view>

namespace rl::platform {

std::optional<std::wstring> utf8ToWide(std::string_view utf8);
std::optional<std::string> wideToUtf8(const std::wstring& wide);
// A name as the ANSI API gave it (the common dialogs, say).
std::wstring ansiToWide(std::string_view ansi);

}  // namespace rl::platform
