#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rl::platform {

// SHA-256 from the platform's own crypto library, as 32 raw bytes; nothing if
// it fails.
std::optional<std::string> sha256(std::string_view bytes);

// The seed a published text stands for: the first four bytes of the SHA-256
// of its UTF-8 bytes, big-endian (see seedFromDigest).
std::optional<std::uint32_t> seedFromText(std::string_view utf8);

}  // namespace rl::platform
