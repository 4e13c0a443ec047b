#pragma once
// The playoff's match lengths and maps.
//
// The maps: every real match in number order gets a map for each of its
// games by the event's map setting, from a generator seeded with the event's
// seed XOR 0x504C4159 ("PLAY"), so the draw's own stream is never touched.
//
// The lengths: each round's, counted back from the final (the final's is the
// last given, the semi-finals' the one before, ...); rounds before those
// given take the first given, the third-place match the semi-finals'. None
// given: the groups' length.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "standings/standings.h"

namespace rl {

struct Playoff;

constexpr std::uint32_t kPlayoffSeedMix = 0x504C4159u;
constexpr std::size_t kMaxPlayoffLengths = 8;

// Whether a playoff's lengths may be chosen: each 1, 3, 5 or 7, and no more
// of them than kMaxPlayoffLengths.
bool validPlayoffLengths(const std::vector<int>& bestOf);
// The length of the round `back` rounds before the final (0: the final).
int playoffRoundLength(const Playoff& playoff, int groupsBestOf, int back);
// Every match's length by its round (of `rounds`).
void setPlayoffLengths(std::vector<MatchState>& matches, int rounds, const Playoff& playoff, int groupsBestOf);
// Every real match's maps, when the event uses maps.
void dealPlayoffMaps(std::vector<MatchState>& matches, const AssignmentState& state, std::uint32_t seed, Host& host);

}  // namespace rl
