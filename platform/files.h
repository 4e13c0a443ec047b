#pragma once
// Files and the command line, the same on every system: the POSIX and the
// Win32 halves (files_posix.cpp, files_win32.cpp) sit behind this header.
#include <cstddef>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rl::platform {

// Standard input and output carry bytes as they are: CR LF stays CR LF.
void useBinaryStdio();

// Writes the whole file or nothing: the bytes go to a new file beside the
// target, named after this process, which then replaces the target in one
// step. An earlier file stays as it was when anything fails. Returns why it
// failed, or nothing. The name is UTF-8.
std::string replaceFile(const std::string& path, std::string_view bytes);

#ifdef _WIN32
// The same by a wide name. A full disk cannot be had on demand, so a test may
// hand in what writes each chunk to the open file (a HANDLE) in the place of
// WriteFile: true when the chunk went out whole.
using ChunkWriter = std::function<bool(void* file, std::string_view chunk)>;
std::string replaceFile(const std::wstring& path, std::string_view bytes, const ChunkWriter& write = {});
// Opens a file for reading bytes by its wide name.
std::FILE* openForReading(const std::wstring& path);
#endif

// The arguments after the program's name, in UTF-8: on Windows taken from
// the UTF-16 command line, so that no character outside the system's code
// page is lost; elsewhere as they came.
std::vector<std::string> commandLineArguments(int argc, char** argv);

// A command-line argument as UTF-8 text, or nothing when it is not.
std::optional<std::string> argumentToUtf8(const std::string& argument);

// Opens a file named in UTF-8 for reading bytes (by its wide name on Windows).
std::FILE* openForReading(const std::string& path);

// Up to one byte past the limit, so that the caller can refuse a larger input
// without the program ever holding more of it (a device that never ends,
// say). Nothing when reading fails; errno then says why.
std::optional<std::string> readUpTo(std::FILE* in, std::size_t limit);

}  // namespace rl::platform
