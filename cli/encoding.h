#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace rl::cli {

// Conversions at the command line's edges: people read and write UTF-8, the
// program's texts are code page 949. Nothing when the input is not valid in
// its encoding or holds a character the other one cannot.
std::optional<std::string> utf8ToCp949(std::string_view utf8);
std::optional<std::string> cp949ToUtf8(std::string_view cp949);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view bytes);

}  // namespace rl::cli
