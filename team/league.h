#pragma once
// A team league's own part of an event: the format of its matches, each
// team's roster, and what was entered of each team match. The teams are the
// event's participants (their names are the participants' names); this adds
// what a players' event does not have.
#include <array>
#include <map>
#include <string>
#include <vector>

#include "standings/results.h"
#include "team/format.h"
#include "team/rules.h"

namespace rl::team {

// An entry not named yet.
constexpr int kNoEntry = -1;

// One team match as entered: the players each team named for a set before
// it was played (roster indices, kNoEntry where not named; element s is set
// s + 1), and the sets played, in order.
struct TeamMatchPlay {
    std::vector<std::array<int, 2>> entries;
    std::vector<TeamSet> sets;

    bool empty() const { return entries.empty() && sets.empty(); }
    bool operator==(const TeamMatchPlay& o) const { return entries == o.entries && sets == o.sets; }
};

struct TeamLeague {
    TeamMatchFormat format;  // every team match's, the playoff's too
    // Each participant's players in roster order (CP949), one list a team.
    std::vector<std::vector<std::string>> rosters;
    // The team matches entered, by their key: the groups' and the playoff's
    // (group kPlayoffGroup), as the results are keyed.
    std::map<MatchKey, TeamMatchPlay> plays;

    bool operator==(const TeamLeague& o) const {
        return format == o.format && rosters == o.rosters && plays == o.plays;
    }
};

}  // namespace rl::team
