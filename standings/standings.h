#pragma once
#include <optional>
#include <vector>

#include "standings/results.h"

namespace rl {

// One match of a group as the results leave it.
struct MatchState {
    int number = 0;           // from 1
    int round = 0;            // from 1 in a knock-out; 0 in a league
    Pos first = kNone;        // participant, kNone while not known
    Pos second = kNone;       // participant, kNone while not known or for a bye
    int firstFrom = 0;        // the match whose winner fills the cell; 0: none
    int secondFrom = 0;
    bool bye = false;
    bool losersMeet = false;  // the cells are the losers of firstFrom and secondFrom
    bool firstLoser = false;  // the cell is its match's loser, not its winner
    bool secondLoser = false;
    Pos map = kNone;             // game 1's in a series
    std::vector<Pos> laterMaps;  // games 2 to N of a series, in game order
    int bestOf = 1;              // games the match is played over
    std::optional<Score> score;  // only a result that may stand
    Pos winner = kNone;          // a bye's player counts as its winner
    bool withdrawal = false;     // the score is the walkover a withdrawal made
    bool voided = false;         // a withdrawn player's league match under the void rule: not counted
    std::vector<Game> games;     // as played, in order: only games that may stand beside its score

    bool firstIsLoser() const { return losersMeet || firstLoser; }
    bool secondIsLoser() const { return losersMeet || secondLoser; }
};

struct Standing {
    Pos player = kNone;
    int rank = 0;  // 0: still in a knock-out, no place yet
    bool tied = false;
    bool settled = false;  // its place among members level with it was settled by the organiser
    bool withdrawn = false;
    int played = 0;
    int wins = 0;
    int losses = 0;
    int mapsWon = 0;
    int mapsLost = 0;
};

struct GroupStandings {
    std::vector<MatchState> matches;
    // Every member. League: best first, equal ranks in row order. Every
    // knock-out: members still in (row order), then the others by place.
    std::vector<Standing> standings;
};

// Every game's map in game order, each game played taking the place of the
// map dealt for it: what every text, the page and the window show.
std::vector<Pos> playedMaps(const MatchState& match);
// The draw with its group matches' maps as played: what the export shows
// once games are entered. The draw itself keeps the maps it dealt.
AssignmentState withPlayedMaps(const AssignmentState& state, const Results& results);

// The order of a league table: players by wins, the matches among those
// level on wins, then maps; teams by match wins, sets' difference, sets won,
// then the matches among those still level.
enum class LeagueOrder { Players, Teams };

// The members' rows with the matches that stand counted, best first; members
// still level share a rank and are marked tied. Under the void rule a
// withdrawn member's matches are void, and it stands last.
std::vector<Standing> leagueTable(std::vector<Standing> members, const std::vector<MatchState>& matches, bool voids,
                                  LeagueOrder order = LeagueOrder::Players);

// The matches and standings of one group. Reads the state, changes nothing.
GroupStandings groupStandings(const AssignmentState& state, const Results& results, int group);

}  // namespace rl
