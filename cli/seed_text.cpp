#include "cli/seed_text.h"

namespace rl::cli {

std::optional<std::uint32_t> seedFromText(std::string_view utf8) {
    const auto digest = sha256(utf8);
    if (!digest) return std::nullopt;
    std::uint32_t seed = 0;
    for (int i = 0; i < 4; ++i) seed = (seed << 8) | (*digest)[static_cast<std::size_t>(i)];
    return seed;
}

}  // namespace rl::cli
