#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/assignment.h"

namespace rl {

// One pairing: b == kNone is a bye. In a league and in round 0 of a bracket
// the values are member positions; in later rounds, match positions within
// the previous round.
struct Pair {
    Pos a = 0;
    Pos b = 0;
};
using PairList = std::vector<Pair>;

// Entries of a group of m members in the given mode (byes included).
std::int32_t matchCountFor(std::int32_t m, bool tournament);
// Pair lists of exactly `count` entries, or nothing after the failure has
// been reported through the host.
std::optional<PairList> leaguePairs(Host& host, std::int32_t m, std::int32_t count);
std::optional<PairList> bracketPairs(Host& host, std::int32_t m, std::int32_t count);
// The same bracket's every entry (matchCountFor(m, true) of them), for
// reading its shape.
PairList bracketPairList(std::int32_t m);

}  // namespace rl
