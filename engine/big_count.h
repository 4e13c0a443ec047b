#pragma once
// An unsigned integer of any length, for exact counts of arrangements.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/random.h"

namespace rl {

// Counts run far past 64 bits (64 players have 10^89 orders), and the draw
// must be exact: a plain unsigned integer of any length, little-endian.
class Count {
public:
    Count() = default;
    explicit Count(std::uint64_t value) {
        for (; value; value >>= 32) words_.push_back(static_cast<std::uint32_t>(value));
    }

    bool zero() const { return words_.empty(); }

    void add(const Count& other) {
        words_.resize(std::max(words_.size(), other.words_.size()), 0);
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < words_.size(); ++i) {
            carry += std::uint64_t{words_[i]} + (i < other.words_.size() ? other.words_[i] : 0);
            words_[i] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry) words_.push_back(static_cast<std::uint32_t>(carry));
    }

    Count times(std::uint64_t factor) const {
        Count out = timesWord(static_cast<std::uint32_t>(factor));
        Count high = timesWord(static_cast<std::uint32_t>(factor >> 32));
        if (!high.zero()) high.words_.insert(high.words_.begin(), 0u);
        out.add(high);
        return out;
    }

    // *this += other * factor, for a factor below 2^32, without a temporary.
    void addProduct(const Count& other, std::uint32_t factor) {
        if (words_.size() < other.words_.size() + 1) words_.resize(other.words_.size() + 1, 0);
        std::uint64_t carry = 0;
        std::size_t i = 0;
        for (; i < other.words_.size(); ++i) {
            carry += std::uint64_t{words_[i]} + std::uint64_t{other.words_[i]} * factor;
            words_[i] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        for (; carry && i < words_.size(); ++i) {
            carry += words_[i];
            words_[i] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry) words_.push_back(static_cast<std::uint32_t>(carry));
        trim();
    }

    bool less(const Count& other) const {
        if (words_.size() != other.words_.size()) return words_.size() < other.words_.size();
        return std::lexicographical_compare(words_.rbegin(), words_.rend(), other.words_.rbegin(), other.words_.rend());
    }

    // Only for other <= *this.
    void subtract(const Count& other) {
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < words_.size(); ++i) {
            std::int64_t value = std::int64_t{words_[i]} - (i < other.words_.size() ? other.words_[i] : 0) - borrow;
            borrow = value < 0;
            words_[i] = static_cast<std::uint32_t>(value + (borrow << 32));
        }
        trim();
    }

    // Every value below this one equally likely: random bits as long as this
    // one is, drawn again while they come to this or more.
    Count uniformBelow(Random& random) const {
        const std::size_t bits = words_.size() * 32;
        for (;;) {
            Count value;
            value.words_.assign(words_.size(), 0);
            for (std::size_t bit = 0; bit < bits; bit += 15) {
                const auto piece = static_cast<std::uint64_t>(random.draw()) << (bit % 32);
                value.words_[bit / 32] |= static_cast<std::uint32_t>(piece);
                if (bit / 32 + 1 < value.words_.size()) value.words_[bit / 32 + 1] |= static_cast<std::uint32_t>(piece >> 32);
            }
            // Only the top word's bits up to this value's length can matter.
            const std::uint32_t top = words_.back();
            int length = 0;
            while (length < 32 && (top >> length) != 0) ++length;
            value.words_.back() &= length == 32 ? ~0u : (1u << length) - 1;
            value.trim();
            if (value.less(*this)) return value;
        }
    }

private:
    Count timesWord(std::uint32_t factor) const {
        Count out;
        std::uint64_t carry = 0;
        for (std::uint32_t word : words_) {
            carry += std::uint64_t{word} * factor;
            out.words_.push_back(static_cast<std::uint32_t>(carry));
            carry >>= 32;
        }
        if (carry) out.words_.push_back(static_cast<std::uint32_t>(carry));
        out.trim();
        return out;
    }

    void trim() {
        while (!words_.empty() && words_.back() == 0) words_.pop_back();
    }

    std::vector<std::uint32_t> words_;
};

}  // namespace rl
