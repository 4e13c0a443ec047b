#pragma once
// What a team league's results add up to, for every text and the page: each
// group's team table, each team match's sets as they stand with its
// all-kills, and every player's record over the event. No text here.
#include <array>
#include <vector>

#include "event/event.h"
#include "standings/race_stats.h"
#include "team/league.h"

namespace rl::event {

// One team match as its sets and result leave it.
struct TeamMatch {
    MatchKey key;                     // group kPlayoffGroup for the playoff's
    MatchState match;                 // its score as team::decidedScore or team::teamWalkover counts it
    team::TeamMatchRules rules;
    std::vector<std::array<int, 2>> entries;  // as named before the sets (team::kNoEntry: not named)
    std::vector<team::TeamSet> sets;          // those that stand, in order
    std::vector<team::AllKill> allKills;
};

// A player's sets over the event, groups and playoff, and against each race
// (T, Z, P, R from 0) the sets with an opponent of that race, as a players'
// event counts its games (standings/race_stats.h).
struct TeamPlayerRecord {
    Pos team = kNone;  // the participant
    int player = 0;    // index into its roster
    int won = 0;
    int lost = 0;
    Race race = Race::None;
    std::array<WonLost, kRaceCount> against{};
};

struct TeamStandings {
    // Per group, A first: a league's team table (match wins, sets' difference,
    // sets won, the matches among those level); a knock-out's places. The
    // groups' own standings, with the settled orders (marked settled).
    std::vector<std::vector<Standing>> tables;
    // The groups' team matches, A first in match order, then the playoff's.
    std::vector<TeamMatch> matches;
    // Everyone who played a set, most wins first, then fewest losses, then
    // in team and roster order.
    std::vector<TeamPlayerRecord> players;
    // The races any roster player plays, in the order T, Z, P, R: the
    // records' columns against each race; empty without races.
    std::vector<Race> races;
};

// Nothing for a players' event.
TeamStandings teamStandings(const Event& event);

// Each set's map: the one it was played on, or else the one dealt for it;
// as many as the match's longest run of sets (empty without maps).
std::vector<Pos> setMaps(const TeamMatch& match);

}  // namespace rl::event
