#pragma once
// What the standings' files share: a group's matches with the
// players that the results have made known so far.
#include <string_view>
#include <vector>

#include "standings/standings.h"

namespace rl::bracket {

struct Resolved {
    std::vector<MatchState> matches;
    std::vector<int> roundSizes;  // entries of each knock-out round, byes included
};

bool groupExists(const AssignmentState& state, int group);
int groupCount(const AssignmentState& state);

// Every match of the group in number order, each cell filled from the
// winners of earlier matches, counting only results that may stand.
Resolved resolve(const AssignmentState& state, const Results& results, int group);

// Fills every cell of a laid-out bracket from the winners (or, for a
// third-place match, the losers) of earlier matches and takes the results
// of `group` that may stand. A match with a withdrawn player and no result
// is the opponent's walkover once both are known (the later to withdraw
// goes on when both did). In a `league` under the void rule every match of
// a withdrawn player is void, played or not: it keeps its score but counts
// for nothing.
void play(Resolved& bracket, const Results& results, int group, const Withdrawals& withdrawals, bool league);

// The match `number` if it can take a result: NoSuchMatch, Bye or
// PlayersNotKnown otherwise.
ResultProblem playable(const std::vector<MatchState>& matches, int number, MatchState& out);

// The later matches with a result whose players come, at any remove, from
// match `number`: what clearing or changing it takes away.
std::vector<int> dependents(const std::vector<MatchState>& matches, const Results& results, MatchKey key);

// The knock-out table: `members` counted over the bracket and placed, those
// still in first. A third-place match places its winner 3rd and its loser
// 4th, and keeps the semi-finals' losers in until it is played.
std::vector<Standing> knockOutTable(std::vector<Standing> members, const Resolved& bracket);

// The score 1:0 for the player of `match` whose name is `winner` (CP949
// bytes; blanks at the end of a listed name do not count, since a typed name
// has none), or why the name gives none: a series takes its maps, never a
// winner's name alone, unless the winner goes on by walkover.
ResultProblem namedScore(const MatchState& match, Host& host, std::string_view winner, bool walkover, Score& out);

// Which player of `match` is named `winner` (as namedScore reads a name):
// NotAPlayer, BothPlayers, or None with `first` set.
ResultProblem namedWinner(const MatchState& match, Host& host, std::string_view winner, bool& first);

// Range, then tie, then a series not won: what a score alone may be refused
// for in a match of `bestOf` games.
ResultProblem scoreProblem(Score score, int bestOf = 1);

}  // namespace rl::bracket
