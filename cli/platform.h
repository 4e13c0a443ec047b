#pragma once
#include <string>
#include <string_view>

namespace rl::cli {

// Standard input and output carry bytes as they are: CR LF stays CR LF.
void useBinaryStdio();

// Writes the whole file or nothing: the bytes go to a new file beside the
// target, which then replaces the target in one step. An earlier file stays
// as it was when anything fails. Returns why it failed, or nothing.
std::string replaceFile(const std::string& path, std::string_view bytes);

}  // namespace rl::cli
