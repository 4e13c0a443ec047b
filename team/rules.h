#pragma once
// One team match as its sets leave it: which next set the rules take, the
// score the sets count to, who won and who made an all-kill.
#include <optional>
#include <vector>

#include "engine/assignment.h"
#include "standings/results.h"
#include "team/format.h"

namespace rl::team {

enum Side { kFirst = 0, kSecond = 1 };

// One set: each team's player (an index into its roster), who won, and the
// map it was played on (kNone: none given).
struct TeamSet {
    int players[2] = {0, 0};
    bool firstWon = true;
    Pos map = kNone;

    Side winner() const { return firstWon ? kFirst : kSecond; }
    bool operator==(const TeamSet& o) const {
        return players[0] == o.players[0] && players[1] == o.players[1] && firstWon == o.firstWon && map == o.map;
    }
};

// The rules of one match: its format and how many players each team may send.
struct TeamMatchRules {
    TeamMatchFormat format;
    int rosters[2] = {1, 1};
};

// Why a set cannot be the match's next, and whose player is at fault (none
// for NotNextSet, MatchDecided, AceNotLevel; the team with no player left
// for OutOfPlayers).
struct SetFault {
    Refused why = Refused::MatchDecided;
    std::optional<Side> side;
};

// Whether `next`, numbered `number` (from 1), may follow the sets played.
// Sets run in order; each player plays one set of a match, but the ace set
// (the last of sets:N:ace, played only when the sets stand level before it)
// takes any player of the team. Under winner stays the last set's winner
// stays on, the other team sends a player not beaten yet, and the match
// ends at S wins or when a team has no player left.
std::optional<SetFault> checkSet(const TeamMatchRules& rules, const std::vector<TeamSet>& played, int number,
                                 const TeamSet& next);

// The sets each team won (never a walkover).
Score setsScore(const std::vector<TeamSet>& sets);
// The team that won the match, once the sets decide it.
std::optional<Side> matchWinner(const TeamMatchRules& rules, const std::vector<TeamSet>& sets);
// The match's score once the sets decide it: the sets each team won, except
// that a team that ran out of players loses the sets it could no longer play,
// as a walkover does, so the winner has the sets needed to win. What the
// result stores, and what the groups' standings and the team table count.
std::optional<Score> decidedScore(const TeamMatchRules& rules, const std::vector<TeamSet>& sets);
// Under winner stays: the team whose every player was beaten, if one was.
std::optional<Side> ranOut(const TeamMatchRules& rules, const std::vector<TeamSet>& sets);
// Whether the set is the ace match of its format.
bool isAceSet(const TeamMatchFormat& format, int number);

// A player who beat the whole opposing team, or won S sets in a row, under
// winner stays. Each such player once, in the order they made it.
struct AllKill {
    Side side = kFirst;
    int player = 0;  // index into the team's roster
    int wins = 0;
};
std::vector<AllKill> allKills(const TeamMatchRules& rules, const std::vector<TeamSet>& sets);

// A walkover: the sets needed to win, to none, for the team that goes on.
Score teamWalkover(const TeamMatchFormat& format, Side goesOn);

}  // namespace rl::team
