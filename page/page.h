#pragma once
// The event as one self-contained web page: UTF-8 HTML with its style inside,
// no script and nothing fetched from elsewhere, so it opens offline, in a mail
// or years later. Portable: no platform header.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/race.h"
#include "engine/seeding.h"
#include "standings/playoff.h"
#include "standings/race_stats.h"

namespace rl::page {

// The heading of a page with no title of its own (UTF-8).
constexpr const char* kDefaultTitle = u8"조 배정 결과";

// The programs hold names in code page 949, the page is UTF-8; each front end
// brings its converter. Nothing when a text does not convert.
using ToUtf8 = std::function<std::optional<std::string>(std::string_view)>;

// Everything below is UTF-8 and already resolved: the page only lays it out.

// One player's cell: a name, or while unknown the match whose winner (or, for
// a third-place match, loser) fills it.
struct Side {
    std::string name;
    int from = 0;
    bool loser = false;
    std::string tag;  // where a playoff player came from: "A1"
    Race race = Race::None;
};

struct MatchView {
    int number = 0;
    int round = 0;  // from 1 in a knock-out; 0 in a league
    std::string stage;  // its stageName, "승자전" and the like; else empty
    Side first, second;
    bool bye = false;
    std::string map;  // empty: no map; game 1's in a series
    int bestOf = 1;   // games the match is played over
    std::vector<std::string> maps;  // a series': every game's map in game order, as played where it was
    std::vector<std::string> gameWinners;  // the winner of each game played, in order
    std::optional<Score> score;
    int winner = 0;  // 1: the first player, 2: the second, 0: not decided
};

struct RowView {
    int rank = 0;  // 0: still in, no place yet
    std::string name;
    std::string note;  // shown after the name, e.g. a settled tie
    int played = 0, wins = 0, losses = 0, mapsWon = 0, mapsLost = 0;
    Race race = Race::None;
    std::vector<WonLost> against;  // the final standings': one a column of RaceStatsView::races
    std::string record;  // a team table's row as the text reads it: "11승 5패 +19 (41승 22패)"
};

// The note after a member's name in a group's table, a players' or a
// teams': "(결정)" for a place the organiser settled, "(기권)".
std::string standingNote(const Standing& s);

// A team match's set: each team's player (empty: not named), and once it
// was played who won and the sets each team had won by then; before it is
// played, the players are the entries named for it.
struct TeamSetView {
    int number = 0;
    std::string players[2];
    int winner = 0;  // 1: the first team's player, 2: the second's, 0: not played
    Score after;
    std::string map;
    bool ace = false;
};

struct AllKillView {
    std::string player, team;
    int wins = 0;
};

struct TeamMatchView {
    int number = 0;  // the match's in its section
    std::vector<TeamSetView> sets;
    std::vector<AllKillView> allKills;
};

// A player's sets over the event, and with races the player's and the sets
// against each race (one a column of PageView::recordRaces).
struct PlayerRecordView {
    int rank = 0;
    std::string name, team;
    int won = 0, lost = 0;
    Race race = Race::None;
    std::vector<WonLost> against;
};

// How a map, or every game of the event, played for each race.
struct MapRacesView {
    std::string map;  // empty: the event's every game
    int games = 0;
    std::vector<std::string> matchups;  // "T 3 : 2 Z (60%)", each matchup played, in kMatchups' order
};

struct RaceStatsView {
    std::vector<MapRacesView> maps;  // one a map of the list
    MapRacesView total;
    std::vector<Race> races;  // those anyone plays, in order: the final standings' columns
};

// A member's pot (0: none) and tag (empty: none) in a seeded draw.
struct MemberMark {
    int pot = 0;
    std::string tag;
};

// A group, or the playoff: its members, its matches and its table.
struct SectionView {
    std::string key;      // short and unique in the page: "a" ... "h", "p"
    std::string heading;  // "A조", "본선"
    GroupFormat format = GroupFormat::League;  // the playoff's is a knock-out
    std::vector<std::string> members;  // drawn order; empty: not shown
    std::vector<std::vector<std::string>> rosters;  // a team league's: one a member, its players
    std::vector<MemberMark> marks;     // one a member in a seeded draw, else empty
    // One a member once any was replaced, else empty: whom the member
    // replaced before play (empty: nobody).
    std::vector<std::string> replaced;
    std::vector<Race> races;  // one a member once any has a race, else empty
    std::string raceCounts;   // "테란 2, 저그 1": its players' races; empty: none
    std::vector<MatchView> matches;
    std::vector<RowView> table;
    // A team league's: the sets of its matches (those with any, or every
    // match of a league group), and whether the table is the teams' own.
    std::vector<TeamMatchView> teamMatches;
    bool teamTable = false;
    int finalNumber = 0;       // 0: the last match
    int thirdPlaceNumber = 0;  // 0: none

    bool knockOut() const { return isKnockOut(format); }
};

struct Header {
    std::string title;    // empty: "조 배정 결과"
    std::string drawnAt;  // "YYYY-MM-DDTHH:MM:SS", local time; empty: not known
    std::uint32_t seed = 0;
    std::optional<std::string> seedText;
    std::string fingerprint;  // hex; empty: not known
    std::string program;      // e.g. "Rosterloom 1.0"
    bool placedByHand = false;  // nothing was drawn: no seed to show, no draw to check
};

struct PageView {
    Header header;
    Settings settings;
    int participantCount = 0;
    std::string raceCounts;  // the groups' players' races, as a section's
    std::vector<SectionView> groups;
    std::optional<SectionView> playoff;
    std::vector<RowView> finalStandings;  // note: the group place; empty without a playoff
    std::optional<RaceStatsView> raceStats;  // given stats of an event with races
    // A team league: its team matches' format as the facts name it (empty:
    // a players' event), and each player's record.
    std::string teamFormat;
    std::vector<PlayerRecordView> playerRecords;
    std::vector<Race> recordRaces;  // the races the rosters' players play; empty without races

    bool teams() const { return !teamFormat.empty(); }
};

// Every group of the draw with the header given and, when `playoff` is given
// and can be made, the playoff and the final standings; nothing when a name
// does not convert. With `seeding`, each member shows its pot and tag. Each
// player shows their race from `races` (in list order, none past its end),
// and with `stats` of the same event and races, each map's record per
// matchup and the final standings each player's record against each race.
std::optional<PageView> pageViewOf(const AssignmentState& state, const Results& results, Host& host,
                                   const Header& header, const ToUtf8& toUtf8, const Playoff* playoff = nullptr,
                                   const Seeding* seeding = nullptr, const std::vector<Race>& races = {},
                                   const RaceStats* stats = nullptr);

// The whole document.
std::string renderPage(const PageView& view);

}  // namespace rl::page
