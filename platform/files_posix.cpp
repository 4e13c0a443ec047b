#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "platform/files.h"

namespace rl::platform {

void useBinaryStdio() {}

namespace {

// The reason of the last failure, after what failed when that is worth saying.
std::string systemError(const std::string& what) {
    const std::string reason = std::strerror(errno);
    return what.empty() ? reason : what + ": " + reason;
}

std::string writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return systemError("");
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    if (::fsync(fd) != 0) return systemError("");
    return {};
}

}  // namespace

std::string replaceFile(const std::string& path, std::string_view bytes) {
    const std::string temporary = path + "." + std::to_string(::getpid()) + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return systemError("cannot create '" + temporary + "'");

    std::string problem = writeAll(fd, bytes);
    if (::close(fd) != 0 && problem.empty()) problem = systemError("");
    if (problem.empty() && std::rename(temporary.c_str(), path.c_str()) != 0) {
        problem = systemError("cannot replace it");
    }
    if (!problem.empty()) ::unlink(temporary.c_str());
    return problem;
}

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

std::FILE* openForReading(const std::string& path) { return std::fopen(path.c_str(), "rb"); }

}  // namespace rl::platform
