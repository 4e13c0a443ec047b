#pragma once
// What a team league's results add up to, for every text and the page: each
// group's team table, each team match's sets as they stand with its
// all-kills, and every player's record over the event. No text here.
#include <array>
#include <vector>

#include "event/event.h"
#include "team/league.h"

namespace rl::event {

// One team match as its sets and result leave it.
struct TeamMatch {
    MatchKey key;                     // group kPlayoffGroup for the playoff's
    MatchState match;                 // its score: the sets won, or the walkover as team::teamWalkover counts it
    team::TeamMatchRules rules;
    std::vector<std::array<int, 2>> entries;  // as named before the sets (team::kNoEntry: not named)
    std::vector<team::TeamSet> sets;          // those that stand, in order
    std::vector<team::AllKill> allKills;
};

// A player's sets over the event, groups and playoff. Races are not kept for
// a roster's players, so there is no record against each race.
struct TeamPlayerRecord {
    Pos team = kNone;  // the participant
    int player = 0;    // index into its roster
    int won = 0;
    int lost = 0;
};

struct TeamStandings {
    // Per group, A first: a league's team table (match wins, sets' difference,
    // sets won, the matches among those level); a knock-out's places.
    std::vector<std::vector<Standing>> tables;
    // The groups' team matches, A first in match order, then the playoff's.
    std::vector<TeamMatch> matches;
    // Everyone who played a set, most wins first, then fewest losses, then
    // in team and roster order.
    std::vector<TeamPlayerRecord> players;
};

// Nothing for a players' event.
TeamStandings teamStandings(const Event& event);

// Each set's map: the one it was played on, or else the one dealt for it;
// as many as the match's longest run of sets (empty without maps).
std::vector<Pos> setMaps(const TeamMatch& match);

}  // namespace rl::event
