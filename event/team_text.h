#pragma once
// A team league as text: each team match with its sets, each group's team
// table and the players' records. Code page 949, CR LF, widths in bytes like
// the export and the players' standings.
#include <string>

#include "event/event.h"

namespace rl::event {

// One team match: "%2d경기:" with its teams and the sets each won, then a
// line a set played or entered ("  1세트" with the two players, 1:0 or 0:1
// for the set's winner, its map; the ace set marked "에이스결정전"; an
// entry not played yet "[vs]", a side not named "(미정)"), then each
// all-kill, "올킬: PLAYER (TEAM) N승". Empty when the event has no team
// league or no such match; group kPlayoffGroup for the playoff's.
std::string teamMatchText(const Event& event, MatchKey key);

// One group's team table as "순위표.txt" holds it, "< A조 순위 >" first: a
// league's ranks or a knock-out's places. Empty for a players' event or a
// group not drawn.
std::string teamTableText(const Event& event, int group);

// What "순위표.txt" holds for a team league: the export, then per group
// "< A조 팀 경기 >" (every team match) and "< A조 순위 >" (the team table,
// "3승 0패 +7 (9승 2패)"), the playoff's team matches and final standings
// once it is made, and "< 개인 다승 >", every player who played a set, most
// wins first. Empty for a players' event (eventStandingsText gives both).
std::string teamStandingsFileText(const Event& event);

}  // namespace rl::event
