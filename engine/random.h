#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace rl {

// The classic C runtime generator, spelled out so that a draw comes out the
// same on every platform and can be repeated from its seed.
class Random {
public:
    void seed(std::uint32_t value) { state_ = value; }
    // 0 to 32767.
    int draw() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }
    std::uint32_t state() const { return state_; }

private:
    std::uint32_t state_ = 1;
};

// The seed a digest stands for: its first four bytes, big-endian; 0 for a
// digest shorter than that.
inline std::uint32_t seedFromDigest(std::string_view digest) {
    if (digest.size() < 4) return 0;
    std::uint32_t seed = 0;
    for (std::size_t i = 0; i < 4; ++i) seed = (seed << 8) | static_cast<unsigned char>(digest[i]);
    return seed;
}

}  // namespace rl
