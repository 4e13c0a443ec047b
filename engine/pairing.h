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
// The same under the event's settings, a dual tournament's included.
std::int32_t matchCountFor(std::int32_t m, const Settings& settings);

// A dual tournament group: four places, five matches (two opening ones, the
// winners' and the losers' match, the decider). A cell is a place of the
// row (`from` 0) or the winner or loser of the earlier match `from`.
constexpr std::int32_t kDualGroupSize = 4;
struct DualCell {
    std::int8_t place;
    std::int8_t from;
    bool loser;
};
struct DualMatch {
    DualCell first;
    DualCell second;
    const char* name;  // CP949; nullptr where the number alone names it
};
extern const DualMatch kDualMatches[5];
// The places a dual group gives: the match that decides each, from 1st,
// and whether its winner or its loser takes it.
struct DualPlace {
    int match;
    bool loser;
};
extern const DualPlace kDualPlaces[4];
// Entries of a dual group of m members: 5 (byes for a missing fourth), 1, 0.
std::int32_t dualMatchCount(std::int32_t m);
// "승자전", "패자전", "최종전" for matches 3 to 5 of a dual group, else nullptr.
const char* dualMatchName(int number);

// Pair lists of exactly `count` entries, or nothing after the failure has
// been reported through the host.
std::optional<PairList> leaguePairs(Host& host, std::int32_t m, std::int32_t count);
std::optional<PairList> bracketPairs(Host& host, std::int32_t m, std::int32_t count);
// The same bracket's every entry (matchCountFor(m, true) of them), for
// reading its shape.
PairList bracketPairList(std::int32_t m);

}  // namespace rl
