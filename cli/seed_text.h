#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace rl::cli {

using Sha256 = std::array<unsigned char, 32>;

// SHA-256 from the platform's own crypto library; nothing if it fails.
std::optional<Sha256> sha256(std::string_view bytes);

// The seed a published text stands for: the first four bytes of the SHA-256
// of its UTF-8 bytes, big-endian.
std::optional<std::uint32_t> seedFromText(std::string_view utf8);

}  // namespace rl::cli
