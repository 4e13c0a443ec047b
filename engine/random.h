#pragma once
#include <cstdint>

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

}  // namespace rl
