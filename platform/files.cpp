#include <algorithm>
#include <cerrno>

#include "platform/encoding.h"
#include "platform/files.h"

namespace rl::platform {

std::optional<std::string> readUpTo(std::FILE* in, std::size_t limit) {
    std::string bytes;
    char buffer[4096];
    while (bytes.size() <= limit) {
        const std::size_t wanted = std::min(sizeof buffer, limit + 1 - bytes.size());
        const std::size_t got = std::fread(buffer, 1, wanted, in);
        bytes.append(buffer, got);
        if (got < wanted) break;
    }
    if (std::ferror(in)) return std::nullopt;
    return bytes;
}

// Both platforms hand the arguments over as UTF-8 (see commandLineArguments).
std::optional<std::string> argumentToUtf8(const std::string& argument) {
    if (!isValidUtf8(argument)) return std::nullopt;
    return argument;
}

}  // namespace rl::platform
