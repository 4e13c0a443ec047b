#include <windows.h>
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "platform/files.h"
#include "platform/wide.h"

namespace rl::platform {

void useBinaryStdio() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
}

namespace {

// The reason of the last failure, after what failed when that is worth saying.
// In UTF-8, like every other message of the program.
std::string systemError(const std::string& what) {
    const DWORD code = GetLastError();
    wchar_t text[512] = L"";
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                        text, 512, nullptr);
    std::string reason(length * 3, '\0');
    reason.resize(static_cast<std::size_t>(std::max(
        0, WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), reason.data(),
                               static_cast<int>(reason.size()), nullptr, nullptr))));
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' ')) {
        reason.pop_back();
    }
    if (reason.empty()) reason = "error " + std::to_string(code);
    return what.empty() ? reason : what + ": " + reason;
}

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() {
        if (!valid()) return true;
        const bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

bool writeChunk(void* file, std::string_view chunk) {
    DWORD written = 0;
    return WriteFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &written, nullptr) &&
           written == chunk.size();
}

std::string writeAll(HANDLE file, std::string_view bytes, const ChunkWriter& write) {
    while (!bytes.empty()) {
        const std::string_view chunk = bytes.substr(0, 1u << 20);
        if (!(write ? write(file, chunk) : writeChunk(file, chunk))) return systemError("");
        bytes.remove_prefix(chunk.size());
    }
    if (!FlushFileBuffers(file)) return systemError("");
    return {};
}

// The temporary file's name, as a message shows it.
std::string shownName(const std::wstring& wide) { return wideToUtf8(wide).value_or("?"); }

}  // namespace

std::string replaceFile(const std::wstring& path, std::string_view bytes, const ChunkWriter& write) {
    const std::wstring temporary = path + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    FileHandle file(
        CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return systemError("cannot create '" + shownName(temporary) + "'");

    std::string problem = writeAll(file.get(), bytes, write);
    if (!file.close() && problem.empty()) problem = systemError("");
    if (problem.empty() &&
        !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        problem = systemError("cannot replace it");
    }
    if (!problem.empty()) DeleteFileW(temporary.c_str());
    return problem;
}

std::string replaceFile(const std::string& path, std::string_view bytes) {
    const auto wide = utf8ToWide(path);
    if (!wide) return "the name is not valid UTF-8";
    return replaceFile(*wide, bytes);
}

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return std::vector<std::string>(argv + 1, argv + argc);
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i) {
        // A lone surrogate cannot be UTF-8; what stands for it is refused
        // later as text that is not valid.
        args.push_back(wideToUtf8(wide[i]).value_or("\xFF"));
    }
    LocalFree(wide);
    return args;
}

std::FILE* openForReading(const std::wstring& path) { return _wfopen(path.c_str(), L"rb"); }

std::FILE* openForReading(const std::string& path) {
    const auto wide = utf8ToWide(path);
    if (!wide) {
        errno = ENOENT;
        return nullptr;
    }
    return openForReading(*wide);
}

}  // namespace rl::platform
