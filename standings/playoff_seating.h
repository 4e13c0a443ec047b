#pragma once
// The first round of the playoff: where each player taken from the groups
// starts in its bracket.
//
// The bracket rule. The players are taken by group place, then group
// order (A1, B1, C1, ..., A2, B2, ...). The bracket has S places, the
// smallest power of two that holds them all, so S/2 first-round matches
// and S minus the players byes; the first players taken get the byes, so
// group winners first, in group order. The group winners take the first
// rounds' matches in bit-reversed order (with 8 matches: 1, 5, 3, 7, 2, 6,
// 4, 8), so that A and B are in different halves, A to D in different
// quarters, and so on. Every other player, in the same order, takes the
// free place that best keeps these rules, the earlier rule first:
//   1. not against a player of its own group;
//   2. K = 2: not in the half of the other player of its group; K = 4: not
//      in the quarter of another player of its group, and 1st and 2nd of a
//      group not in the same half;
//   3. against the place it should meet: a 2nd against a 1st (K = 2); a 4th
//      against a 1st, a 3rd against a 2nd, a 2nd in a match of its own
//      (K = 4);
// then against the first opponent taken, then in the first free match in
// the order above. For two groups and K = 2 this gives A1-B2, B1-A2; for
// four groups, A1-B2, C1-D2 in one half and B1-A2, D1-C2 in the other.
// Where these first choices leave a group winner in the first round against
// another than the lowest place any player holds (a 4th with K = 4, a 2nd
// with K = 2), the later choices are tried in the same order, player by
// player, for the first seating in which every such winner meets that place
// and rules 1 and 2 are broken no more than by the first choices (fewer
// own-group matches first, then fewer places together); the byes and the
// winners' places stay. If there is none, the first choices stand. So 7
// groups with K = 4 give E1-G4, G1-A4 and F1-D4.
#include <utility>
#include <vector>

#include "engine/assignment.h"

namespace rl {

struct Qualifier {
    Pos player = kNone;
    int group = 0;
    int place = 0;  // in the group, from 1
};

// The places of the bracket: the smallest power of two, at least 2, that
// holds them all.
int playoffBracketSize(int players);

// The first-round seats: for each match, the indices into `players` of its
// two cells, -1 for a bye.
std::vector<std::pair<int, int>> seatPlayers(const std::vector<Qualifier>& players, int perGroup);

}  // namespace rl
