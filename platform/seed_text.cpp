#include "engine/random.h"
#include "platform/sha256.h"

namespace rl::platform {

std::optional<std::uint32_t> seedFromText(std::string_view utf8) {
    const auto digest = sha256(utf8);
    if (!digest) return std::nullopt;
    return seedFromDigest(*digest);
}

}  // namespace rl::platform
