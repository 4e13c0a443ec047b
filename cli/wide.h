#pragma once
// Windows only: UTF-8 to and from the UTF-16 of the wide API.
#include <optional>
#include <string>
#include <string_view>

namespace rl::cli {

std::optional<std::wstring> utf8ToWide(std::string_view utf8);
std::optional<std::string> wideToUtf8(const std::wstring& wide);

}  // namespace rl::cli
