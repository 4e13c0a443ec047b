#pragma once
// A team league's table, counted and ranked as a players' league is, in the
// teams' order: match wins, sets' difference, sets won, then the matches
// among the teams still level; teams level after that share their rank.
#include <string>
#include <vector>

#include "standings/standings.h"

namespace rl::team {

// A team match that stands: its two teams (positions among the teams) and
// the sets each won; a walkover counts as the sets needed to win, to none.
struct TeamMatchOutcome {
    Pos first = kNone;
    Pos second = kNone;
    Score sets;
};

// One row per team, best first. Each row's mapsWon and mapsLost hold the
// team's sets won and lost.
std::vector<Standing> teamTable(int teams, const std::vector<TeamMatchOutcome>& outcomes);

// "11승 5패 +19 (41승 22패)": match wins and losses, the sets' difference,
// sets won and lost. Code page 949.
std::string tableRowText(const Standing& row);

}  // namespace rl::team
