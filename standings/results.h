#pragma once
#include <algorithm>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/assignment.h"
#include "engine/series.h"

namespace rl {

// One match of the draw: group index from 0 (A), match number from 1 (as
// printed, "3경기" is 3).
struct MatchKey {
    int group = 0;
    int number = 0;

    bool operator<(const MatchKey& o) const { return std::pair(group, number) < std::pair(o.group, o.number); }
    bool operator==(const MatchKey& o) const { return group == o.group && number == o.number; }
};

// Maps won by the match's first player and by its second. A walkover was
// given without being played: its maps are the games needed to win the
// match to none, for the player who goes on.
struct Score {
    int first = 0;
    int second = 0;
    bool walkover = false;

    bool operator==(const Score& o) const {
        return first == o.first && second == o.second && walkover == o.walkover;
    }
};

constexpr int kMaxMapsWon = 99;

// One game of a match as it was played: who won it and on which map (kNone
// where the event uses no maps).
struct Game {
    bool firstWon = true;
    Pos map = kNone;

    bool operator==(const Game& o) const { return firstWon == o.firstWon && map == o.map; }
};

// The walkover for the first player or for the second: the games that win
// the match to none.
constexpr Score walkoverFor(bool firstGoesOn, int bestOf = 1) {
    return firstGoesOn ? Score{gamesToWin(bestOf), 0, true} : Score{0, gamesToWin(bestOf), true};
}

// What a withdrawal does to a league's table: the withdrawn player's open
// matches become walkovers for the opponents, or every match of theirs is
// void and they stand last. Every knock-out, the playoff among them, gives
// the opponent the walkover; where the opponent had withdrawn first,
// the match was already theirs and stays so.
enum class WithdrawalRule { Walkovers, Void };

struct Withdrawals {
    std::vector<Pos> players;  // in the order they withdrew
    WithdrawalRule rule = WithdrawalRule::Walkovers;

    bool has(Pos player) const { return std::find(players.begin(), players.end(), player) != players.end(); }
    // Of two withdrawn players, the one who withdrew later.
    Pos later(Pos a, Pos b) const {
        return std::find(players.begin(), players.end(), a) < std::find(players.begin(), players.end(), b) ? b : a;
    }
    bool voids() const { return rule == WithdrawalRule::Void; }
};

// The results entered after a draw. It keeps whatever it is given; whether
// a result may stand is checkResult's question, and the standings count
// only results that pass it, so a stale entry can never corrupt a table.
class Results {
public:
    const Score* find(MatchKey key) const;
    void set(MatchKey key, Score score) { scores_[key] = score; }
    // The match's result and its games go.
    bool clear(MatchKey key) { return (games_.erase(key) + scores_.erase(key)) > 0; }
    const std::map<MatchKey, Score>& all() const { return scores_; }
    // The games of a match as played, in order; empty when none were given.
    const std::vector<Game>& games(MatchKey key) const;
    void setGames(MatchKey key, std::vector<Game> games);
    const std::map<MatchKey, std::vector<Game>>& allGames() const { return games_; }
    // The players who left the event, and the rule their matches follow.
    const Withdrawals& withdrawals() const { return withdrawals_; }
    Withdrawals& withdrawals() { return withdrawals_; }

private:
    std::map<MatchKey, Score> scores_;
    std::map<MatchKey, std::vector<Game>> games_;
    Withdrawals withdrawals_;
};

// Why a result cannot stand, in the order the checks are made.
enum class ResultProblem {
    None,
    NoSuchGroup,      // the group was not drawn
    NoSuchMatch,      // the group has no match of that number
    Bye,              // nobody plays a bye
    PlayersNotKnown,  // a knock-out match whose cells are not both filled yet
    ScoreOutOfRange,  // maps won must be 0 to kMaxMapsWon
    Tie,              // a match has a winner
    NotAPlayer,       // a winner's name that is neither player's
    BothPlayers,      // a winner's name that both players bear
    SeriesNotWon,     // a series' score is the winner's (N + 1) / 2 maps and the loser's fewer
    SeriesByName,     // a series takes its maps, never a winner's name alone
    Withdrawn,        // a withdrawn player's walkover: the withdrawal is taken back first
    GamePastLength,     // a game numbered past the match's length
    GameTwice,          // a game given twice
    GameMissing,        // a game given while an earlier one is not
    GamesAfterDecided,  // a game after the series was decided
    MapNotInList,       // a game's map is none of the event's maps
    GamesDisagree,      // the games do not count to the match's score
};

// Whether the match can take a result at all, given the other results:
// NoSuchGroup, NoSuchMatch, Bye or PlayersNotKnown.
ResultProblem checkMatch(const AssignmentState& state, const Results& results, MatchKey key);
// ScoreOutOfRange, Tie or, for a best-of-N match, SeriesNotWon: what a score
// alone may be refused for in a match of that length.
ResultProblem checkScore(Score score, int bestOf = 1);
// Both: whether `score` may be entered for the match (an existing result for
// the same match is the one being replaced).
ResultProblem checkResult(const AssignmentState& state, const Results& results, MatchKey key, Score score);

// Whether a name as typed is the listed name: blanks at the end of a listed
// name do not count, since a typed name has none.
bool isNamed(std::string_view listed, std::string_view typed);

// Whether a match of `bestOf` games may be given by a winner's name:
// SeriesByName for a series, which takes its maps, unless it is a walkover,
// which names who goes on.
constexpr ResultProblem winnerNameProblem(int bestOf, bool walkover) {
    return bestOf > 1 && !walkover ? ResultProblem::SeriesByName : ResultProblem::None;
}

// The score 1:0 for the player whose name is `winner` (CP949 bytes; blanks
// at the end of a listed name do not count, since a typed name has none);
// SeriesByName for a match of more than one game.
ResultProblem scoreForWinner(const AssignmentState& state, const Results& results, Host& host, MatchKey key,
                             std::string_view winner, Score& out,
                             bool walkover = false);

// What the games of a match count to (never a walkover), and whether they
// decide a match of `bestOf` games.
Score gamesScore(const std::vector<Game>& games);
bool gamesDecide(const std::vector<Game>& games, int bestOf);
// Why the games cannot stand in a match of `bestOf` games beside its score
// (nullptr: none yet), and the game (from 1) at fault, 0 for them all:
// GamePastLength, GamesAfterDecided, or GamesDisagree when a score stands
// that they do not count to (or they decide the match and it has none).
struct GameFault {
    ResultProblem problem = ResultProblem::None;
    int game = 0;
};
GameFault gamesFault(const std::vector<Game>& games, int bestOf, const Score* score);

// The later matches of the same knock-out group that have a result and whose
// players come, at any remove, from the winner of `key`: what clearing or
// changing `key` takes away. Ascending match numbers; empty in a league.
std::vector<int> dependentResults(const AssignmentState& state, const Results& results, MatchKey key);

}  // namespace rl
