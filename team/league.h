#pragma once
// A team league's own part of an event: the format of its matches, each
// team's roster, and what was entered of each team match. The teams are the
// event's participants (their names are the participants' names); this adds
// what a players' event does not have.
#include <array>
#include <map>
#include <string>
#include <vector>

#include "engine/race.h"
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
    // Each roster player's race, team by team in roster order; empty where
    // no player has one (see settleRaces). Its initializer lets a league be
    // written {format, rosters, plays} without a warning.
    std::vector<std::vector<Race>> races = {};

    bool operator==(const TeamLeague& o) const {
        return format == o.format && rosters == o.rosters && plays == o.plays && races == o.races;
    }
};

// A player's race; none where the races do not reach (a roster given after them).
inline Race rosterRace(const TeamLeague& league, Pos team, int player) {
    if (team < 0 || player < 0 || static_cast<std::size_t>(team) >= league.races.size()) return Race::None;
    const std::vector<Race>& races = league.races[static_cast<std::size_t>(team)];
    return static_cast<std::size_t>(player) < races.size() ? races[static_cast<std::size_t>(player)] : Race::None;
}

inline bool anyRosterRace(const TeamLeague& league) {
    for (const std::vector<Race>& races : league.races) {
        for (Race race : races) {
            if (race != Race::None) return true;
        }
    }
    return false;
}

// The one shape an event keeps its races in, so that an event drawn and the
// same event read back are equal: a race for every roster player, or none
// at all when no race is given.
inline void settleRaces(TeamLeague& league) {
    if (!anyRosterRace(league)) {
        league.races.clear();
        return;
    }
    league.races.resize(league.rosters.size());
    for (std::size_t t = 0; t < league.rosters.size(); ++t) league.races[t].resize(league.rosters[t].size(), Race::None);
}

}  // namespace rl::team
