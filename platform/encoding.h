#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace rl::platform {

// Conversions at the programs' edges: people and files read and write UTF-8,
// the programs' texts are code page 949. Nothing when the input is not valid
// in its encoding or holds a character the other one cannot.
std::optional<std::string> utf8ToCp949(std::string_view utf8);
std::optional<std::string> cp949ToUtf8(std::string_view cp949);

// For showing only: every character code page 949 lacks, and every byte that
// is not UTF-8, becomes '?'.
std::string utf8ToCp949Shown(std::string_view utf8);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view bytes);

}  // namespace rl::platform
