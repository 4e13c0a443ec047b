#pragma once
// The playoff after the groups: the top K of every group in one knock-out
// bracket to a champion. Its first round is seated by the bracket rule
// (playoff_seating.h), its matches take the lengths and maps of
// playoff_maps.h, and the ties that decide who goes through are settled as
// ties.h says.
#include <cstdint>
#include <string_view>
#include <vector>

#include "standings/playoff_maps.h"
#include "standings/playoff_pairs.h"
#include "standings/playoff_seating.h"
#include "standings/standings.h"
#include "standings/ties.h"

namespace rl {

// The group of the playoff's matches in a Results.
constexpr int kPlayoffGroup = -1;
constexpr int kMaxPlayoffPlayers = 32;

// What is stored with the event: the playoff's choices and results.
struct Playoff {
    int perGroup = 0;  // K: 1, 2 or 4
    bool thirdPlace = false;
    std::vector<SettledOrder> settled;
    Results results;  // keys {kPlayoffGroup, number}; its withdrawals are those made after the playoff
    // Each round's length as people write it, the final's last: {3, 5, 7} is
    // best of 7 in the final, 5 in the semi-finals, 3 before. Empty: the groups'.
    std::vector<int> bestOf;
    // The first round from the top as the organiser paired it; empty: the
    // bracket rule's. The later rounds follow the bracket either way.
    std::vector<PlayoffPair> pairs;
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
    PairsRefusal pairs;        // the organiser's pairs do not seat the players going through

    bool empty() const {
        return !badSize && !badLength && !tooFew && !tooMany && !thirdPlaceTooFew && unfinished.empty() && ties.empty() &&
               pairs.ok();
    }
};

PlayoffRefusal checkPlayoff(const AssignmentState& state, const Results& results, const Playoff& playoff);

// The bracket rule's first round for the top `perGroup` of every group, as
// pairs: what the organiser starts from. The seats follow from how many of
// each group go through, so it is known before the groups are played out;
// empty when no playoff of that size has 2 to kMaxPlayoffPlayers players.
std::vector<PlayoffPair> rulePairs(const AssignmentState& state, const Results& results, int perGroup);

// The group's table as people see it beside the playoff: its settled orders
// applied, and a player who withdrew after the playoff was made marked as
// withdrawn too, in the place the group gave them.
std::vector<Standing> shownGroupTable(const AssignmentState& state, const Results& results, const Playoff& playoff,
                                      int group);

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

// Whether a playoff result may stand (NoSuchMatch, Bye, PlayersNotKnown,
// ScoreOutOfRange, Tie or SeriesNotWon).
ResultProblem checkPlayoffResult(const PlayoffBracket& bracket, int number, Score score);
// The score for the player named `winner`, as bracket::namedScore gives it.
ResultProblem playoffScoreForWinner(const PlayoffBracket& bracket, Host& host, int number, std::string_view winner,
                                    Score& out, bool walkover = false);
std::vector<int> playoffDependents(const PlayoffBracket& bracket, const Playoff& playoff, int number);

}  // namespace rl
