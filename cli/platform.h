#pragma once
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rl::cli {

// Standard input and output carry bytes as they are: CR LF stays CR LF.
void useBinaryStdio();

// Writes the whole file or nothing: the bytes go to a new file beside the
// target, which then replaces the target in one step. An earlier file stays
// as it was when anything fails. Returns why it failed, or nothing.
std::string replaceFile(const std::string& path, std::string_view bytes);

// The arguments after the program's name, in UTF-8: on Windows taken from
// the UTF-16 command line, so that no character outside the system's code
// page is lost; elsewhere as they came.
std::vector<std::string> commandLineArguments(int argc, char** argv);

// A command-line argument as UTF-8 text, or nothing when it is not.
std::optional<std::string> argumentToUtf8(const std::string& argument);

// Opens a file named in UTF-8 for reading bytes (by its wide name on Windows).
std::FILE* openForReading(const std::string& path);

}  // namespace rl::cli
