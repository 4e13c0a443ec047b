#pragma once
// The event's final standings: the playoff's places, then everyone else by
// their group place.
#include <vector>

#include "standings/playoff.h"

namespace rl {

// One line of the event's final standings.
struct FinalStanding {
    Pos player = kNone;
    int rank = 0;  // 0: still in the playoff
    int group = 0;
    int groupPlace = 0;
    bool qualified = false;
    bool withdrawn = false;
};

// Every drawn player: the playoff's places (those still in first), then
// those who did not go through by group place, equal group places sharing
// a rank. Ranks skip after a shared one.
std::vector<FinalStanding> finalStandings(const AssignmentState& state, const Results& results,
                                          const Playoff& playoff, const PlayoffBracket& bracket);

}  // namespace rl
