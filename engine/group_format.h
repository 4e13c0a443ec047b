#pragma once
#include <cstdint>

namespace rl {

// How the matches of a group are played: every pair once, a knock-out
// bracket with byes, or a dual tournament of four (a knock-out with a second
// life, so every bracket rule, the seeded places among them, holds for it).
enum class GroupFormat : std::uint8_t { League, Knockout, Dual };

// The format that the main window's "토너먼트" and the format window's dual
// tournament make together: a dual group is a knock-out whatever the button.
constexpr GroupFormat groupFormat(bool tournament, bool dual) {
    return dual ? GroupFormat::Dual : tournament ? GroupFormat::Knockout : GroupFormat::League;
}

constexpr bool isKnockOut(GroupFormat format) { return format != GroupFormat::League; }

// The places a group of the format has; 0 where any number will do.
constexpr std::int32_t requiredGroupSize(GroupFormat format) { return format == GroupFormat::Dual ? 4 : 0; }
constexpr bool fitsGroupSize(GroupFormat format, std::int32_t groupSize) {
    return requiredGroupSize(format) == 0 || groupSize == requiredGroupSize(format);
}

// A dual group's five matches: two opening ones, the winners' and the
// losers' match, the decider. A cell is a place of the row (`from` 0) or the
// winner or loser of the earlier match `from`.
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
inline constexpr DualMatch kDualMatches[5] = {
    {{0, 0, false}, {1, 0, false}, nullptr},
    {{2, 0, false}, {3, 0, false}, nullptr},
    {{0, 1, false}, {0, 2, false}, "승자전"},
    {{0, 1, true}, {0, 2, true}, "패자전"},
    {{0, 3, true}, {0, 4, false}, "최종전"},
};

// The places a dual group gives, from 1st: the match that decides each and
// whether its winner or its loser takes it. Two wins make the 1st and two
// losses the 4th.
struct DualPlace {
    int match;
    bool loser;
};
inline constexpr DualPlace kDualPlaces[4] = {{3, false}, {5, false}, {5, true}, {4, true}};

// Entries of a dual group of m members: 5 (byes for a missing fourth), 1, 0.
constexpr std::int32_t dualMatchCount(std::int32_t m) { return m >= 3 ? 5 : m == 2 ? 1 : 0; }

// The stage a group's match `number` (from 1) is named by, CP949: "승자전",
// "패자전" and "최종전" for a dual group's later matches; nullptr where the
// number alone names it. Every text, page and window names a match by this.
constexpr const char* stageName(GroupFormat format, int number) {
    return format == GroupFormat::Dual && number >= 1 && number <= 5 ? kDualMatches[number - 1].name : nullptr;
}

}  // namespace rl
