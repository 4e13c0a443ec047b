#pragma once
// The playoff after the groups: the top K of every group in one knock-out
// bracket to a champion, and the final standings of the whole event.
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
#include <string>
#include <vector>

#include "standings/standings.h"

namespace rl {

// The group of the playoff's matches in a Results.
constexpr int kPlayoffGroup = -1;
constexpr int kMaxPlayoffPlayers = 32;
constexpr std::uint32_t kPlayoffSeedMix = 0x504C4159u;

// The order an organiser gave to members of a group sharing a rank.
struct SettledOrder {
    int group = 0;
    std::vector<Pos> order;  // best first
};

// What is stored with the event: the playoff's choices and results.
struct Playoff {
    int perGroup = 0;  // K: 1, 2 or 4
    bool thirdPlace = false;
    std::vector<SettledOrder> settled;
    Results results;  // keys {kPlayoffGroup, number}; its withdrawals are those made after the playoff
    // Each round's length as people write it, the final's last: {3, 5, 7} is
    // best of 7 in the final, 5 in the semi-finals, 3 before. Empty: the groups'.
    std::vector<int> bestOf;
};

constexpr std::size_t kMaxPlayoffLengths = 8;

// Whether a playoff's lengths may be chosen: each 1, 3, 5 or 7, and no more
// of them than kMaxPlayoffLengths.
bool validPlayoffLengths(const std::vector<int>& bestOf);
// The length of the round `back` rounds before the final (0: the final).
int playoffRoundLength(const Playoff& playoff, int groupsBestOf, int back);

// Members that share a rank deciding who goes through or where.
struct TieToSettle {
    int group = 0;
    int rank = 0;
    std::vector<Pos> members;  // in table order
};

struct UnfinishedGroup {
    int group = 0;
    int matchesLeft = 0;
};

// Why a playoff cannot be made; empty() when it can.
struct PlayoffRefusal {
    bool badSize = false;      // K is not 1, 2 or 4
    bool badLength = false;    // a round's length is not 1, 3, 5 or 7
    int players = 0;           // who would go through
    bool tooFew = false;       // fewer than two
    bool tooMany = false;      // more than kMaxPlayoffPlayers
    bool thirdPlaceTooFew = false;  // a third-place match needs four players
    std::vector<UnfinishedGroup> unfinished;
    std::vector<TieToSettle> ties;

    bool empty() const {
        return !badSize && !badLength && !tooFew && !tooMany && !thirdPlaceTooFew && unfinished.empty() && ties.empty();
    }
};

// Whether an order may settle a tie: the members of one shared rank of the
// group that decides something, each once.
enum class SettleProblem { None, NoSuchGroup, NotMembers, NotATie, NoNeed };

// The group's table with the settled orders applied: settled members get
// places one after another in their given order and are marked settled.
std::vector<Standing> settledStandings(const AssignmentState& state, const Results& results, int group,
                                       const std::vector<SettledOrder>& settled);
// The ties among the first `perGroup` places of every group still to settle.
std::vector<TieToSettle> tiesToSettle(const AssignmentState& state, const Results& results, int perGroup,
                                      const std::vector<SettledOrder>& settled);
SettleProblem checkSettle(const AssignmentState& state, const Results& results, int perGroup,
                          const SettledOrder& order);
// The orders that still settle a tie deciding something for `perGroup`;
// before the playoff (perGroup 0) any shared rank may be settled. An order
// left behind by a changed result settles nothing and is not kept.
std::vector<SettledOrder> ordersThatSettle(const AssignmentState& state, const Results& results, int perGroup,
                                           const std::vector<SettledOrder>& settled);
std::vector<UnfinishedGroup> unfinishedGroups(const AssignmentState& state, const Results& results);
PlayoffRefusal checkPlayoff(const AssignmentState& state, const Results& results, const Playoff& playoff);

struct Qualifier {
    Pos player = kNone;
    int group = 0;
    int place = 0;  // in the group, from 1
};

// The playoff as its results leave it; everything empty when it cannot be
// made (see checkPlayoff).
struct PlayoffBracket {
    std::vector<Qualifier> players;      // in the order they were taken
    std::vector<MatchState> matches;     // numbered from 1, the final last
    std::vector<Standing> standings;     // the knock-out table
    int finalNumber = 0;
    int thirdPlaceNumber = 0;            // 0: none
};

PlayoffBracket playoffBracket(const AssignmentState& state, const Results& results, const Playoff& playoff,
                              std::uint32_t seed, Host& host);

// The first-round seats alone, for the rule's tests: for each match, the
// indices into `players` of its two cells, -1 for a bye.
std::vector<std::pair<int, int>> seatPlayers(const std::vector<Qualifier>& players, int perGroup);

// Whether a playoff result may stand (NoSuchMatch, Bye, PlayersNotKnown,
// ScoreOutOfRange, Tie or SeriesNotWon).
ResultProblem checkPlayoffResult(const PlayoffBracket& bracket, int number, Score score);
ResultProblem playoffScoreForWinner(const PlayoffBracket& bracket, Host& host, int number, std::string_view winner,
                                    Score& out,
                             bool walkover = false);
std::vector<int> playoffDependents(const PlayoffBracket& bracket, const Playoff& playoff, int number);

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
