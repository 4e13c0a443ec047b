#pragma once
// How each map plays for each race, and each player's record against each
// race, counted from the games as played in the groups and the playoff.
//
// A game counts when its winner is known: every game entered of a match
// (a series under way too), and the one game of a one-game match given by
// its score alone. A series given by its score alone is not counted: which
// game each player won, and so on which map, is not known. A walkover is no
// game and a bye is no match; a match that the void rule takes off the table
// was still played, and its games count. A game's map is the one it was
// played on, or else the one dealt for it.
//
// A player without a race plays in no matchup: the game counts for its map
// and for both players' records (the other's against no race, so in none of
// their records against a race), never for a race.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/race.h"
#include "standings/playoff.h"

namespace rl {

struct CountedGame {
    Pos winner = kNone;
    Pos loser = kNone;
    Pos map = kNone;  // kNone in an event without maps
};

// The counted games of the groups (A first), then the playoff's, each
// match's in game order.
std::vector<CountedGame> countedGames(const AssignmentState& state, const Results& results, const Playoff& playoff,
                                      std::uint32_t seed, Host& host);

struct WonLost {
    int won = 0;
    int lost = 0;
};

// Games won by each race against each, by race from 0 in the order T, Z, P,
// R: wins[T][Z] is the terrans' wins over zergs; a mirror's games are
// wins[T][T].
using RaceWins = std::array<std::array<int, kRaceCount>, kRaceCount>;

struct MapRecord {
    int games = 0;  // with or without races
    RaceWins wins{};
};

struct PlayerRecord {
    WonLost total;
    std::array<WonLost, kRaceCount> against{};  // by the opponent's race
    std::vector<WonLost> maps;                   // per map of the list
};

struct RaceStats {
    std::vector<MapRecord> maps;        // per map of the list
    std::vector<PlayerRecord> players;  // per participant
    RaceWins races{};                   // over every game, with or without a map
};

// `races` per participant; entries past its end are no race.
RaceStats raceStats(const std::vector<CountedGame>& games, const std::vector<Race>& races, std::size_t participants,
                    std::size_t maps);

// A matchup named by its two races in the order T, Z, P, R: the three
// between T, Z and P, those with R, then the mirrors.
struct Matchup {
    Race first;
    Race second;

    bool mirror() const { return first == second; }
};
inline constexpr Matchup kMatchups[] = {
    {Race::Terran, Race::Zerg},   {Race::Terran, Race::Protoss}, {Race::Zerg, Race::Protoss},
    {Race::Terran, Race::Random}, {Race::Zerg, Race::Random},    {Race::Protoss, Race::Random},
    {Race::Terran, Race::Terran}, {Race::Zerg, Race::Zerg},      {Race::Protoss, Race::Protoss},
    {Race::Random, Race::Random},
};

// "TvZ", "TvT".
std::string matchupName(Matchup m);
// Games the first race of the matchup won over the second (a mirror: its games).
int winsOf(const RaceWins& wins, Race winner, Race loser);
// The matchup's games.
int gamesOf(const RaceWins& wins, Matchup m);
// The first race's share of a matchup's games in whole percent, rounded
// to the nearest, halves up.
int percentOf(int wins, int games);

// "T 3 : 2 Z (60%)", for a mirror "TvT 2경기"; empty for a matchup with no
// game. CP949.
std::string matchupText(const RaceWins& wins, Matchup m);

// "< 맵별 종족 전적 >" after a blank line: a heading row, then a row a map
// of the list with its games and each matchup played there, "T 3 : 2 Z
// (60%)" or, for a mirror, "TvT 2경기". CP949, CR LF, widths in bytes.
std::string raceStatsText(const RaceStats& stats, Host& host);

}  // namespace rl
