#include "engine/pairing.h"

#include <algorithm>

namespace rl {

namespace {

bool alreadyPaired(const PairList& pairs, std::int32_t written, Pos c, Pos b) {
    return std::any_of(pairs.begin(), pairs.begin() + written, [&](const Pair& p) {
        return (p.a == c && p.b == b) || (p.a == b && p.b == c);
    });
}

// Smallest R with 2^R >= m, but one round for a single member.
std::int32_t roundsFor(std::int32_t m) {
    std::int32_t rounds = 0;
    while ((std::int64_t{1} << rounds) < m) {
        ++rounds;
    }
    return std::max(rounds, std::int32_t{1});
}

}  // namespace

std::int32_t matchCountFor(std::int32_t m, bool tournament) {
    if (m == 1) {
        return 1;
    }
    if (m <= 0) {
        return 0;
    }
    if (!tournament) {
        return m * (m - 1) / 2;
    }
    std::int32_t x = m;
    std::int32_t sum = 0;
    do {
        x = (x + 1) / 2;
        sum += x;
    } while (x > 1);
    return sum;
}

std::optional<PairList> leaguePairs(Host& host, std::int32_t m, std::int32_t count) {
    PairList pairs;
    if (!allocateZeroed(host, pairs, count)) {
        return std::nullopt;
    }
    if (m == 1 && count >= 1) {
        pairs[0] = {0, kNone};
        return pairs;
    }
    if (m < 2) {
        return pairs;
    }
    Pos c = 0;
    Pos b = 1;
    for (std::int32_t i = 0; i < count; ++i) {
        // A list longer than the round robin would search forever; m steps
        // visit every partner of c once.
        for (std::int32_t step = 0; step < m && alreadyPaired(pairs, i, c, b); ++step) {
            b = static_cast<Pos>((b + 1) % m);
        }
        pairs[i] = {std::min(c, b), std::max(c, b)};
        c = static_cast<Pos>((b + 1) % m);
        b = static_cast<Pos>((c + 1) % m);
    }
    return pairs;
}

namespace {

// Every pairing of a bracket of m members, round by round, to `write`.
template <class Write>
void walkBracket(std::int32_t m, Write write) {
    const std::int32_t rounds = roundsFor(m);
    std::int32_t entrants = m;
    std::int32_t byes = 0;
    for (std::int32_t r = 0; r < rounds; ++r) {
        const bool odd = entrants % 2 == 1;
        // Counting back by the byes already given keeps a fresh bye winner in play.
        const std::int32_t held = odd ? entrants - byes - 1 : -1;
        Pos waiting = kNone;
        for (std::int32_t l = 0; l < entrants; ++l) {
            if (odd && l == held) {
                continue;
            }
            if (waiting == kNone) {
                waiting = static_cast<Pos>(l);
            } else {
                write(waiting, static_cast<Pos>(l));
                waiting = kNone;
            }
        }
        if (odd) {
            write(static_cast<Pos>(held), kNone);
            ++byes;
        }
        entrants = (entrants + 1) / 2;
    }
}

}  // namespace

std::optional<PairList> bracketPairs(Host& host, std::int32_t m, std::int32_t count) {
    // The working list is reported like every other allocation: a missing
    // list is never written through.
    PairList pairs;
    if (!allocateZeroed(host, pairs, count)) {
        return std::nullopt;
    }
    if (m <= 0) {
        return pairs;
    }
    std::int32_t next = 0;
    walkBracket(m, [&](Pos a, Pos b) {
        if (next < count) {
            pairs[next] = {a, b};
        }
        ++next;
    });
    return pairs;
}

PairList bracketPairList(std::int32_t m) {
    PairList pairs;
    if (m > 0) walkBracket(m, [&](Pos a, Pos b) { pairs.push_back({a, b}); });
    return pairs;
}

}  // namespace rl
