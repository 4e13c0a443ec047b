#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace rl::cli {

// Standard input and output carry bytes as they are: CR LF stays CR LF.
void useBinaryStdio();

// Writes the whole file or nothing: the bytes go to a new file beside the
// target, which then replaces the target in one step. An earlier file stays
// as it was when anything fails. Returns why it failed, or nothing.
std::string replaceFile(const std::string& path, std::string_view bytes);

// A command-line argument as UTF-8: arguments come in the system's code page
// (UTF-8 on Linux, the ANSI code page on Windows). Nothing when it does not
// convert.
std::optional<std::string> argumentToUtf8(const std::string& argument);

}  // namespace rl::cli
